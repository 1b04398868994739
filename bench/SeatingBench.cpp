// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The seating chart of a large class (400 seats in rows): showing it afresh,
// as the chart does after every click, drop and key, and its printout as a
// PDF file.
//
//   build/bench/markwell_bench --benchmark_filter=Seating

#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"
#include "core/seating/SeatingEditor.h"
#include "gui/seating/SeatingView.h"
#include "render/seating/SeatingPrintout.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

Document seatedClass() {
    SampleOptions options;
    options.students = 400;
    options.assignments = 1;
    options.seats = true;
    Document document;
    document.classRecord = makeSampleClass(options, builtInDefaultGradeScale());
    return document;
}

void BM_SeatingChartShow(benchmark::State& state) {
    Document document = seatedClass();
    SeatingEditor editor(document, [&document](const Change& change) -> Result<void> {
        const Result<ChangeMade> made = change.applyTo(document);
        return made ? Result<void>() : fail(made.message());
    });
    SeatingView view;
    view.resize(1000, 700);
    view.setEditor(&editor);
    editor.select(SeatId::student(200));
    for (auto _ : state) view.showChart();
}

void BM_SeatingPdf(benchmark::State& state) {
    const Document document = seatedClass();
    const SeatingChart chart{document.classRecord.Seats, document.classRecord.teacherSeat, false};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    for (auto _ : state) {
        const Result<PrintOutcome> written = writeSeatingPdf(chart, QStringLiteral("/home/teacher/big.SEA"), path);
        if (!written) state.SkipWithError(qPrintable(written.message()));
    }
}

}  // namespace

BENCHMARK(BM_SeatingChartShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeatingPdf)->Unit(benchmark::kMillisecond);
