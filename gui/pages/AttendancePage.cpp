// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/pages/AttendancePage.h"

#include "core/attendance/AttendanceTable.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/TintedLabel.h"
#include "gui/shared/Translations.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace markwell {
namespace {

QLabel* legend(const QString& text) {
    return new TintedLabel(text, QColor(0, 0, 255));
}

}  // namespace

QStringList AttendancePage::monthNames() {
    return {tr("January"), tr("February"), tr("March"),     tr("April"),   tr("May"),      tr("June"),
            tr("July"),    tr("August"),   tr("September"), tr("October"), tr("November"), tr("December")};
}

AttendancePage::AttendancePage(QWidget* parent)
    : QWidget(parent), unusableNote_(new TintedLabel(QString(), QColor(0xb0, 0, 0))), monthCombo_(new QComboBox),
      yearCombo_(new QComboBox), calendar_(new QCalendarWidget), view_(new SheetView) {
    setObjectName(QStringLiteral("attendancePage"));
    setHelpTopic(this, HelpTopic::Attendance);
    monthCombo_->setObjectName(QStringLiteral("monthList"));
    yearCombo_->setObjectName(QStringLiteral("yearList"));
    calendar_->setObjectName(QStringLiteral("calendar"));
    view_->setObjectName(QStringLiteral("attendanceTable"));

    monthCombo_->addItems(monthNames());
    const int lastYear = QDate::currentDate().year() + 2;
    for (int year = kFirstYear; year <= lastYear; ++year) yearCombo_->addItem(QString::number(year));
    calendar_->setDateRange(QDate(kFirstYear, 1, 1), QDate(lastYear, 12, 31));
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setMaximumSize(calendar_->sizeHint());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeDatePanel());
    layout->addWidget(unusableNote_);
    layout->addWidget(view_, 1);
    unusableNote_->setObjectName(QStringLiteral("unusableFileNote"));
    unusableNote_->setWordWrap(true);
    unusableNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    unusableNote_->hide();

    makePopup();
    view_->setAccessibleName(tr("Attendance"));
    view_->setAccessibleDescription(tr("A row for each student, a column for each day of the month: T marks a "
                                       "tardy, U an unexcused absence, E an excused absence."));
    calendar_->setAccessibleName(tr("Calendar"));
    // The grid of days inside the calendar is what takes the keyboard.
    if (auto* days = calendar_->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"))) {
        days->setAccessibleName(tr("Days of the month"));
    }
    view_->setSpeechProvider([this](int row, int col) { return spokenCell(row, col); });
    view_->setSheet(&sheet_);
    view_->setKeyFilter([this](const QKeyEvent& key, bool) { return keyPressed(key); });
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = view_->indexAt(pos);
        if (!index.isValid() || !popupAllowedAt(index.row() + 1, index.column() + 1)) return;
        if (!sheet_.resolve(sheet_.selection()).contains(index.row() + 1, index.column() + 1)) {
            view_->selectRange(CellRange::cell(index.row() + 1, index.column() + 1));
        }
        popup_->popup(view_->viewport()->mapToGlobal(pos));
    });

    connect(monthCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!syncing_ && index >= 0) showMonth(index + 1, year_);
    });
    connect(yearCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!syncing_ && index >= 0) showMonth(month_, yearCombo_->itemText(index).toInt());
    });
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        if (!syncing_) showMonth(month, year);
    });
    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate date) {
        showMonth(date.month(), date.year());
        scrollToDay(date.day());
    });

    const QDate today = QDate::currentDate();
    month_ = today.month();
    year_ = today.year();
    syncDateControls();
    rebuild();
}

QWidget* AttendancePage::makeDatePanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("datePanel"));
    auto* choices = new QFormLayout;
    choices->addRow(tr("&Month:"), monthCombo_);
    choices->addRow(tr("&Year:"), yearCombo_);
    auto* legends = new QVBoxLayout;
    legends->addWidget(legend(tr("T - Tardy")));
    legends->addWidget(legend(tr("U - Unexcused Absence")));
    legends->addWidget(legend(tr("E - Excused Absence")));
    legends->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addSpacing(8);
    left->addLayout(legends);
    left->addStretch();

    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 4, 4, 4);
    row->addLayout(left);
    row->addSpacing(24);
    row->addWidget(calendar_, 0, Qt::AlignTop);
    row->addStretch();
    return panel;
}

void AttendancePage::makePopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("attendanceMenu"));
    const auto add = [this](const char* name, const QString& caption, const QString& mark) {
        QAction* action = popup_->addAction(caption, this, [this, mark] { markSelection(mark); });
        action->setObjectName(QLatin1String(name));
    };
    add("markTardy", tr("Tardy"), QStringLiteral("T"));
    add("markUnexcused", tr("Unexcused Absence"), QStringLiteral("U"));
    add("markExcused", tr("Excused Absence"), QStringLiteral("E"));
    popup_->addSeparator();
    add("clearMark", tr("Clear"), QString());
}

