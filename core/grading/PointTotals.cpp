// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/PointTotals.h"

#include "core/data/Tables.h"

#include <algorithm>
#include <array>

namespace markwell {
namespace {

// A score at or above this is never taken as the lowest.
constexpr double kNoLowest = 100000;

void record(std::vector<DroppedCell>* dropped, int row, int col) {
    if (dropped) dropped->push_back({row, col});
}

}  // namespace

std::vector<int> assignmentTypeIndexes(const ClassRecord& cls) {
    std::vector<int> types;
    types.reserve(cls.assignments.size());
    for (const AssignmentInfo& a : cls.assignments) types.push_back(assignmentTypeIndex(a.assign_type));
    return types;
}

PointTotalsCalculator::PointTotalsCalculator(const Sheet& sheet, const ClassRecord& cls)
    : PointTotalsCalculator(sheet, cls, nullptr) {}

PointTotalsCalculator::PointTotalsCalculator(const Sheet& sheet, const ClassRecord& cls, const EntryIndex* shared)
    : sheet_(sheet), cls_(cls), layout_(GradesLayout::of(sheet)), typeOf_(assignmentTypeIndexes(cls)), index_(shared) {
    // Only the rule by type walks the point lists.
    if (!index_ && cls.lowScoreInfo.drop_type == droprule::kLowestPerType) {
        index_ = &ownIndex_.emplace(ownRows_.emplace(sheet), cls);
    }
    if (!layout_.hasStudentRows()) return;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout_.lastAssignmentCol(); ++col) {
        possible_.push_back(countedPoints(sheet, layout_.totalRow(), col).value_or(0));
    }
    rulesApply_ = std::count_if(possible_.begin(), possible_.end(), [](double p) { return p > 0; }) > 1;
}

PointTotals PointTotalsCalculator::forRow(int row, std::vector<DroppedCell>* dropped) const {
    PointTotals totals;
    if (!layout_.isStudentRow(row)) return totals;
    double lowest = kNoLowest;
    int lowestCol = -1;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout_.lastAssignmentCol(); ++col) {
        const auto points = countedPoints(sheet_, row, col);
        if (!points) continue;
        totals.earned += *points;
        const int assignment = layout_.assignmentIndexOf(col);
        totals.possible += possible_[static_cast<std::size_t>(assignment)];
        if (*points < lowest && isDroppable(assignment)) {  // strictly: the leftmost of equal scores stays
            lowest = *points;
            lowestCol = col;
        }
    }
    switch (cls_.lowScoreInfo.drop_type) {
    case droprule::kLowestOverall: dropLowestOverall(row, totals, lowest, lowestCol, dropped); break;
    case droprule::kLowestPerType: dropLowestPerType(row, totals, dropped); break;
    default: break;  // no rule, or one this program does not know: nothing dropped
    }
    return totals;
}

void PointTotalsCalculator::dropLowestOverall(int row, PointTotals& totals, double lowest, int lowestCol,
                                              std::vector<DroppedCell>* dropped) const {
    if (!rulesApply_) return;
    if (lowestCol < 0) {
        record(dropped, -1, -1);
        return;
    }
    totals.earned -= lowest;
    totals.possible -= possible_[static_cast<std::size_t>(layout_.assignmentIndexOf(lowestCol))];
    record(dropped, row, lowestCol);
}

// Walks the point entries of the row's name rather than its cells, so that
// every entry of a name two students share takes part.
void PointTotalsCalculator::dropLowestPerType(int row, PointTotals& totals, std::vector<DroppedCell>* dropped) const {
    std::array<double, kAssignmentTypeCount> lowest;
    lowest.fill(kNoLowest);
    std::array<double, kAssignmentTypeCount> possible{};
    std::array<int, kAssignmentTypeCount> col;
    col.fill(-1);
    if (rulesApply_) {
        for (const RowEntry& e : index_->entries(row)) {
            if (e.kind != PointsKind::Number || !isDroppable(e.assignment)) continue;
            const int type = typeOf_[static_cast<std::size_t>(e.assignment)];
            if (type < 0) continue;
            const auto t = static_cast<std::size_t>(type);
            if (e.value < lowest[t]) {  // strictly: the earlier of equal scores stays
                lowest[t] = e.value;
                possible[t] = cls_.assignments[static_cast<std::size_t>(e.assignment)].total;
                col[t] = layout_.assignmentCol(e.assignment);
            }
        }
    }
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        if (!cls_.lowScoreInfo.flag(type)) continue;
        const auto t = static_cast<std::size_t>(type);
        if (col[t] >= 0) {
            totals.earned -= lowest[t];
            totals.possible -= possible[t];
        }
        record(dropped, row, col[t]);
    }
}

}  // namespace markwell
