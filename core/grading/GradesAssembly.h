// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The steps of a grades table rebuild, for buildGradesTable and its tests.

#include "core/data/ClassRecord.h"
#include "core/data/Tables.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/GradesTable.h"
#include "core/grading/LetterGrade.h"
#include "core/grading/PointTotals.h"

#include <array>
#include <string_view>

namespace markwell {

// Row 1: the titles in class order, then "Total", "Average", "Grade"; the
// name column frozen. Nothing when there are no assignments.
void insertAssignmentsInGrid(const std::vector<AssignmentInfo>& assignments, Sheet& sheet);

// Each point entry into the first row of its name: a number, or "-". A name's
// later entry in the same list wins. Then each assignment's total into the
// Total row, in general number form. A class without student rows has no
// Total row, and the heading row is left as it is.
void insertPointsInGrid(Sheet& sheet, const ClassRecord& cls, const StudentRows& rows);
// One points cell as an entry's points text shows it.
void insertPointsCell(Sheet& sheet, int row, int col, std::string_view pointsText);

// The Total column: every counted point of each student (nothing dropped
// here) and, in the Total row, the sum of all assignment totals.
void insertTotalPointsInGrid(Sheet& sheet);
// The Total column of one row.
void insertRowTotal(Sheet& sheet, int row);

// "87.46%": earned over possible points, "0.00%" without possible points.
QString averageOf(double earned, double possible);
// The average as an Average column shows it at (row, col), without its "%".
double shownAverage(const Sheet& sheet, int row, int col);

// Average column, plain: earned over possible points after dropping.
void insertAveragesInGrid(GradesTable& table, const PointTotalsCalculator& totals);

// How much each assignment type counts in the weighted average: the type of
// the largest weight (the earliest of equal ones) counts fully, every other
// type by its weight over the largest. When no weight is above 0 every type
// counts fully, so the average stays defined. A negative weight counts as 0.
struct WeightFactors {
    int referenceType = 0;
    std::array<double, kAssignmentTypeCount> factor{};
};
WeightFactors weightFactors(const WeightedGrades& weights);

// Average column, weighted: per type the points and totals of the counted,
// undropped entries of assignments with a total above 0, scaled by the
// type's factor, summed over the types and divided.
void insertWeightedAveragesInGrid(GradesTable& table, const ClassRecord& cls, const EntryIndex& index,
                                  const PointTotalsCalculator& totals);

// How a row's weighted average is made: per type the points and totals
// counted, then their sums scaled by each type's factor.
struct WeightedBreakdown {
    std::array<double, kAssignmentTypeCount> earned{};
    std::array<double, kAssignmentTypeCount> possible{};
    WeightFactors factors;
    double scaledEarned = 0;
    double scaledPossible = 0;
};

// The weighted Average of student rows, one at a time.
class WeightedAverager {
public:
    WeightedAverager(const ClassRecord& cls, const EntryIndex& index, const PointTotalsCalculator& totals);
    QString averageOf(int row, const GradesLayout& layout) const;
    // What averageOf divides, for an explanation of the average.
    WeightedBreakdown breakdownOf(int row, const GradesLayout& layout) const;

private:
    const ClassRecord& cls_;
    const EntryIndex& index_;
    const PointTotalsCalculator& totals_;
    WeightFactors weights_;
    std::vector<int> typeOf_;
};

// Grade column from the Average column's text, and the dropped cells of
// every row afresh.
void insertLetterGradesInGrid(GradesTable& table, const CurrentGradeScale& scale, const PointTotalsCalculator& totals);
// The Grade of one row, from its Average as shown and its point totals.
void insertLetterGrade(Sheet& sheet, int row, const LetterGrader& grader, const PointTotals& totals);

}  // namespace markwell
