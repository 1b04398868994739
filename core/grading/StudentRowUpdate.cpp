// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/StudentRowUpdate.h"

#include "core/grading/GradesAssembly.h"
#include "core/grading/GridFormatting.h"

#include <algorithm>

namespace markwell {
namespace {

// The row's texts right of the names, by column - 2.
std::vector<QString> textsRightOfNames(const Sheet& sheet, int row) {
    std::vector<QString> texts;
    for (int col = 2; col <= sheet.maxCol(); ++col) texts.push_back(sheet.text(row, col));
    return texts;
}

void insertPoints(Sheet& sheet, const ClassRecord& cls, const StudentRows& rows, int row) {
    const GradesLayout& layout = rows.layout();
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        sheet.setText(row, col, QString());
    }
    // As a rebuild writes them: a later entry of the name in a list wins.
    rows.forEachEntryOf(row, cls, [&](int, int assignment, int, const PointEntry& e) {
        insertPointsCell(sheet, row, layout.assignmentCol(assignment), e.points);
    });
    insertRowTotal(sheet, row);
}

// The row's Average and Grade; false when the table's dropped cells do not
// have the shape of the class's rule.
bool insertAverageAndGrade(GradesTable& table, const ClassRecord& cls, const StudentRows& rows, int row) {
    const GradesLayout& layout = rows.layout();
    std::optional<EntryIndex> index;
    if (cls.weightGrades.enabled || cls.lowScoreInfo.drop_type == droprule::kLowestPerType)
        index.emplace(rows, cls, row);
    const PointTotalsCalculator totals(table.sheet, cls, index ? &*index : nullptr);
    std::vector<DroppedCell> dropped;
    const PointTotals t = totals.forRow(row, &dropped);
    const QString average = cls.weightGrades.enabled ? WeightedAverager(cls, *index, totals).averageOf(row, layout)
                                                     : averageOf(t.earned, t.possible);
    table.sheet.setText(row, layout.averageCol(), average);
    insertLetterGrade(table.sheet, row, LetterGrader(cls.gradeScale), t);

    // Every row records as many dropped cells as this one.
    const auto perRow = dropped.size();
    const auto slot = static_cast<std::size_t>(row - GradesLayout::kFirstStudentRow);
    if (table.dropCellIndex.size() != perRow * static_cast<std::size_t>(layout.studentRowCount())) return false;
    std::copy(dropped.begin(), dropped.end(), table.dropCellIndex.begin() + static_cast<std::ptrdiff_t>(slot * perRow));

    const CellFont dataFont = classFont(cls.gridProps);
    table.sheet.setFont(CellRange::rows(row, row), dataFont);
    markDroppedScores(table.sheet, dataFont, dropped, cls.lowScoreInfo.drop_type);
    return true;
}

}  // namespace

std::optional<RowUpdate> updateStudentRow(GradesTable& table, const ClassRecord& cls, int row) {
    Sheet& sheet = table.sheet;
    const StudentRows rows(sheet);
    const GradesLayout& layout = rows.layout();
    if (!layout.isStudentRow(row) || rows.firstRowOf(row) != row ||
        layout.assignmentCount() != static_cast<int>(cls.assignments.size())) {
        return std::nullopt;
    }
    const std::vector<QString> before = textsRightOfNames(sheet, row);
    insertPoints(sheet, cls, rows, row);
    if (!insertAverageAndGrade(table, cls, rows, row)) return std::nullopt;

    // A column is as wide as its widest text: only the texts that changed
    // can change it.
    RowUpdate update;
    const std::vector<QString> after = textsRightOfNames(sheet, row);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i]) continue;
        const int col = static_cast<int>(i) + 2;
        const double width = sheet.colWidth(col);
        sheet.fitColumnWidths(CellRange::cols(col, col));
        if (sheet.colWidth(col) != width) update.resizedCols.push_back(col);
    }
    return update;
}

}  // namespace markwell
