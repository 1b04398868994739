// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grades printout of a 2,000 x 200 class as a PDF file (about 1,007
// pages), as markwell-cli export and the print dialog's "Print to File"
// write it.
//
//   build/bench/markwell_bench --benchmark_filter=Pdf

#include "bench/LargeClass.h"
#include "core/printout/PrintCopy.h"
#include "render/paging/PageSetup.h"
#include "render/table/SheetPrintout.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

const Sheet& gradesPrintout() {
    static const Sheet sheet = gradesPrintCopy(bench::largeGradesTable(), bench::largeClass().students,
                                               QStringLiteral("/home/teacher/big.grs"), false);
    return sheet;
}

void BM_GradesPdf(benchmark::State& state) {
    const Sheet& sheet = gradesPrintout();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.pdf"));
    for (auto _ : state) {
        const Result<PrintOutcome> written = writeSheetPdf(sheet, path);
        if (!written) state.SkipWithError(qPrintable(written.message()));
    }
}

// Laying the pages out alone: what every print, preview and PDF starts with.
void BM_GradesPdfLayout(benchmark::State& state) {
    const Sheet& sheet = gradesPrintout();
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("layout.pdf")));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(pageLayoutFor(SheetPrintout(sheet)));
    int pages = 0;
    for (auto _ : state) {
        SheetPrintout printout(sheet);
        pages = printout.layOut(writer);
    }
    state.counters["pages"] = pages;
}

}  // namespace

BENCHMARK(BM_GradesPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GradesPdfLayout)->Unit(benchmark::kMillisecond);
