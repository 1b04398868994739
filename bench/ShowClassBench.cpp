// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What `markwell-cli show` and opening a class do with a large class, step by
// step: reading its grade file, building its grades table, and the table as
// the tab-separated UTF-8 text that is printed. Classes of 2,000 and 4,000
// students with 200 assignments, lowest score dropped overall.
// items_per_second is students x assignments per second.
//
//   build/bench/markwell_bench --benchmark_filter='ReadGradeFile|GradesTableOfFile|GradesTableText'

#include "bench/SampleClassArgs.h"
#include "core/files/GradeFile.h"
#include "core/grading/GradesTable.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

using namespace markwell;

namespace {

void setCounters(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// From the file on disk (in the page cache after the first run) to the class.
void BM_ReadGradeFile(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    if (!writeGradeFile(path, bench::sampleClassOf(state))) {
        state.SkipWithError("the class could not be written");
        return;
    }
    state.counters["bytes"] = static_cast<double>(QFile(path).size());
    for (auto _ : state) {
        Result<ClassRecord> cls = readGradeFile(path);
        if (!cls) state.SkipWithError("the class could not be read back");
        benchmark::DoNotOptimize(cls);
    }
    setCounters(state);
}

void BM_GradesTableOfFile(benchmark::State& state) {
    const ClassRecord cls = bench::sampleClassOf(state);
    for (auto _ : state) {
        GradesTable table = buildGradesTable(cls);
        benchmark::DoNotOptimize(table);
    }
    setCounters(state);
}

void BM_GradesTableText(benchmark::State& state) {
    const GradesTable table = buildGradesTable(bench::sampleClassOf(state));
    for (auto _ : state) {
        QByteArray text = table.sheet.toTsvUtf8(CellRange::all());
        benchmark::DoNotOptimize(text);
    }
    setCounters(state);
}

void classSizes(benchmark::internal::Benchmark* b) {
    for (const int students : {2000, 4000}) b->Args({students, 200, 0, droprule::kLowestOverall});
    b->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_ReadGradeFile)->Apply(classSizes);
BENCHMARK(BM_GradesTableOfFile)->Apply(classSizes);
BENCHMARK(BM_GradesTableText)->Apply(classSizes);