void AttendancePage::setClass(std::vector<std::string> names, const AttendanceBook* book, const QString& unusable) {
    names_ = std::move(names);
    book_ = book;
    unusable_ = unusable;
    unusableNote_->setText(unusable_.isEmpty() ? QString()
                                               : unusable_ + QLatin1Char(' ') +
                                                     tr("No marks can be recorded until that file is deleted or "
                                                        "renamed and the class is saved or opened again."));
    unusableNote_->setVisible(!unusable_.isEmpty());
    rebuild();
}

void AttendancePage::rebuild() {
    std::vector<std::optional<DayMarks>> marks(names_.size());
    if (book_) marks = book_->marksOf(month_, year_, names_);
    const CellRange selection = sheet_.selection();
    sheet_ = buildAttendanceTable(names_, month_, year_, marks, windowLocale());
    if (sheet_.resolve(selection) == selection) sheet_.setSelection(selection);
    view_->reload();
}

void AttendancePage::showMonth(int month, int year) {
    if (month == month_ && year == year_) return;
    month_ = month;
    year_ = year;
    syncDateControls();
    rebuild();
    // Another month reads from its first day, wherever the last one was scrolled to.
    view_->setLeftCol(AttendanceLayout::kFirstDayCol);
}

void AttendancePage::showToday() {
    const QDate today = QDate::currentDate();
    showMonth(today.month(), today.year());
    const QSignalBlocker block(calendar_);
    calendar_->setSelectedDate(today);
    scrollToDay(today.day());
}

void AttendancePage::syncDateControls() {
    syncing_ = true;
    monthCombo_->setCurrentIndex(month_ - 1);
    yearCombo_->setCurrentIndex(yearCombo_->findText(QString::number(year_)));
    calendar_->setCurrentPage(year_, month_);
    if (calendar_->selectedDate().month() != month_ || calendar_->selectedDate().year() != year_) {
        calendar_->setSelectedDate(QDate(year_, month_, 1));
    }
    syncing_ = false;
}

void AttendancePage::scrollToDay(int day) {
    const AttendanceLayout layout = AttendanceLayout::of(sheet_);
    if (day < 1 || day > layout.days()) return;
    const int col = layout.dayCol(day);
    view_->selectRange(CellRange::cell(sheet_.maxRow() >= 2 ? 2 : 1, col));
    view_->setFocus();
    view_->setLeftCol(col);
}

SheetModel::SpokenCell AttendancePage::spokenCell(int row, int col) const {
    // The marks and their counts' headings are single letters: a screen reader spells them out.
    const AttendanceLayout layout = AttendanceLayout::of(sheet_);
    const QString text = sheet_.text(row, col);
    if (layout.isDayCell(row, col)) {
        if (text == QLatin1String("T")) return {tr("Tardy"), {}};
        if (text == QLatin1String("U")) return {tr("Unexcused absence"), {}};
        if (text == QLatin1String("E")) return {tr("Excused absence"), {}};
        return {};
    }
    if (row != 1) return {};
    if (col == layout.tardyCol()) return {tr("Tardies"), {}};
    if (col == layout.unexcusedCol()) return {tr("Unexcused absences"), {}};
    if (col == layout.excusedCol()) return {tr("Excused absences"), {}};
    return {};
}

bool AttendancePage::popupAllowedAt(int row, int col) const {
    return AttendanceLayout::of(sheet_).isDayCell(row, col);
}

void AttendancePage::markSelection(const QString& mark) {
    if (!takesMarks()) return;
    const AttendanceLayout layout = AttendanceLayout::of(sheet_);
    const CellRange range = sheet_.resolve(sheet_.selection());
    MonthMarks wanted{month_, year_, {}};
    const char code = mark.isEmpty() ? ' ' : mark.front().toLatin1();
    for (int row = range.r1; row <= range.r2; ++row) {
        const auto student = static_cast<std::size_t>(row - 2);
        for (int col = range.c1; col <= range.c2; ++col) {
            if (!layout.isDayCell(row, col) || student >= names_.size() || sheet_.text(row, col) == mark) continue;
            wanted.marks.push_back({names_[student], col - AttendanceLayout::kFirstDayCol + 1, code});
        }
    }
    if (!wanted.marks.empty()) emit marksWanted(wanted);
}

void AttendancePage::showStoredMarks() {
    if (!book_ || !markwell::showStoredMarks(sheet_, book_->marksOf(month_, year_, names_))) return;
    calculateAttendance(sheet_);
    view_->refreshCells(CellRange{2, 1, sheet_.maxRow(), sheet_.maxCol()});
}

SheetView::KeyDecision AttendancePage::keyPressed(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return SheetView::KeyDecision::pass();
    }
    if (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace) {
        markSelection(QString());
        return SheetView::KeyDecision::discard();
    }
    const QString text = key.text();
    if (text.size() != 1) return SheetView::KeyDecision::pass();
    const char16_t code = text.front().unicode();
    if (code == u'.') {
        markSelection(QString());
        return SheetView::KeyDecision::discard();
    }
    const QString upper = text.toUpper();
    if (upper == QLatin1String("T") || upper == QLatin1String("U") || upper == QLatin1String("E")) {
        markSelection(upper);
        return SheetView::KeyDecision::discard();
    }
    // Every other printable key is turned away; control keys move as usual.
    if (code >= 32 && code <= 126) return SheetView::KeyDecision::discard();
    return SheetView::KeyDecision::pass();
}

}  // namespace markwell
