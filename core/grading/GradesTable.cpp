#include "grading/GradesTable.h"

#include "grading/GradesAssembly.h"
#include "grading/GridFormatting.h"

namespace markwell {

GradesTable buildGradesTable(const ClassRecord& cls) {
    GradesTable table;
    Sheet& sheet = table.sheet;
    insertStudentsInGrid(cls.students, sheet);
    insertAssignmentsInGrid(cls.assignments, sheet);
    const EntryIndex index(sheet, cls);
    insertPointsInGrid(sheet, cls, index);
    insertTotalPointsInGrid(sheet);
    const PointTotalsCalculator totals(sheet, cls, index);
    if (cls.weightGrades.Use) {
        insertWeightedAveragesInGrid(table, cls, index, totals);
    } else {
        insertAveragesInGrid(table, totals);
    }
    insertLetterGradesInGrid(table, cls.gradeScale, totals);
    updateGridProperties(sheet, static_cast<int>(cls.students.size()), static_cast<int>(cls.assignments.size()),
                         cls.gridProps, table.dropCellIndex, cls.lowScoreInfo.drop_type, true);
    return table;
}

void insertLetterGrades(GradesTable& table, const ClassRecord& cls) {
    const PointTotalsCalculator totals(table.sheet, cls);
    insertLetterGradesInGrid(table, cls.gradeScale, totals);
}

}  // namespace markwell
