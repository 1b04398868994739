// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/attendance/AttendanceTable.h"

#include "core/common/Cp1252.h"
#include "core/sheet/HeadingRow.h"

#include <QCoreApplication>
#include <QDate>

#include <array>

namespace markwell {
namespace {

// Saturdays and Sundays stand out in the student rows, so that a week's
// school days read as a group and a mark on a weekend catches the eye.
void shadeWeekends(Sheet& sheet, int month, int year) {
    const AttendanceLayout layout = AttendanceLayout::of(sheet);
    if (!layout.isStudentRow(2)) return;
    for (int day = 1; day <= layout.days(); ++day) {
        if (QDate(year, month, day).dayOfWeek() < Qt::Saturday) continue;
        const int col = layout.dayCol(day);
        sheet.setFill(CellRange{2, col, layout.maxRow, col}, {FillPattern::Solid, kWeekendShade, kWeekendShade});
    }
}

void formatTable(Sheet& sheet, int month, int year) {
    // The page's own type, "MS Sans Serif" 8, whatever the class's.
    CellFont font;
    font.name = QStringLiteral("MS Sans Serif");
    font.size = 8;
    formatHeadingRow(sheet, font.name, font.size);
    if (sheet.maxRow() >= 2) {
        sheet.setFont(CellRange::rows(2, sheet.maxRow()), font);
        sheet.setAlignment(CellRange{2, 2, sheet.maxRow(), sheet.maxCol()}, CellAlignment::centred());
    }
    shadeWeekends(sheet, month, year);
    sheet.setShowGridLines(true);
    sheet.fitColumnWidths();
    sheet.setFixedCols(1);
    sheet.setFixedRows(1);
    sheet.setSelection(CellRange::cell(1, 1));
}

}  // namespace

Sheet buildAttendanceTable(const std::vector<std::string>& names, int month, int year,
                           const std::vector<std::optional<DayMarks>>& marks, const QLocale& locale) {
    const int days = daysInMonth(month, year);
    Sheet sheet;
    sheet.setMaxCol(days + 5);
    sheet.setMaxRow(static_cast<int>(names.size()) + 1);
    const AttendanceLayout layout = AttendanceLayout::of(sheet);

    sheet.setText(1, 1, QCoreApplication::translate("AttendanceTable", "Names"));
    for (int day = 1; day <= days; ++day) {
        sheet.setText(1, layout.dayCol(day), dayAndMonthText(locale, month, day));
    }
    sheet.setText(1, layout.tardyCol(), QStringLiteral("T"));
    sheet.setText(1, layout.unexcusedCol(), QStringLiteral("U"));
    sheet.setText(1, layout.excusedCol(), QStringLiteral("E"));
    sheet.setText(1, layout.totalCol(), QCoreApplication::translate("AttendanceTable", "Total"));

    for (std::size_t i = 0; i < names.size(); ++i)
        sheet.setText(static_cast<int>(i) + 2, 1, cp1252::toUnicode(names[i]));
    showStoredMarks(sheet, marks);
    calculateAttendance(sheet);
    formatTable(sheet, month, year);
    return sheet;
}

bool showStoredMarks(Sheet& sheet, const std::vector<std::optional<DayMarks>>& marks) {
    const AttendanceLayout layout = AttendanceLayout::of(sheet);
    bool changed = false;
    for (int row = 2; row <= layout.maxRow; ++row) {
        const auto student = static_cast<std::size_t>(row - 2);
        const std::optional<DayMarks> stored = student < marks.size() ? marks[student] : std::nullopt;
        for (int day = 1; day <= std::min(layout.days(), capacity::kAttendanceDays); ++day) {
            const char code = stored ? (*stored)[static_cast<std::size_t>(day - 1)] : ' ';
            const QString text = code != ' ' && code != '\0' ? cp1252::toUnicode(std::string(1, code)) : QString();
            if (sheet.text(row, layout.dayCol(day)) == text) continue;
            sheet.setText(row, layout.dayCol(day), text);
            changed = true;
        }
    }
    return changed;
}

void calculateAttendance(Sheet& sheet) {
    const AttendanceLayout layout = AttendanceLayout::of(sheet);
    for (int row = 2; row <= layout.maxRow; ++row) {
        std::array<int, 3> counts{};
        for (int col = AttendanceLayout::kFirstDayCol; col <= layout.lastDayCol(); ++col) {
            const QString text = sheet.text(row, col);
            if (text == QLatin1String("T")) ++counts[0];
            else if (text == QLatin1String("U")) ++counts[1];
            else if (text == QLatin1String("E")) ++counts[2];
        }
        sheet.setNumber(row, layout.tardyCol(), counts[0]);
        sheet.setNumber(row, layout.unexcusedCol(), counts[1]);
        sheet.setNumber(row, layout.excusedCol(), counts[2]);
        sheet.setNumber(row, layout.totalCol(), counts[0] + counts[1] + counts[2]);
    }
}

std::vector<DayMarks> attendanceMarks(const Sheet& sheet) {
    const AttendanceLayout layout = AttendanceLayout::of(sheet);
    std::vector<DayMarks> result;
    for (int row = 2; row <= layout.maxRow; ++row) {
        DayMarks marks;
        marks.fill(' ');
        for (int day = 1; day <= std::min(layout.days(), capacity::kAttendanceDays); ++day) {
            const QString text = sheet.text(row, layout.dayCol(day));
            if (text.trimmed().isEmpty()) continue;
            const Result<std::string> bytes = cp1252::fromUnicode(text.left(1));
            if (bytes.ok() && !bytes->empty()) marks[static_cast<std::size_t>(day - 1)] = bytes->front();
        }
        result.push_back(marks);
    }
    return result;
}

}  // namespace markwell
