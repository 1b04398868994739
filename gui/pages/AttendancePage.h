// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/attendance/AttendanceChanges.h"
#include "core/data/AttendanceBook.h"
#include "core/sheet/Sheet.h"
#include "gui/sheetview/SheetView.h"

#include <QDate>
#include <QWidget>

#include <string>
#include <vector>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QMenu;

namespace markwell {

// The Attendance page: one month of marks (T tardy, U unexcused, E excused)
// per student and day, with the counts. The month is chosen with the month
// and year lists or the calendar. The page shows the attendance the class
// document holds and asks for marks (marksWanted); whoever keeps the
// document makes them, and the page shows them once told (showStoredMarks).
// A mark stays in the document when another month is shown and reaches the
// attendance file when the class is saved.
class AttendancePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 2001;

    explicit AttendancePage(QWidget* parent = nullptr);

    // The class shown: its students' names in class order and the document's
    // attendance, which the page reads. A non-empty `unusable` says
    // why the class's attendance file could not be used: the page says so and
    // takes no marks, as they could not be saved.
    void setClass(std::vector<std::string> names, const AttendanceBook* book, const QString& unusable = {});
    // Shows the marks the document holds now: after a mark, an undo or a redo.
    void showStoredMarks();
    bool takesMarks() const { return book_ && unusable_.isEmpty(); }

    // What showing the page does: today's month, today's column in view.
    void showToday();
    void showMonth(int month, int year);
    int month() const { return month_; }
    int year() const { return year_; }

    // Asks for the mark in the selected day cells ("T", "U", "E", or empty to clear).
    void markSelection(const QString& mark);
    // Puts a day's column first in view (a day picked in the calendar).
    void scrollToDay(int day);

    Sheet& sheet() { return sheet_; }
    SheetView* view() const { return view_; }
    QComboBox* monthCombo() const { return monthCombo_; }
    QComboBox* yearCombo() const { return yearCombo_; }
    QCalendarWidget* calendar() const { return calendar_; }
    QMenu* popupMenu() const { return popup_; }
    // Whether the pop-up menu opens over the cell: only over a day cell.
    bool popupAllowedAt(int row, int col) const;

    static QStringList monthNames();

signals:
    // The teacher set or cleared marks: the days whose mark differs from the one shown.
    void marksWanted(const MonthMarks& marks);

private:
    QWidget* makeDatePanel();
    void makePopup();
    void rebuild();
    void syncDateControls();
    SheetView::KeyDecision keyPressed(const QKeyEvent& key);
    SheetModel::SpokenCell spokenCell(int row, int col) const;

    Sheet sheet_;
    std::vector<std::string> names_;
    const AttendanceBook* book_ = nullptr;
    QString unusable_;
    int month_ = 1;
    int year_ = kFirstYear;
    bool syncing_ = false;

    QLabel* unusableNote_;
    QComboBox* monthCombo_;
    QComboBox* yearCombo_;
    QCalendarWidget* calendar_;
    SheetView* view_;
    QMenu* popup_ = nullptr;
};

}  // namespace markwell
