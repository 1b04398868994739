// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/history/GradeHistory.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace markwell {

class SheetView;
class UserDialogs;

// History: every change recorded of the open class, newest first (When,
// From, Student, Assignment, Old, New, What), narrowed to one student, one
// assignment and a span of days. The lines can be copied and written to a
// CSV file, and a student who has left can be forgotten: every line of
// theirs removed, after the teacher says so. Changes nothing in the class.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // The class's students and assignments are offered in the filters
    // beside those the history holds; `student`, when given, is chosen at
    // once (the individual report's History button).
    HistoryWindow(GradeHistory& history, const QString& gradePath, const ClassRecord& cls, UserDialogs& dialogs,
                  const QString& student = {}, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    SheetView* view() const { return view_; }
    const Sheet& table() const { return table_; }
    QComboBox* studentFilter() const { return student_; }
    QComboBox* assignmentFilter() const { return assignment_; }
    QCheckBox* sinceSwitch() const { return sinceOn_; }
    QCheckBox* untilSwitch() const { return untilOn_; }
    QDateEdit* sinceDay() const { return since_; }
    QDateEdit* untilDay() const { return until_; }
    QLabel* completeness() const { return complete_; }
    QLabel* entryDetail() const { return detail_; }
    QPushButton* forgetButton() const { return forget_; }

    // Lists the lines the filters choose again.
    void refresh();
    void copyLines();
    void exportCsv();
    // Asks, then removes every line of the student chosen in the filter.
    void forgetStudent();

private:
    QWidget* makeFilters();
    QWidget* makeButtons();
    void fillNameFilters(const ClassRecord& cls);
    HistoryFilter filter() const;
    void showEntryDetail();

    GradeHistory& history_;
    QString gradePath_;
    UserDialogs& dialogs_;
    std::vector<HistoryLine> lines_;
    Sheet table_;
    SheetView* view_ = nullptr;
    QComboBox* student_ = nullptr;
    QComboBox* assignment_ = nullptr;
    QCheckBox* sinceOn_ = nullptr;
    QCheckBox* untilOn_ = nullptr;
    QDateEdit* since_ = nullptr;
    QDateEdit* until_ = nullptr;
    QLabel* complete_ = nullptr;
    QLabel* detail_ = nullptr;
    QPushButton* forget_ = nullptr;
};

}  // namespace markwell
