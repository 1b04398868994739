// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"

#include <QString>

#include <string>

namespace markwell {

// What a student needs on one assignment for a letter: the fewest points x
// among 0, 0.5, 1, … up to the assignment's possible points (up to 100 when
// it has none) that, in place of the student's present points there, give
// that letter or a better one. Each x is graded by the grades table itself,
// dropping rules and weights included, so the answer is found by trying the
// values in order, never by solving an equation.
struct WhatItTakes {
    enum class Outcome { Needs, ReachedWithZero, OutOfReach };
    Outcome outcome = Outcome::OutOfReach;
    QString letter;         // the letter asked for, as the scale writes it
    QString title;          // the assignment's
    double points = 0;      // the points needed, or the most tried when out of reach
    double possible = 0;    // the most points tried
    QString average;        // the average those points give, as the table shows it
    QString reachedLetter;  // the letter those points give
};

// The answer for the student named `name` (their entries in every point
// list), assignment `assignment` (an index into cls.assignments) and `letter`
// (matched ignoring case and surrounding blanks). Refuses a letter the
// class's scale does not have.
Result<WhatItTakes> whatItTakes(const ClassRecord& cls, const std::string& name, std::size_t assignment,
                                const QString& letter);

// The answer in one sentence: `Needs 18 of 20 points on "Final" for B (average 81.25%).`
QString whatItTakesSentence(const WhatItTakes& answer);

}  // namespace markwell
