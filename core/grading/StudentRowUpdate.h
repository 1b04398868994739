// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesTable.h"

#include <optional>
#include <vector>

namespace markwell {

// What updating a student row in place changed besides the row's own cells.
struct RowUpdate {
    std::vector<int> resizedCols;  // columns whose width changed
};

// Brings a grades table built from a class up to date after the point
// entries of one row's name changed and nothing else in the class did (what
// typing points does): the row's points, Total, Average and Grade, its
// dropped scores with their red, its share of the dropped cells, and the
// widths of the columns whose texts changed. The table is then what
// buildGradesTable would make of the class, the selection aside, for the
// cost of one row instead of the whole class.
//
// Nothing when the table cannot be updated in place (it does not fit the
// class, or the row is not the first of its name); the table is then to be
// rebuilt whole.
std::optional<RowUpdate> updateStudentRow(GradesTable& table, const ClassRecord& cls, int row);

}  // namespace markwell
