// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesTable.h"

namespace markwell {

// The sort command: sorts the student rows of the grades table on one column
// (1 = names; numbers, "n%" averages and points by value; the Grade column in
// the order of the scale's letters; "-" and empty cells last both ways; equal
// keys keep their order), moving whole rows, then puts the class into the new
// row order (reSortData) and records the dropped cells of the moved rows.
// The heading, separator and Total rows never move. Returns false, changing
// nothing, when there is no student row or the column is outside the table.
bool sortClass(ClassRecord& cls, GradesTable& table, int column, bool descending);

// Puts the students, their comments and every point list into the order of
// the table's student rows. Every student of a row's name comes to that row's
// place, in their old relative order, with their comments: a name two
// students share loses neither. A student whose name has no row keeps its
// place after the others. A point entry whose name belongs to no student is
// removed.
void reSortData(ClassRecord& cls, const Sheet& sheet);

}  // namespace markwell
