// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/GradesLayout.h"

#include <optional>
#include <vector>

namespace markwell {

// A points cell removed by the lowest-score rule. A negative row or column
// names no cell: it records that the rule found nothing to drop.
struct DroppedCell {
    int row = -1;
    int col = -1;

    bool namesCell() const { return row >= 0 && col >= 0; }
    bool operator==(const DroppedCell&) const = default;
};

// What one student earned and could have earned, after dropping.
struct PointTotals {
    double earned = 0;
    double possible = 0;
};

// The earned and possible points of student rows of a grades table, after
// the class's lowest-score rule, read from the cells as shown:
//
// - every assignment cell that counts (not "-", not empty) adds its points to
//   the earned points and the Total row's value of its column to the possible;
// - rule 1 (more than one assignment worth points): the lowest score of the
//   row is removed with its possible points; on equal scores the leftmost; a
//   score of 100000 or more is never removed; a row with no counted score
//   records (-1, -1);
// - rule 2 (more than one assignment worth points): for each flagged type,
//   the lowest points of that type over all the entries of the student's
//   name are removed with that assignment's total; on equal points the
//   earlier assignment; a flagged type with nothing to remove records
//   column -1.
// "Lowest" is in raw points, not in percent of the assignment. Neither rule
// ever takes an assignment without possible points (extra credit): dropping
// forgives a bad score, and taking free points away would lower the grade.
//
// Build one calculator and ask it for every row: the point lists are indexed
// once, when rule 2 needs them.
class PointTotalsCalculator {
public:
    PointTotalsCalculator(const Sheet& sheet, const ClassRecord& cls);
    // Shares an index already built over the same sheet and class, when
    // given; otherwise builds one when the class's rule needs it.
    PointTotalsCalculator(const Sheet& sheet, const ClassRecord& cls, const EntryIndex* shared);
    PointTotalsCalculator(const PointTotalsCalculator&) = delete;  // may point into itself
    PointTotalsCalculator& operator=(const PointTotalsCalculator&) = delete;

    // Appends the row's dropped cells to `dropped` when given.
    PointTotals forRow(int row, std::vector<DroppedCell>* dropped = nullptr) const;

private:
    void dropLowestOverall(int row, PointTotals& totals, double lowest, int lowestCol,
                           std::vector<DroppedCell>* dropped) const;
    void dropLowestPerType(int row, PointTotals& totals, std::vector<DroppedCell>* dropped) const;
    // Whether the rules may take the assignment at this index: it has possible points.
    bool isDroppable(int assignment) const { return possible_[static_cast<std::size_t>(assignment)] > 0; }

    const Sheet& sheet_;
    const ClassRecord& cls_;
    GradesLayout layout_;
    std::vector<double> possible_;  // the Total row, by assignment column - 2
    std::vector<int> typeOf_;       // type index of each assignment, -1 for none
    bool rulesApply_ = false;       // more than one assignment is worth points
    std::optional<StudentRows> ownRows_;
    std::optional<EntryIndex> ownIndex_;
    const EntryIndex* index_ = nullptr;
};

// The type index (0..5) of every assignment of the class, -1 for none.
std::vector<int> assignmentTypeIndexes(const ClassRecord& cls);

}  // namespace markwell
