// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/GradesTable.h"

#include "core/grading/GradesAssembly.h"
#include "core/grading/GridFormatting.h"

#include <optional>

namespace markwell {

GradesTable buildGradesTable(const ClassRecord& cls) {
    GradesTable table;
    Sheet& sheet = table.sheet;
    // The columns first, so that each student row is made as wide as the
    // table at once.
    insertAssignmentsInGrid(cls.assignments, sheet);
    insertStudentsInGrid(cls.students, sheet);
    const StudentRows rows(sheet);
    insertPointsInGrid(sheet, cls, rows);
    insertTotalPointsInGrid(sheet);
    // Only weighting and dropping by type walk the entries of each name.
    std::optional<EntryIndex> index;
    if (cls.weightGrades.enabled || cls.lowScoreInfo.drop_type == droprule::kLowestPerType) index.emplace(rows, cls);
    const PointTotalsCalculator totals(sheet, cls, index ? &*index : nullptr);
    if (cls.weightGrades.enabled) {
        insertWeightedAveragesInGrid(table, cls, *index, totals);
    } else {
        insertAveragesInGrid(table, totals);
    }
    insertLetterGradesInGrid(table, cls.gradeScale, totals);
    updateGridProperties(sheet, static_cast<int>(cls.students.size()), static_cast<int>(cls.assignments.size()),
                         cls.gridProps, table.dropCellIndex, cls.lowScoreInfo.drop_type, true);
    return table;
}

}  // namespace markwell
