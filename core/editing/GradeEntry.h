// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/RowProblem.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace markwell {

// Entering the points of one assignment. Grade entry shows one row per entry
// of the assignment's point list, in list order: row y is entry y, whatever
// names the entries hold, so two students of one name each keep their own
// points.

// The grid of grade entry: column 1 "Names", column 2 "Points" (as column
// headings), row y the name part and points text of entry y.
Sheet gradeEntrySheet(const AssignmentInfo& assignment);

// Stores typed points (see pointsText) into entry `entry`, keeping its name.
Result<void> setEntryPoints(AssignmentInfo& assignment, std::size_t entry, const QString& typed);

// Sets the possible points from typed text (see totalValue).
Result<void> setTotal(AssignmentInfo& assignment, const QString& typed);

// Every entry back to 0 points and, when there is at least one, the total
// to 0 as well.
void clearPoints(AssignmentInfo& assignment);

// Points by student name, as a file of rows "name,points" gives them: the
// k-th row of a name goes to the k-th student of that name. Every row is
// checked before anything is stored; `line` numbers the refusals.
struct NamedPoints {
    int line = 0;
    QString name;
    QString points;
};
// Empty when every row was stored; otherwise nothing was stored.
std::vector<RowProblem> setPointsByName(ClassRecord& cls, std::size_t assignment, const std::vector<NamedPoints>& rows);

}  // namespace markwell
