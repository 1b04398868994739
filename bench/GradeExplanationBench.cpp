// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Average cell's tool tip (the explanation of one student's row, worked
// out when the pointer rests on the cell) and "What would it take?" on the
// largest classes, weighted and with each drop rule: both must answer at
// once while the teacher points and chooses.
//
//   build/bench/markwell_bench --benchmark_filter='AverageToolTip|WhatItTakes'

#include "bench/SampleClassArgs.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/WhatItTakes.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace markwell;

namespace {

// A student in the middle of the table.
void BM_AverageToolTip(benchmark::State& state) {
    const ClassRecord cls = bench::sampleClassOf(state);
    const Sheet grades = buildGradesTable(cls).sheet;
    const GradesLayout layout = GradesLayout::of(grades);
    const int row = (layout.kFirstStudentRow + layout.lastStudentRow()) / 2;
    for (auto _ : state) {
        QString tip = averageToolTip(cls, grades, row, layout.averageCol());
        benchmark::DoNotOptimize(tip);
    }
    state.SetLabel(bench::rulesLabel(state));
}

// The best letter on the last assignment: the longest search when out of reach.
void BM_WhatItTakes(benchmark::State& state) {
    const ClassRecord cls = bench::sampleClassOf(state);
    const std::string name = cls.students[cls.students.size() / 2].name;
    for (auto _ : state) {
        Result<WhatItTakes> answer = whatItTakes(cls, name, cls.assignments.size() - 1, QStringLiteral("A"));
        benchmark::DoNotOptimize(answer);
    }
    state.SetLabel(bench::rulesLabel(state));
}

void largeClasses(benchmark::internal::Benchmark* b) {
    for (int weighted : {0, 1}) {
        for (int drop : {0, 1, 2}) b->Args({2000, 200, weighted, drop});
    }
    b->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_AverageToolTip)->Apply(largeClasses);
BENCHMARK(BM_WhatItTakes)->Apply(largeClasses);
