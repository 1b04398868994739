// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/Change.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace markwell {

// How a curve moves the scores of one assignment.
enum class CurveKind {
    Add,   // every score plus `points`
    Top,   // every score times one factor, so that the highest becomes the possible points
    Mean,  // every score times one factor, so that the mean becomes `meanPercent` % of the possible points
    Map,   // the straight line through (low, newLow) and (high, newHigh), in points
};

struct CurveRule {
    CurveKind kind = CurveKind::Add;
    double points = 0;
    double meanPercent = 0;
    double low = 0;
    double high = 0;
    double newLow = 0;
    double newHigh = 0;
    double step = 0;   // rounding step (1 or 0.5); 0 leaves the score unrounded
    bool cap = false;  // no score above the possible points
};

// One student's score before and after the curve, as the class stores it.
struct CurvedScore {
    QString student;
    QString before;
    QString after;
};

// An assignment's point list once curved, and what changed in it.
struct CurvedColumn {
    std::vector<std::string> namegrade;
    std::vector<CurvedScore> scores;  // every student, in class order
    int changed = 0;                  // the scores whose value moved
};

// Works out the curve of assignment `assignment` of `cls` (which stays as it
// is). Each score that is a number goes through the curve, then a negative
// result becomes 0, then it is rounded half up to the step (on the value
// first rounded to 6 decimals, so that 2.25 with step 0.5 gives 2.5), then
// capped; the result is written in the general number form. A score whose
// value does not move keeps its text; "-" and text that is no number are
// never touched. Refused, naming why, when the curve cannot be worked out:
// Top with no score above 0, Mean with a mean of 0 or no score, Top and Mean
// on an assignment worth no points, Map with its two old scores equal.
Result<CurvedColumn> curveAssignment(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule);

// The curve as one change of the class, named "Curve " + the assignment's
// title. Its step keeps only the assignment's point list, however large the
// class is.
Change curveChange(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule);

}  // namespace markwell
