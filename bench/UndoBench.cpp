// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The undo history on a 2,000 x 200 class: a typed point made through the
// history until the table on screen has been repainted; the memory 1,000
// typed points keep on the stack; and the undo of a sort with the table
// rebuilt and shown again, as the main window does.
//
//   build/bench/markwell_bench --benchmark_filter=Undo

#include "bench/LargeClass.h"
#include "core/editing/ClassChanges.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/StudentRowUpdate.h"
#include "gui/document/ClassHistory.h"
#include "gui/pages/GradesPage.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

// A different student and assignment each time, as a teacher typing down a column.
std::pair<int, int> cellFor(std::int64_t iteration) {
    return {2 + static_cast<int>(iteration * 37 % 1990), 2 + static_cast<int>(iteration % 190)};
}

QString pointsFor(std::int64_t iteration) {
    return QString::number(iteration % 20) + QStringLiteral(".5");
}

void showOffscreen(GradesPage& page, Sheet& sheet) {
    page.resize(1200, 800);
    page.show();
    page.showTable(&sheet);
    QCoreApplication::processEvents();
}

void BM_UndoTypePoint(benchmark::State& state) {
    Document document;
    document.classRecord = bench::largeClass();
    GradesTable table = buildGradesTable(document.classRecord);
    ClassHistory history(document);
    GradesPage page;
    showOffscreen(page, table.sheet);
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto [row, col] = cellFor(i);
        const Change typed = typedPointsChange(table.sheet, row, col, pointsFor(i++));
        if (!history.apply(typed, ChangeScope::rowPoints(row, col))) state.SkipWithError("refused");
        if (const std::optional<RowUpdate> update = updateStudentRow(table, document.classRecord, row)) {
            page.showChangedRow(row, update->resizedCols);
        } else {
            state.SkipWithError("rebuilt");
        }
        page.view()->viewport()->repaint();
    }
    state.counters["steps"] = history.stack().count();
    page.showTable(nullptr);
}

void BM_UndoStackOfThousandTypedPoints(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Document document;
        document.classRecord = bench::largeClass();
        const GradesTable table = buildGradesTable(document.classRecord);
        ClassHistory history(document);
        state.ResumeTiming();
        for (std::int64_t i = 0; i < 1000; ++i) {
            const auto [row, col] = cellFor(i);
            if (!history.apply(typedPointsChange(table.sheet, row, col, pointsFor(i)))) state.SkipWithError("refused");
        }
        state.counters["heldBytes"] = static_cast<double>(history.heldBytes());
        state.counters["steps"] = history.stack().count();
        state.counters["classBytes"] = static_cast<double>(heldBytesOf(document.classRecord));
    }
}

void BM_UndoSort(benchmark::State& state) {
    Document document;
    document.classRecord = bench::largeClass();
    GradesTable table = buildGradesTable(document.classRecord);
    ClassHistory history(document);
    GradesPage page;
    showOffscreen(page, table.sheet);
    const int average = table.sheet.maxCol() - 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (!history.apply(sortChange(average, QStringLiteral("Average"), true))) state.SkipWithError("refused");
        state.ResumeTiming();
        history.undo();
        table = buildGradesTable(document.classRecord);
        page.showTable(&table.sheet);
        page.view()->viewport()->repaint();
    }
    page.showTable(nullptr);
}

}  // namespace

BENCHMARK(BM_UndoTypePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStackOfThousandTypedPoints)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_UndoSort)->Unit(benchmark::kMillisecond);
