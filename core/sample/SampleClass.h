// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <cstdint>

namespace markwell {

// A realistic class for demonstrations, benchmarks and tests: names with
// spaces, apostrophes and accented letters, all six assignment types, a few
// "-" marks, some extra credit, contact details and comments, and on request
// a seating chart.
// The same options always give the same class.
struct SampleOptions {
    int students = 25;
    int assignments = 10;
    std::uint64_t seed = 1;
    bool weighted = false;                             // weights are set either way; this turns them on
    std::int32_t dropType = droprule::kLowestPerType;  // Quiz and Homework flagged
    bool seats = false;                                // a seat per student, in rows before the teacher's desk
};

ClassRecord makeSampleClass(const SampleOptions& options, const CurrentGradeScale& scale);

}  // namespace markwell
