// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/ClassStatistics.h"
#include "core/sheet/Sheet.h"
#include "gui/reports/ReportInput.h"

#include <QDialog>

class QComboBox;
class QRadioButton;
class QTabWidget;

namespace markwell {

class SheetView;
class UserDialogs;

// "Grade Information": how the class did, on three pages with their tabs at
// the bottom: "Miscellaneous" (the statistics of one assignment),
// "Grouping" (how many earned each letter, on one assignment or "Overall")
// and "Missing" (each student's absent or zero work). Every choice rebuilds
// its table; a page opened starts from its first choice, and Missing from
// "Absent". Print prints the table on show. Changes nothing in the class.
class GradeInformationWindow : public QDialog {
    Q_OBJECT
public:
    enum class Page { Miscellaneous, Grouping, Missing };

    GradeInformationWindow(ReportInput input, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~GradeInformationWindow() override;

    QTabWidget* pages() const { return pages_; }
    QComboBox* statisticsAssignments() const { return statisticsChoice_; }
    QComboBox* groupingAssignments() const { return groupingChoice_; }
    QRadioButton* absentButton() const { return absent_; }
    QRadioButton* zeroButton() const { return zero_; }
    // The table of the page on show.
    const Sheet& shownSheet() const;

    void showPage(Page page);
    void printPage();

private:
    Page currentPage() const;
    void pageChanged();
    void showStatistics(int assignment);
    void showGrouping(int item);
    void showMissing();
    QString printCentreText() const;

    ReportInput input_;
    UserDialogs& dialogs_;
    Sheet statistics_;
    Sheet grouping_;
    Sheet missing_;
    QTabWidget* pages_ = nullptr;
    QComboBox* statisticsChoice_ = nullptr;
    QComboBox* groupingChoice_ = nullptr;
    QRadioButton* absent_ = nullptr;
    QRadioButton* zero_ = nullptr;
    SheetView* statisticsView_ = nullptr;
    SheetView* groupingView_ = nullptr;
    SheetView* missingView_ = nullptr;
};

}  // namespace markwell
