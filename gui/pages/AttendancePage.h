#pragma once

#include "document/ClassFiles.h"
#include "sheet/Sheet.h"
#include "sheetview/SheetView.h"

#include <QDate>
#include <QHash>
#include <QWidget>

#include <string>
#include <vector>

class QCalendarWidget;
class QComboBox;
class QMenu;

namespace markwell {

class UserDialogs;

// The Attendance page: one month of marks (T tardy, U unexcused, E excused)
// per student and day, with the counts. The month is chosen with the month
// and year lists or the calendar. The marks of the month on display are
// written to the attendance file when another month is chosen and when the
// class is saved; until then they are kept here, also while the class
// changes or another page is shown.
class AttendancePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 2001;

    explicit AttendancePage(UserDialogs& dialogs, QWidget* parent = nullptr);

    // The class shown: its students' names in class order and its attendance
    // file (empty while the class is untitled). Marks typed for the month on
    // display stay with the names still in the class.
    void setClass(std::vector<std::string> names, const QString& attendFile);
    // Forgets the marks typed for the month on display (the class was put aside).
    void discardTypedMarks();

    // What showing the page does: today's month, today's column in view.
    bool showToday();
    // Shows another month, writing the month being left first. Stays (and
    // says why) when that write fails.
    bool showMonth(int month, int year);
    int month() const { return month_; }
    int year() const { return year_; }

    // The month on display, to be saved with the class; none when there is
    // no class file to save it to.
    std::optional<AttendanceMonth> monthOnDisplay() const;
    // The month on display was written with the class.
    void markSaved();
    bool hasTypedMarks() const { return !typed_.isEmpty(); }

    // Marks the selected day cells ("T", "U", "E", or empty to clear).
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
    // A mark was set or cleared by the teacher.
    void marksChanged();

private:
    QWidget* makeDatePanel();
    void makePopup();
    void rebuild();
    Result<void> writeMonth();
    void syncDateControls();
    SheetView::KeyDecision keyPressed(const QKeyEvent& key);
    void rememberTypedMarks();

    UserDialogs& dialogs_;
    Sheet sheet_;
    std::vector<std::string> names_;
    QString attendFile_;
    int month_ = 1;
    int year_ = kFirstYear;
    // Marks typed for the month on display and not yet written, by the
    // student's name folded to one case (names match records regardless of case).
    QHash<QString, DayMarks> typed_;
    bool syncing_ = false;

    QComboBox* monthCombo_;
    QComboBox* yearCombo_;
    QCalendarWidget* calendar_;
    SheetView* view_;
    QMenu* popup_ = nullptr;
};

}  // namespace markwell
