// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/AttendanceBook.h"
#include "core/reports/ReportContents.h"
#include "core/reports/ReportStudents.h"
#include "gui/reports/ReportInput.h"
#include "gui/reports/SendReportsDialog.h"

#include <QDialog>

#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace markwell {

class ClassReports;
class UserDialogs;

// "Class Reports": every chosen student's report at the term's end in one
// go, printed as one job, as one PDF file or as one PDF per student in a
// folder. The teacher chooses the students (all, those selected on the
// Grades page, those whose grade is a letter or worse, or ticked by hand)
// and what each report holds (Overall, By Type, Why with a what-if line,
// Attendance over a run of months, the comment, a note to families with
// placeholders); the choices are remembered for next time. A preview shows
// the first chosen student's first page. Reads the class, never changes it.
class ClassReportsWindow : public QDialog {
    Q_OBJECT
public:
    enum class Destination { Print, OnePdf, Folder };

    // `selection` is the Grades page's selected range.
    ClassReportsWindow(ReportInput input, AttendanceBook attendance, const CellRange& selection, UserDialogs& dialogs,
                       QWidget* parent = nullptr);

    StudentChoice studentChoice() const;
    ReportContents contents() const;
    Destination destination() const;
    // The students the choice gives, or why there are none to give.
    Result<std::vector<int>> chosenStudents() const;

    // Makes the reports where the destination says, asking for the printer,
    // file or folder first. Says so in the window when done.
    void makeReports();
    // Offers Send by E-mail..., which mails each chosen student's report to
    // the family through these.
    void setMailServices(const SendReportsServices& services);
    // Send Reports by E-mail over the reports the choices make.
    void sendReports();
    // The print preview of the first chosen student's report.
    void previewFirstReport();
    // Draws the preview again now (it follows the choices a moment later).
    void refreshPreview();

    QLabel* previewPicture() const { return preview_; }
    QString previewCaption() const;
    QString noteWarning() const;
    QString doneText() const;

protected:
    void done(int result) override;

private:
    QWidget* makeStudentChoices();
    QWidget* makeContentChoices();
    QLayout* makeWhatIfRow();
    QLayout* makeMonthsRow();
    QLayout* makeNoteRows();
    QWidget* makeDestinationChoices();
    QWidget* makePreview();
    struct Choices {
        std::vector<int> students;
        ReportContents contents;
    };
    // The students and contents chosen, or none after telling the teacher why.
    std::optional<Choices> checkedChoices();
    void restoreChoices();
    void rememberChoices() const;
    void choicesChanged();
    void updateNoteWarning();
    void printReports(const ClassReports& reports, const std::vector<int>& students);
    void saveOnePdf(const ClassReports& reports, const std::vector<int>& students);
    void saveFolder(const ClassReports& reports, const std::vector<int>& students);
    // Whether `path` may be written: not when it is one of the class's own files.
    bool sparesClassFiles(const QString& path);

    ReportInput input_;
    AttendanceBook attendance_;
    CellRange selection_;
    UserDialogs& dialogs_;

    QButtonGroup* studentKinds_ = nullptr;
    QRadioButton* selectedStudents_ = nullptr;
    QComboBox* letters_ = nullptr;
    QListWidget* tickedStudents_ = nullptr;
    QLabel* studentCount_ = nullptr;

    QCheckBox* overall_ = nullptr;
    QCheckBox* byType_ = nullptr;
    QCheckBox* why_ = nullptr;
    QCheckBox* whatIf_ = nullptr;
    QComboBox* whatIfAssignment_ = nullptr;
    QComboBox* whatIfLetter_ = nullptr;
    QCheckBox* attendanceBox_ = nullptr;
    QDateEdit* firstMonth_ = nullptr;
    QDateEdit* lastMonth_ = nullptr;
    QCheckBox* comment_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QLabel* noteWarning_ = nullptr;

    QButtonGroup* destinations_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* previewCaption_ = nullptr;
    QLabel* done_ = nullptr;
    QTimer* previewTimer_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    std::optional<SendReportsServices> mail_;
};

}  // namespace markwell
