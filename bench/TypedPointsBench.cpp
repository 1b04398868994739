// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Typing a point into the grades table of a 2,000 x 200 class until the
// table on screen has been repainted: storing the points in the class,
// bringing the table up to date, and showing it in the Grades page
// (offscreen). The main window redoes the student's row in place; the full
// rebuild it replaced is measured beside it.
//
//   build/bench/markwell_bench --benchmark_filter=TypePoint

#include "bench/LargeClass.h"
#include "core/data/Document.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/StudentRowUpdate.h"
#include "gui/pages/GradesPage.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

// A different student and assignment each time, as a teacher typing down a column.
std::pair<int, int> cellFor(std::int64_t iteration) {
    return {2 + static_cast<int>(iteration * 37 % 1990), 2 + static_cast<int>(iteration % 190)};
}

QString pointsFor(std::int64_t iteration) {
    return QString::number(iteration % 20);
}

// Stores the points typed into a cell and brings the table up to date: the
// row redone in place (as the main window does) or the whole table rebuilt;
// shown in the page, when given, until the view has repainted.
template <bool inPlace>
void typePoints(benchmark::State& state, GradesPage* page) {
    Document document;
    document.classRecord = bench::largeClass();
    const ClassRecord& cls = document.classRecord;
    GradesTable table = buildGradesTable(cls);
    if (page) {
        page->resize(1200, 800);
        page->show();
        page->showTable(&table.sheet);
        QCoreApplication::processEvents();
    }
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto [row, col] = cellFor(i);
        if (!typedPointsChange(table.sheet, row, col, pointsFor(i++)).applyTo(document)) state.SkipWithError("refused");
        if constexpr (inPlace) {
            const std::optional<RowUpdate> update = updateStudentRow(table, cls, row);
            if (!update) state.SkipWithError("rebuilt");
            else if (page) page->showChangedRow(row, update->resizedCols);
        } else {
            table = buildGradesTable(cls);
            if (page) page->showTableKeepingPlace(&table.sheet, row, col);
        }
        if (page) page->view()->viewport()->repaint();
    }
    if (page) page->showTable(nullptr);  // the table goes before the page
}

void BM_TypePointRowUpdate(benchmark::State& state) {
    typePoints<true>(state, nullptr);
}
void BM_TypePointRebuild(benchmark::State& state) {
    typePoints<false>(state, nullptr);
}
void BM_TypePoint(benchmark::State& state) {
    GradesPage page;
    typePoints<true>(state, &page);
}
void BM_TypePointFullRebuild(benchmark::State& state) {
    GradesPage page;
    typePoints<false>(state, &page);
}

}  // namespace

BENCHMARK(BM_TypePointRowUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePointRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePointFullRebuild)->Unit(benchmark::kMillisecond);
