// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// A teacher's folder of classes read and summed up as View > My Classes...
// and markwell-cli overview do: every grade file read from disk, its grades
// table built, its figures counted. Arguments: classes, students,
// assignments. items_per_second is classes per second; the target is 50
// classes of 40 students and 30 assignments in well under a second.
//
//   build/bench/markwell_bench --benchmark_filter=ClassOverview

#include "core/files/GradeFile.h"
#include "core/reports/ClassOverview.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleSnapshot.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

void BM_ClassOverview(benchmark::State& state) {
    const auto classes = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    for (int i = 0; i < classes; ++i) {
        SampleOptions options;
        options.students = static_cast<int>(state.range(1));
        options.assignments = static_cast<int>(state.range(2));
        options.seed = static_cast<std::uint64_t>(i) + 1;
        const QString path = folder.filePath(QStringLiteral("period%1.grs").arg(i + 1, 2, 10, QLatin1Char('0')));
        if (!writeGradeFile(path, makeSampleClass(options, builtInDefaultGradeScale())).ok()) {
            state.SkipWithError("a generated class could not be written");
            return;
        }
    }
    QSettingsStore settings;
    const ScaleSnapshot scales{ScaleStore(settings)};
    for (auto _ : state) {
        const std::vector<ClassSummary> summaries = summariseClassFiles(classFilesIn(folder.path()), scales);
        if (static_cast<int>(summaries.size()) != classes) state.SkipWithError("a class was not read");
        benchmark::DoNotOptimize(summaries);
    }
    state.SetItemsProcessed(state.iterations() * classes);
}

}  // namespace

BENCHMARK(BM_ClassOverview)->Args({50, 40, 30})->Args({200, 40, 30})->Unit(benchmark::kMillisecond);
