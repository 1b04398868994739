// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// An import of scores as the Import Scores window makes its preview: a
// gradebook of 2,000 students x 200 assignments in Canvas's layout, every
// score different from the class's, read from its bytes, matched to the
// class, planned and shown as the table of changes. items_per_second is
// cells (students x assignments) per second; the whole must take well under
// a second.
//
//   build/bench/markwell_bench --benchmark_filter=ScoreImport

#include "bench/LargeClass.h"

#include "core/data/PointEntry.h"
#include "core/export/CanvasExport.h"
#include "core/export/CsvWriter.h"
#include "core/scores/ScorePreview.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

// The class's gradebook with every score moved by a point, as a learning
// system would hand back a term's work.
QByteArray changedGradebook(const ClassRecord& cls) {
    ClassRecord changed = cls;
    for (AssignmentInfo& assignment : changed.assignments) {
        for (std::string& entry : assignment.namegrade) {
            const PointEntry split = splitPointEntry(entry);
            entry = makePointEntry(split.name, split.points == kNotCounted ? "1" : "0.5");
        }
    }
    return csvBytes(canvasGradebookSheet(changed));
}

void BM_ScoreImportPreview(benchmark::State& state) {
    const ClassRecord cls = bench::largeClass();
    const QByteArray bytes = changedGradebook(cls);
    for (auto _ : state) {
        const Result<ScoreTable> table = parseScoreFile(bytes);
        if (!table) {
            state.SkipWithError("the gradebook does not read");
            return;
        }
        const ScorePlan plan = planScoreImport(cls, *table, defaultScoreMapping(cls, *table));
        if (plan.blocked()) state.SkipWithError("the gradebook does not match the class");
        const Sheet preview = scoreChangesSheet(plan);
        benchmark::DoNotOptimize(preview);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cls.students.size()) *
                            static_cast<std::int64_t>(cls.assignments.size()));
}

}  // namespace

BENCHMARK(BM_ScoreImportPreview)->Unit(benchmark::kMillisecond)->MinTime(2.0);
