// Copying the whole grades table of a 2,000 x 200 class to the clipboard:
// the tab-separated text and the HTML table the desktop program puts there.
//
//   build-release/bench/markwell_bench --benchmark_filter=Copy

#include "grading/GradesTable.h"
#include "sample/SampleClass.h"
#include "scales/ScaleStore.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

const Sheet& bigTable() {
    static const Sheet sheet = [] {
        SampleOptions options;
        options.students = 2000;
        options.assignments = 200;
        return buildGradesTable(makeSampleClass(options, builtInDefaultGradeScale())).sheet;
    }();
    return sheet;
}

void BM_CopyAsText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bigTable().toTsv(CellRange::all()));
}

void BM_CopyAsHtml(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bigTable().toHtml(CellRange::all()));
}

}  // namespace

BENCHMARK(BM_CopyAsText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAsHtml)->Unit(benchmark::kMillisecond);
