// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Importing a CSV file of new students into a generated class that already
// holds as many: every row is checked against the class and the rows above
// it before any joins. items_per_second is imported rows per second.
//
//   build/bench/markwell_bench --benchmark_filter=ImportStudents

#include "core/editing/CsvImport.h"
#include "core/files/CsvReader.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

void BM_ImportStudents(benchmark::State& state) {
    const auto rows = static_cast<int>(state.range(0));
    SampleOptions options;
    options.students = rows;
    options.assignments = 20;
    const ClassRecord before = makeSampleClass(options, builtInDefaultGradeScale());
    QByteArray csv = "name,id\n";
    for (int i = 0; i < rows; ++i)
        csv += "Newcomer Number" + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    const Result<CsvTable> table = parseCsv(csv);
    if (!table) {
        state.SkipWithError("the generated CSV does not parse");
        return;
    }
    for (auto _ : state) {
        ClassRecord cls = before;
        const std::vector<RowProblem> problems = importStudentRows(cls, *table);
        if (!problems.empty()) state.SkipWithError("a generated row was refused");
        benchmark::DoNotOptimize(cls);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_ImportStudents)->Arg(500)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
