// The grades table rebuild that follows every change of a class, on
// generated classes from 500 x 50 to 4,000 x 200 (students x assignments).
// items_per_second is students x assignments rebuilt per second.
//
//   build-release/bench/markwell_bench --benchmark_filter=GradesTable --benchmark_repetitions=3

#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace markwell;

namespace {

ClassRecord benchClass(const benchmark::State& state) {
    SampleOptions options;
    options.students = static_cast<int>(state.range(0));
    options.assignments = static_cast<int>(state.range(1));
    options.weighted = state.range(2) != 0;
    options.dropType = static_cast<std::int32_t>(state.range(3));
    return makeSampleClass(options, builtInDefaultGradeScale());
}

void setCounters(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
    state.SetLabel(std::string(state.range(2) ? "weighted" : "plain") + ", drop rule " +
                   std::to_string(state.range(3)));
}

void BM_GradesTable(benchmark::State& state) {
    const ClassRecord cls = benchClass(state);
    for (auto _ : state) {
        GradesTable table = buildGradesTable(cls);
        benchmark::DoNotOptimize(table);
    }
    setCounters(state);
}

// Sorting on the names (texts in reading order) or on the Average column
// (descending), then putting the class in the new order.
void BM_SortClass(benchmark::State& state, bool byName) {
    const ClassRecord original = benchClass(state);
    const GradesTable built = buildGradesTable(original);
    const int column = byName ? 1 : built.sheet.maxCol() - 1;
    for (auto _ : state) {
        state.PauseTiming();
        ClassRecord cls = original;
        GradesTable table = built;
        state.ResumeTiming();
        sortClass(cls, table, column, !byName);
        benchmark::DoNotOptimize(cls);
    }
    setCounters(state);
}

void classSizes(benchmark::internal::Benchmark* b) {
    for (auto [students, assignments] : {std::pair{500, 50}, std::pair{2000, 200}, std::pair{4000, 200}}) {
        for (int weighted : {0, 1}) {
            for (int drop : {0, 1, 2}) b->Args({students, assignments, weighted, drop});
        }
    }
    b->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_GradesTable)->Apply(classSizes);
BENCHMARK_CAPTURE(BM_SortClass, average, false)->Args({2000, 200, 0, 2})
    ->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortClass, names, true)->Args({2000, 200, 0, 2})
    ->ArgNames({"students", "assignments", "weighted", "drop"})->Unit(benchmark::kMillisecond);
