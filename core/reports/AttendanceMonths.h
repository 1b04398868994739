// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/AttendanceBook.h"
#include "core/reports/AttendanceAnalysis.h"
#include "core/sheet/Sheet.h"

#include <QDate>
#include <QString>

#include <string>
#include <vector>

namespace markwell {

// A run of calendar months, such as a term: September 2026 to January 2027.
struct MonthSpan {
    int firstYear = 2000;
    int firstMonth = 1;  // 1 to 12
    int lastYear = 2000;
    int lastMonth = 1;

    int count() const { return (lastYear - firstYear) * 12 + lastMonth - firstMonth + 1; }
    // The year and month `index` months after the first.
    std::pair<int, int> at(int index) const;
    bool operator==(const MonthSpan&) const = default;
};

// A report's attendance table never runs longer than two school years.
inline constexpr int kMostReportMonths = 24;

// "2026-09:2027-01". Refuses another form, a month outside 1 to 12, a last
// month before the first and a run of more than kMostReportMonths.
Result<MonthSpan> parseMonthSpan(const QString& text);
QString monthSpanText(const MonthSpan& span);
// Checks a span chosen in the window as parseMonthSpan checks a typed one.
Result<MonthSpan> checkedMonthSpan(const MonthSpan& span);

// The months a report shows unless told otherwise: from the first month the
// class's attendance has records for to the last, the last twelve of them
// when there are more; the month of `today` alone when there are none.
MonthSpan defaultMonthSpan(const AttendanceBook& book, const QDate& today);

// Every student's marks counted for each month of a span, found as the
// attendance page finds them (the name without regard to letter case, the
// first record of a month winning). Counted once for the whole class: each
// month's records are indexed by name, so a class of any size costs one
// pass over the book per month.
class MonthlyAttendance {
public:
    MonthlyAttendance(const AttendanceBook& book, const MonthSpan& span, const std::vector<std::string>& names);

    const MonthSpan& span() const { return span_; }
    // The counts of student `student` (an index into `names`), month by month.
    std::vector<MonthCounts> countsOf(int student) const;

private:
    MonthSpan span_;
    std::vector<std::vector<MonthCounts>> byMonth_;  // [month of the span][student]
};

// The table of a report: "Month", "Tardy", "Unexcused", "Excused", "Total",
// a row per month of the span ("September 2026"), an empty row and a
// "Total" row adding them up, in the report style.
Sheet attendanceMonthsSheet(const MonthSpan& span, const std::vector<MonthCounts>& counts);

}  // namespace markwell
