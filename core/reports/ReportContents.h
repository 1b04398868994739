// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/reports/AttendanceMonths.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace markwell {

// What each student's report at the term's end holds, chosen once for the
// whole class.
struct ReportContents {
    bool overall = true;      // the individual report's Overall table
    bool byType = false;      // its table by assignment type
    bool why = true;          // how the average and grade came out
    bool attendance = false;  // tardies and absences of each month of `months`
    bool comment = false;     // the student's comment
    // Under Why, one "what would it take?" line: the assignment (an index
    // into the class's assignments) and the letter; none without both.
    std::optional<std::size_t> whatIfAssignment;
    QString whatIfLetter;
    MonthSpan months;
    // The note to families, with its placeholders (see FamilyNote.h).
    QString note;

    bool operator==(const ReportContents&) const = default;
};

// The parts as markwell-cli names them: "overall,type,why,attendance,comment"
// (any of them, in any order, separated by commas). `base` gives what the
// list does not say: the months, the note, the what-if line. An empty list
// chooses none of them. Refuses an unknown or repeated part.
Result<ReportContents> contentsFromList(const QString& list, ReportContents base = {});
// The parts chosen, as contentsFromList reads them: how the choice is kept.
QString contentsList(const ReportContents& contents);

}  // namespace markwell
