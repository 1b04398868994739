// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/AttendanceBook.h"
#include "core/data/Document.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace markwell {

class SheetView;
class UserDialogs;

// "Attendance Analysis": one student's tardies, unexcused and excused
// absences of each month of a year, with their sum, and its printout. It
// reads the class document's attendance as it stands, marks not yet saved
// included, and never writes any file.
class AttendanceAnalysisWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 2001;

    // `shownYear` is the year the Attendance page shows; it is selected.
    AttendanceAnalysisWindow(const Document& document, int shownYear, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~AttendanceAnalysisWindow() override;

    // 2001 to two years from now, and the shown year when it lies outside.
    static std::vector<int> yearChoices(int shownYear);

    QComboBox* yearCombo() const { return yearCombo_; }
    QComboBox* studentCombo() const { return studentCombo_; }
    SheetView* view() const { return view_; }
    const Sheet& sheet() const { return sheet_; }

public slots:
    // Counts the year and student chosen again.
    void recount();
    void printAnalysis();

private:
    QWidget* makeChoices();

    AttendanceBook attendance_;
    std::vector<std::string> names_;
    QString markwellFile_;
    UserDialogs& dialogs_;
    Sheet sheet_;

    QComboBox* yearCombo_;
    QComboBox* studentCombo_;
    SheetView* view_;
};

}  // namespace markwell
