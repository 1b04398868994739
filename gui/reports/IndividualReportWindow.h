#pragma once

#include "gui/reports/ReportInput.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace markwell {

class MailLauncher;
class SheetView;
class UserDialogs;

// "Individual Student Information": one student's marks at a time, on the
// pages "Overall" (assignment by assignment, with the grades table's average
// and grade in the totals row) and "Assignment Type". Print prints the page
// on show; E-mail writes the Overall table as a spreadsheet file and hands it
// to the mail program with the student's address. Changes nothing in the class.
class IndividualReportWindow : public QDialog {
    Q_OBJECT
public:
    IndividualReportWindow(ReportInput input, UserDialogs& dialogs, MailLauncher& mail, QWidget* parent = nullptr);
    ~IndividualReportWindow() override;

    QComboBox* studentList() const { return students_; }
    QTabWidget* pages() const { return pages_; }
    QString idText() const;
    const Sheet& overallSheet() const { return overall_; }
    const Sheet& typeSheet() const { return byType_; }

    // Shows the student at this index of the class.
    void showStudent(int index);
    void printPage();
    void emailReport();

private:
    ReportInput input_;
    UserDialogs& dialogs_;
    MailLauncher& mail_;
    Sheet overall_;
    Sheet byType_;
    QComboBox* students_ = nullptr;
    QLineEdit* id_ = nullptr;
    QTabWidget* pages_ = nullptr;
    SheetView* overallView_ = nullptr;
    SheetView* typeView_ = nullptr;
};

}  // namespace markwell
