// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The merged report of a generated class with itself (every name in both
// files, every entry found), from 500 x 50 to 4,000 x 200 students x assignments
// per file. items_per_second is point entries of both files per second.
//
//   build/bench/markwell_bench --benchmark_filter=MergedReport

#include "core/reports/MergedReport.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

void BM_MergedReport(benchmark::State& state) {
    SampleOptions options;
    options.students = static_cast<int>(state.range(0));
    options.assignments = static_cast<int>(state.range(1));
    MergedReport report;
    report.first = makeSampleClass(options, builtInDefaultGradeScale());
    report.second = report.first;  // every name in both files
    report.scale = report.first.gradeScale;
    report.gridProps = report.first.gridProps;
    for (auto _ : state) {
        buildMergedSheet(report);
        benchmark::DoNotOptimize(report.sheet);
    }
    state.SetItemsProcessed(state.iterations() * 2 * state.range(0) * state.range(1));
}

}  // namespace

BENCHMARK(BM_MergedReport)
    ->Args({500, 50})
    ->Args({1000, 100})
    ->Args({2000, 200})
    ->Args({4000, 200})
    ->Unit(benchmark::kMillisecond);
