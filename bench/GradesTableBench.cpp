// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grades table rebuild that follows every change of a class, on
// generated classes from 500 x 50 to 4,000 x 200 (students x assignments).
// items_per_second is students x assignments rebuilt per second.
//
//   build-release/bench/markwell_bench --benchmark_filter=GradesTable --benchmark_repetitions=3

#include "bench/SampleClassArgs.h"
#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace markwell;

namespace {

void setCounters(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
    state.SetLabel(bench::rulesLabel(state));
}

void BM_GradesTable(benchmark::State& state) {
    const ClassRecord cls = bench::sampleClassOf(state);
    for (auto _ : state) {
        GradesTable table = buildGradesTable(cls);
        benchmark::DoNotOptimize(table);
    }
    setCounters(state);
}

// Sorting on the names (texts in reading order) or on the Average column
// (descending), then putting the class in the new order.
void BM_SortClass(benchmark::State& state, bool byName) {
    const ClassRecord original = bench::sampleClassOf(state);
    const GradesTable built = buildGradesTable(original);
    const int column = byName ? 1 : built.sheet.maxCol() - 1;
    for (auto _ : state) {
        state.PauseTiming();
        ClassRecord cls = original;
        GradesTable table = built;
        state.ResumeTiming();
        sortClass(cls, table, column, !byName);
        benchmark::DoNotOptimize(cls);
    }
    setCounters(state);
}

void classSizes(benchmark::internal::Benchmark* b) {
    for (auto [students, assignments] : {std::pair{500, 50}, std::pair{2000, 200}, std::pair{4000, 200}}) {
        for (int weighted : {0, 1}) {
            for (int drop : {0, 1, 2}) b->Args({students, assignments, weighted, drop});
        }
    }
    b->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_GradesTable)->Apply(classSizes);
BENCHMARK_CAPTURE(BM_SortClass, average, false)
    ->Args({2000, 200, 0, 2})
    ->ArgNames({"students", "assignments", "weighted", "drop"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortClass, names, true)
    ->Args({2000, 200, 0, 2})
    ->ArgNames({"students", "assignments", "weighted", "drop"})
    ->Unit(benchmark::kMillisecond);
