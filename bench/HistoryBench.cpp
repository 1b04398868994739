// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grade history of a 2,000 x 200 class: a save's differences worked out
// and recorded as a class write does it (its state read back from the grade
// file's bytes, the differences found, the entry written and finished) with
// 10 scores changed and with every score changed; and a
// history of 100,000 entries listed as its table, whole and for one student.
//
//   build/bench/markwell_bench --benchmark_filter=History

#include "bench/LargeClass.h"
#include "core/data/PointEntry.h"
#include "core/files/GradeFile.h"
#include "core/history/ClassOnDisk.h"
#include "core/history/GradeHistory.h"
#include "core/history/HistoryTable.h"
#include "core/history/Sqlite.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

// Sets the points of `count` cells spread over the class (0: every cell),
// to a value other than the last round's.
void changeScores(ClassRecord& cls, int count, int round) {
    const std::string points = std::to_string(round % 90 + 1);
    const auto set = [&points](std::string& entry) { entry = makePointEntry(splitPointEntry(entry).name, points); };
    if (count == 0) {
        for (AssignmentInfo& a : cls.assignments) {
            for (std::string& entry : a.namegrade) set(entry);
        }
        return;
    }
    const std::size_t students = cls.students.size();
    const std::size_t cells = cls.assignments.size() * students;
    for (int k = 0; k < count; ++k) {
        const std::size_t cell = (static_cast<std::size_t>(round) * 7919 + static_cast<std::size_t>(k) * 40009) % cells;
        set(cls.assignments[cell / students].namegrade[cell % students]);
    }
}

void BM_HistoryRecordSave(benchmark::State& state) {
    const int changed = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    GradeHistory history(dir.filePath(QStringLiteral("history/grade-history.sqlite")));
    Document document;
    document.classRecord = bench::largeClass();
    const QString path = dir.filePath(QStringLiteral("large.grs"));
    if (!history.noteClassOnDisk(path, "first", [&] { return std::optional(classStateOf(document)); }))
        state.SkipWithError("no history");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        changeScores(document.classRecord, changed, ++round);
        const QByteArray grade = serializeGradeFile(document.classRecord).value();
        state.ResumeTiming();
        const std::optional<ClassState> written = classStateOfFiles(path, grade, {}, {});
        if (!written) state.SkipWithError("not read back");
        const Result<qint64> entry = history.beginSave(
            {path, {}, HistorySource::Command, QStringLiteral("set-points"), {}, {}, written.value_or(ClassState{})});
        if (!entry || !history.finishSave(*entry, QByteArray::number(round))) state.SkipWithError("not recorded");
    }
    state.SetLabel(changed > 0 ? "10 scores changed" : "every score changed");
}
BENCHMARK(BM_HistoryRecordSave)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryRecordSave)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(4);

// A database holding 100,000 entries of one line each for one class.
class LongHistory {
public:
    LongHistory() : history_(dir_.filePath(QStringLiteral("history/grade-history.sqlite"))) {
        const Document small;
        (void)history_.noteClassOnDisk(path(), "stamp", [&] { return std::optional(classStateOf(small)); });
        sqlite::Connection db;
        db.open(dir_.filePath(QStringLiteral("history/grade-history.sqlite")));
        db.run("BEGIN");
        sqlite::Statement entry(db, "INSERT INTO entries(id, class, at, source, detail, steps, pending) "
                                    "VALUES(?1, 1, ?2, 2, 'set-points', '', 0)");
        sqlite::Statement line(db, "INSERT INTO lines VALUES(?1, 0, 1, ?2, ?3, '7', '9')");
        const qint64 start = QDateTime(QDate(2026, 9, 1), QTime(8, 0)).toMSecsSinceEpoch();
        for (qint64 i = 1; i <= 100000; ++i) {
            entry.bind(1, i).bind(2, start + i * 60000).run();
            line.bind(1, i)
                .bind(2, QStringLiteral("Student %1").arg(i % 2000))
                .bind(3, QStringLiteral("Assignment %1").arg(i % 200))
                .run();
        }
        db.run("COMMIT");
    }
    GradeHistory& history() { return history_; }
    QString path() const { return dir_.filePath(QStringLiteral("large.grs")); }

private:
    QTemporaryDir dir_;
    GradeHistory history_;
};

void BM_HistoryList(benchmark::State& state) {
    static LongHistory place;
    const HistoryFilter filter{.student = state.range(0) ? QStringLiteral("student 17") : QString()};
    std::size_t rows = 0;
    for (auto _ : state) {
        const Result<std::vector<HistoryLine>> lines = place.history().lines(place.path(), filter);
        if (!lines) state.SkipWithError("not listed");
        const Sheet table = historyTable(lines.value());
        rows = static_cast<std::size_t>(table.maxRow() - 1);
        benchmark::DoNotOptimize(table);
    }
    state.SetLabel(std::to_string(rows) + " lines of 100,000 entries");
}
BENCHMARK(BM_HistoryList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
