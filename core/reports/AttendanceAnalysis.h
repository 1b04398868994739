// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/DateText.h"
#include "core/data/AttendanceBook.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <array>
#include <string_view>

namespace markwell {

// One student's marks over one calendar year, counted month by month from
// the class's attendance records (the document's, so marks not yet saved
// count too). Only the codes "T", "U" and "E" count, as the attendance page
// sets them; a lower-case letter or any other character is no mark.
struct MonthCounts {
    int tardy = 0;
    int unexcused = 0;
    int excused = 0;

    int total() const { return tardy + unexcused + excused; }
    bool operator==(const MonthCounts&) const = default;
};

using YearCounts = std::array<MonthCounts, 12>;  // January first

// The marks of one month's record counted.
MonthCounts countMonthMarks(const DayMarks& days);

// The counts of the record of each month of `year` for the student, found as
// the attendance page finds it: the name without regard to letter case, the
// first record of a month winning. A month without a record counts nothing.
YearCounts countAttendanceYear(const AttendanceBook& book, int year, std::string_view studentName);

// The analysis as a table of 13 rows and 5 columns: "Month", "Tardy",
// "Unexcused", "Excused", "Total", then January to December with the counts
// and their sum, in the report style, ready for the print path with the
// student's name in the middle of the report header.
// `studentName` is the roster's spelling (Windows-1252).
// The months are named as `locale` names them.
Sheet buildAttendanceAnalysis(const AttendanceBook& book, int year, std::string_view studentName,
                              const QString& markwellFile, const QLocale& locale = englishLocale());

// Row 1 of an attendance table: "Month", "Tardy", "Unexcused", "Excused", "Total".
void writeAttendanceHeadings(Sheet& sheet);

}  // namespace markwell
