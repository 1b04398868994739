// The Average cell's tool tip (the explanation of one student's row, worked
// out when the pointer rests on the cell) and "What would it take?" on the
// largest classes, weighted and with each drop rule: both must answer at
// once while the teacher points and chooses.
//
//   build/bench/markwell_bench --benchmark_filter='AverageToolTip|WhatItTakes'

#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/WhatItTakes.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace markwell;

namespace {

ClassRecord benchClass(const benchmark::State& state) {
    SampleOptions options;
    options.students = static_cast<int>(state.range(0));
    options.assignments = static_cast<int>(state.range(1));
    options.weighted = state.range(2) != 0;
    options.dropType = static_cast<std::int32_t>(state.range(3));
    return makeSampleClass(options, builtInDefaultGradeScale());
}

void setLabel(benchmark::State& state) {
    state.SetLabel(std::string(state.range(2) ? "weighted" : "plain") + ", drop rule " +
                   std::to_string(state.range(3)));
}

// A student in the middle of the table.
void BM_AverageToolTip(benchmark::State& state) {
    const ClassRecord cls = benchClass(state);
    const Sheet grades = buildGradesTable(cls).sheet;
    const GradesLayout layout = GradesLayout::of(grades);
    const int row = (layout.kFirstStudentRow + layout.lastStudentRow()) / 2;
    for (auto _ : state) {
        QString tip = averageToolTip(cls, grades, row, layout.averageCol());
        benchmark::DoNotOptimize(tip);
    }
    setLabel(state);
}

// The best letter on the last assignment: the longest search when out of reach.
void BM_WhatItTakes(benchmark::State& state) {
    const ClassRecord cls = benchClass(state);
    const std::string name = cls.students[cls.students.size() / 2].name;
    for (auto _ : state) {
        Result<WhatItTakes> answer = whatItTakes(cls, name, cls.assignments.size() - 1, QStringLiteral("A"));
        benchmark::DoNotOptimize(answer);
    }
    setLabel(state);
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
