// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Writing the grades table of a 2,000-student, 200-assignment class as a
// spreadsheet file: about 2,003 rows (heading, students, separator, totals)
// by 204 columns (name, assignments, Total, Average, Grade).
//
//   build-release/bench/markwell_bench --benchmark_filter=Write

#include "bench/LargeClass.h"
#include "core/export/CsvWriter.h"
#include "core/export/XlsWriter.h"
#include "core/export/XlsxWriter.h"
#include "core/sheet/Sheet.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

template <Result<void> (*Write)(const Sheet&, const QString&)>
void writeTable(benchmark::State& state, const char* name) {
    // Dropped scores in red, as Save As writes it.
    const Sheet& sheet = bench::largeGradesTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(name));
    for (auto _ : state) {
        const Result<void> written = Write(sheet, path);
        if (!written) state.SkipWithError(qPrintable(written.message()));
    }
    state.counters["cells"] = benchmark::Counter(static_cast<double>(sheet.maxRow()) * sheet.maxCol(),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void BM_WriteXls(benchmark::State& state) {
    writeTable<writeXlsFile>(state, "class.xls");
}
void BM_WriteXlsx(benchmark::State& state) {
    writeTable<writeXlsxFile>(state, "class.xlsx");
}
void BM_WriteCsv(benchmark::State& state) {
    writeTable<writeCsvFile>(state, "class.csv");
}

}  // namespace

BENCHMARK(BM_WriteXls)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteXlsx)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
