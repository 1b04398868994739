// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Generated classes chosen by a benchmark's arguments: students,
// assignments, weighted (0 or 1) and the drop rule.

#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <benchmark/benchmark.h>

#include <string>

namespace markwell::bench {

inline ClassRecord sampleClassOf(const benchmark::State& state) {
    SampleOptions options;
    options.students = static_cast<int>(state.range(0));
    options.assignments = static_cast<int>(state.range(1));
    options.weighted = state.range(2) != 0;
    options.dropType = static_cast<std::int32_t>(state.range(3));
    return makeSampleClass(options, builtInDefaultGradeScale());
}

// "weighted, drop rule 2": the rules the class was made with.
inline std::string rulesLabel(const benchmark::State& state) {
    return std::string(state.range(2) ? "weighted" : "plain") + ", drop rule " + std::to_string(state.range(3));
}

}  // namespace markwell::bench
