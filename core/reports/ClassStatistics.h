// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <optional>
#include <vector>

namespace markwell {

// The "Grade Information" tables, built from the class and its grades table
// as it stands (both only read). Assignments are chosen by position (0 is
// the first), so two assignments of the same title stay apart.

// Statistics of one assignment's counted marks (7 rows x 3): "Description",
// "Points", "Percentage", then Minimum Grade, Maximum Grade, Total Possible,
// Median, Mean and Standard Deviation. The marks are every entry of the
// assignment's point list that is a number ("-", empty and other text count
// for nothing); the possible points are the grades table's Total row.
//
// - minimum and maximum: the least and greatest counted mark;
// - median: the middle mark of the sorted marks, the lower of the two
//   middle ones for an even count (70, 80, 90, 100 give 80);
// - mean: the sum over the count;
// - standard deviation: around the exact mean, divided by n - 1 (0 for one
//   mark or none);
// - with no counted mark every statistic is 0;
// - percentages are of the possible points, "0.00%" when those are not
//   above 0 (Total Possible's own "100.00%" included).
// Minimum, maximum and possible are plain numbers; the median, mean and
// deviation and every percentage have three significant digits and two
// decimals (85.56 shows as 85.60).
Sheet statisticsSheet(const ClassRecord& cls, const Sheet& grades, int assignment);

// How many students earned each letter of the class's scale (L letters:
// L + 3 rows x 3): "Grade", "Count", "Percentage", a row per letter, an
// empty row, then "Total", the count and "100.00%". Percentages are of the
// total count (four significant digits), "0.00%" when nobody counts.
//
// With an assignment, a student counts under the letter of the mark in
// percent of the assignment's total (as shown, four significant digits);
// a mark that does not count, or an assignment whose total is not above 0,
// counts nobody. Without one (`assignment` empty: "Overall"), a student
// counts under the letter the Grade column shows; "-" counts nowhere.
Sheet groupingSheet(const ClassRecord& cls, const Sheet& grades, std::optional<int> assignment);

// Which marks the missing-work list names.
enum class MissingKind { Absent, Zero };

// Every student row of the grades table with the titles of the assignments
// (total above 0) it is missing: Absent lists the marks that do not count
// ("-", none, not a number), Zero the counted marks of 0. Row 1 "Students",
// "Assignments"; then the rows of the grades table's students in their
// order, each the name and the titles in comma text (a title with a space,
// a comma or a quote in double quotes), or "< None >".
Sheet missingWorkSheet(const Sheet& grades, MissingKind kind);

// The assignment columns of a grades table whose work can be missing: those
// worth points (their Total row above 0).
std::vector<int> columnsWorthPoints(const Sheet& grades);
// Whether the mark of a student row in an assignment column is missing work
// of that kind, as the missing-work list counts it.
bool isMissingWork(const Sheet& grades, int row, int col, MissingKind kind);

}  // namespace markwell
