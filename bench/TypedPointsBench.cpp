// Typing a point into the grades table of a 2,000 x 200 class until the
// table on screen has been repainted: storing the points in the class,
// bringing the table up to date, and showing it in the Grades page
// (offscreen). The main window redoes the student's row in place; the full
// rebuild it replaced is measured beside it.
//
//   build/bench/markwell_bench --benchmark_filter=TypePoint

#include "document/TypedPoints.h"
#include "grading/GradesTable.h"
#include "grading/StudentRowUpdate.h"
#include "pages/GradesPage.h"
#include "sample/SampleClass.h"
#include "scales/ScaleStore.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

ClassRecord bigClass() {
    SampleOptions options;
    options.students = 2000;
    options.assignments = 200;
    return makeSampleClass(options, builtInDefaultGradeScale());
}

// A different student and assignment each time, as a teacher typing down a column.
std::pair<int, int> cellFor(std::int64_t iteration) {
    return {2 + static_cast<int>(iteration * 37 % 1990), 2 + static_cast<int>(iteration % 190)};
}

QString pointsFor(std::int64_t iteration) {
    return QString::number(iteration % 20);
}

// The core alone: the points stored, the row redone.
void BM_TypePointRowUpdate(benchmark::State& state) {
    ClassRecord cls = bigClass();
    GradesTable table = buildGradesTable(cls);
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto [row, col] = cellFor(i);
        if (!storeTypedPoints(cls, table.sheet, row, col, pointsFor(i++))) state.SkipWithError("refused");
        if (!updateStudentRow(table, cls, row)) state.SkipWithError("rebuilt");
    }
}

// The core alone: the points stored, the whole table rebuilt.
void BM_TypePointRebuild(benchmark::State& state) {
    ClassRecord cls = bigClass();
    GradesTable table = buildGradesTable(cls);
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto [row, col] = cellFor(i);
        if (!storeTypedPoints(cls, table.sheet, row, col, pointsFor(i++))) state.SkipWithError("refused");
        table = buildGradesTable(cls);
        benchmark::DoNotOptimize(table);
    }
}

// The whole way until the view has repainted, with the row redone in place
// (as the main window does) or the whole table rebuilt and shown again.
template <bool inPlace>
void typePointsShown(benchmark::State& state) {
    ClassRecord cls = bigClass();
    GradesTable table = buildGradesTable(cls);
    GradesPage page;
    page.resize(1200, 800);
    page.show();
    page.showTable(&table.sheet);
    QCoreApplication::processEvents();
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto [row, col] = cellFor(i);
        if (!storeTypedPoints(cls, table.sheet, row, col, pointsFor(i++))) state.SkipWithError("refused");
        if constexpr (inPlace) {
            const std::optional<RowUpdate> update = updateStudentRow(table, cls, row);
            if (!update) state.SkipWithError("rebuilt");
            else page.showChangedRow(row, update->resizedCols);
        } else {
            table = buildGradesTable(cls);
            page.showTableKeepingPlace(&table.sheet, row, col);
        }
        page.view()->viewport()->repaint();
    }
}

void BM_TypePoint(benchmark::State& state) { typePointsShown<true>(state); }
void BM_TypePointFullRebuild(benchmark::State& state) { typePointsShown<false>(state); }

}  // namespace

BENCHMARK(BM_TypePointRowUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePointRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypePointFullRebuild)->Unit(benchmark::kMillisecond);
