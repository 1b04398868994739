// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The class the benchmarks measure: 2,000 students and 200 assignments,
// generated (the same class every time), with its grades table.

#include "core/grading/GradesTable.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

namespace markwell::bench {

inline ClassRecord largeClass() {
    SampleOptions options;
    options.students = 2000;
    options.assignments = 200;
    return makeSampleClass(options, builtInDefaultGradeScale());
}

// Built once per run.
inline const Sheet& largeGradesTable() {
    static const Sheet sheet = buildGradesTable(largeClass()).sheet;
    return sheet;
}

}  // namespace markwell::bench
