// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/PointTotals.h"
#include "core/sheet/Sheet.h"

#include <vector>

namespace markwell {

// The grades page's table and the cells the lowest-score rule dropped in it
// (one or more entries per student row, in row order; see DroppedCell).
struct GradesTable {
    Sheet sheet;
    std::vector<DroppedCell> dropCellIndex;
};

// Builds the whole table from the class, in this order, each step reading
// back what the earlier ones wrote, as shown: names, assignment titles,
// points and the Total row, point totals, averages (plain or weighted),
// letter grades; then the formatting of the grades page (see
// updateGridProperties) with the dropped scores in red and cell (1,1)
// selected. Every change of the class rebuilds the table this way.
GradesTable buildGradesTable(const ClassRecord& cls);

// Writes "Names", one row per distinct student name (the first student of a
// name gives its row; later ones are skipped), an empty separator row and a
// "Total" row into column 1 of a sheet whose extent is one row, and sets the
// extent. An empty list leaves the "Names" heading alone. The heading row
// is kept in view either way.
void insertStudentsInGrid(const std::vector<StudentInfo>& students, Sheet& sheet);

}  // namespace markwell
