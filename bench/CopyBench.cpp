// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Copying the whole grades table of a 2,000 x 200 class to the clipboard:
// the tab-separated text and the HTML table the desktop program puts there.
//
//   build-release/bench/markwell_bench --benchmark_filter=Copy

#include "bench/LargeClass.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

using bench::largeGradesTable;

void BM_CopyAsText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(largeGradesTable().toTsv(CellRange::all()));
}

void BM_CopyAsHtml(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(largeGradesTable().toHtml(CellRange::all()));
}

}  // namespace

BENCHMARK(BM_CopyAsText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAsHtml)->Unit(benchmark::kMillisecond);
