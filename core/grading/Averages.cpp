// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/GradesAssembly.h"

#include "core/common/NumberText.h"
#include "core/grading/LetterGrade.h"

#include <algorithm>

namespace markwell {
namespace {

bool isDroppedColumn(const std::vector<DroppedCell>& dropped, int col) {
    return std::any_of(dropped.begin(), dropped.end(), [col](const DroppedCell& d) { return d.col == col; });
}

}  // namespace

double shownAverage(const Sheet& sheet, int row, int col) {
    QString text = sheet.text(row, col);
    text.chop(1);
    return parseNumber(text).value_or(0);
}

QString averageOf(double earned, double possible) {
    if (possible == 0) return QStringLiteral("0.00%");
    return averageText(earned / possible * 100);
}

void insertAveragesInGrid(GradesTable& table, const PointTotalsCalculator& totals) {
    const GradesLayout layout = GradesLayout::of(table.sheet);
    if (!layout.hasAssignments()) return;
    table.dropCellIndex.clear();
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        const PointTotals t = totals.forRow(row, &table.dropCellIndex);
        table.sheet.setText(row, layout.averageCol(), averageOf(t.earned, t.possible));
    }
}

WeightFactors weightFactors(const WeightedGrades& weights) {
    WeightFactors w;
    std::int32_t largest = 0;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        if (weights.weight(type) > largest) {  // strictly: the earlier of equal weights stays
            largest = weights.weight(type);
            w.referenceType = type;
        }
    }
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        double& factor = w.factor[static_cast<std::size_t>(type)];
        if (largest == 0 || type == w.referenceType) {
            factor = 1;
        } else {
            factor = static_cast<double>(std::max(weights.weight(type), 0)) / static_cast<double>(largest);
        }
    }
    return w;
}

WeightedAverager::WeightedAverager(const ClassRecord& cls, const EntryIndex& index, const PointTotalsCalculator& totals)
    : cls_(cls), index_(index), totals_(totals), weights_(weightFactors(cls.weightGrades)),
      typeOf_(assignmentTypeIndexes(cls)) {}

QString WeightedAverager::averageOf(int row, const GradesLayout& layout) const {
    const WeightedBreakdown breakdown = breakdownOf(row, layout);
    return markwell::averageOf(breakdown.scaledEarned, breakdown.scaledPossible);
}

WeightedBreakdown WeightedAverager::breakdownOf(int row, const GradesLayout& layout) const {
    // Only the dropped cells are wanted from the point totals here.
    std::vector<DroppedCell> dropped;
    if (cls_.lowScoreInfo.drop_type >= droprule::kLowestOverall) totals_.forRow(row, &dropped);

    WeightedBreakdown b;
    b.factors = weights_;
    for (const RowEntry& e : index_.entries(row)) {
        if (isDroppedColumn(dropped, layout.assignmentCol(e.assignment))) continue;
        const AssignmentInfo& a = cls_.assignments[static_cast<std::size_t>(e.assignment)];
        const int type = typeOf_[static_cast<std::size_t>(e.assignment)];
        if (e.kind != PointsKind::Number || !(a.total > 0) || type < 0) continue;
        b.earned[static_cast<std::size_t>(type)] += e.value;
        b.possible[static_cast<std::size_t>(type)] += a.total;
    }
    for (std::size_t t = 0; t < b.earned.size(); ++t) {
        b.scaledEarned += b.earned[t] * weights_.factor[t];
        b.scaledPossible += b.possible[t] * weights_.factor[t];
    }
    return b;
}

void insertWeightedAveragesInGrid(GradesTable& table, const ClassRecord& cls, const EntryIndex& index,
                                  const PointTotalsCalculator& totals) {
    const GradesLayout layout = GradesLayout::of(table.sheet);
    if (!layout.hasAssignments()) return;
    const WeightedAverager averager(cls, index, totals);
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        table.sheet.setText(row, layout.averageCol(), averager.averageOf(row, layout));
    }
}

void insertLetterGradesInGrid(GradesTable& table, const CurrentGradeScale& scale, const PointTotalsCalculator& totals) {
    const GradesLayout layout = GradesLayout::of(table.sheet);
    if (!layout.hasAssignments()) return;
    const LetterGrader grader(scale);
    table.dropCellIndex.clear();
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        insertLetterGrade(table.sheet, row, grader, totals.forRow(row, &table.dropCellIndex));
    }
}

void insertLetterGrade(Sheet& sheet, int row, const LetterGrader& grader, const PointTotals& totals) {
    const GradesLayout layout = GradesLayout::of(sheet);
    sheet.setText(row, layout.gradeCol(),
                  grader.letter(totals.possible, shownAverage(sheet, row, layout.averageCol())));
}

}  // namespace markwell
