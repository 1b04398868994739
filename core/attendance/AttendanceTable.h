// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/DateText.h"
#include "core/data/AttendanceBook.h"
#include "core/sheet/Sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace markwell {

// The attendance page's table of one month of n days:
//
//   row 1          "Names", each day without its year as `locale` writes it
//                  (9/1 ... 9/30 in English, 1/9 ... 30/9 in Spanish), "T", "U", "E", "Total"
//   rows 2 ..      one row per student in class order: the name, a mark per
//                  day ("T", "U", "E" or empty), the counts of T, U and E and
//                  their sum
//
// maxCol is n + 5; the day columns are 2 .. maxCol - 4. The names stay in
// view when the days scroll.
struct AttendanceLayout {
    int maxRow = 1;
    int maxCol = 5;

    static AttendanceLayout of(const Sheet& sheet) { return {sheet.maxRow(), sheet.maxCol()}; }

    static constexpr int kFirstDayCol = 2;
    int days() const { return maxCol - 5; }
    int lastDayCol() const { return maxCol - 4; }
    int tardyCol() const { return maxCol - 3; }
    int unexcusedCol() const { return maxCol - 2; }
    int excusedCol() const { return maxCol - 1; }
    int totalCol() const { return maxCol; }
    int dayCol(int day) const { return day + 1; }
    bool isStudentRow(int row) const { return row >= 2 && row <= maxRow; }
    bool isDayCell(int row, int col) const { return isStudentRow(row) && col >= kFirstDayCol && col <= lastDayCol(); }
};

// The fill of the Saturday and Sunday cells of the student rows.
inline constexpr PlatformColour kWeekendShade = 0xE0E0E0;

// The table for the month with the students' names (Windows-1252, as the
// class keeps them) and each one's stored marks (none: an empty row),
// formatted for the page (weekends shaded), totals counted, cell (1, 1)
// selected.
Sheet buildAttendanceTable(const std::vector<std::string>& names, int month, int year,
                           const std::vector<std::optional<DayMarks>>& marks, const QLocale& locale = englishLocale());

// Puts each student row's stored marks (none: an empty row) into its day
// cells, as the table for the month shows them; false when every cell
// already showed its mark. The counts are left for calculateAttendance.
bool showStoredMarks(Sheet& sheet, const std::vector<std::optional<DayMarks>>& marks);

// Counts the cells holding exactly "T", "U" and "E" in every student row and
// writes the counts and their sum into the last four columns.
void calculateAttendance(Sheet& sheet);

// The marks of every student row as the attendance file stores them: the
// first character of a day cell whose text is not blank, else a space.
std::vector<DayMarks> attendanceMarks(const Sheet& sheet);

}  // namespace markwell
