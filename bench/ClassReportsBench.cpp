// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The term's reports of a class of 2,000 students and 20 assignments, with
// Overall and Why, as one PDF file (markwell-cli reports -o, and the Class
// Reports window's "One PDF"): it must take well under ten seconds. The
// reports alone (the tables of every student) and their layout are
// measured apart, to show where the time goes.
//
//   build/bench/markwell_bench --benchmark_filter=ClassReports

#include "core/grading/GradesTable.h"
#include "core/reports/StudentReport.h"
#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"
#include "render/paging/PageSetup.h"
#include "render/reports/ClassReportsPrintout.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <numeric>

using namespace markwell;

namespace {

struct TermClass {
    ClassRecord cls;
    Sheet grades;
    AttendanceBook attendance;
    std::vector<int> everyone;

    TermClass() {
        SampleOptions options;
        options.students = 2000;
        options.assignments = 20;
        cls = makeSampleClass(options, builtInDefaultGradeScale());
        grades = buildGradesTable(cls).sheet;
        attendance = AttendanceBook(makeSampleAttendance(cls, 1));
        everyone.resize(cls.students.size());
        std::iota(everyone.begin(), everyone.end(), 0);
    }
};

const TermClass& termClass() {
    static const TermClass term;
    return term;
}

ReportContents overallAndWhy() {
    ReportContents contents;
    contents.overall = true;
    contents.why = true;
    return contents;
}

void BM_ClassReportsPdf(benchmark::State& state) {
    const TermClass& term = termClass();
    const ClassReports reports(term.cls, term.grades, term.attendance, QStringLiteral("/home/teacher/term.grs"),
                               overallAndWhy());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reports.pdf"));
    for (auto _ : state) {
        const Result<PrintOutcome> written = writeClassReportsPdf(reports, term.everyone, path);
        if (!written) state.SkipWithError(qPrintable(written.message()));
    }
}

// Every student's tables, built as each report is.
void BM_ClassReportsTables(benchmark::State& state) {
    const TermClass& term = termClass();
    const ClassReports reports(term.cls, term.grades, term.attendance, QStringLiteral("/home/teacher/term.grs"),
                               overallAndWhy());
    for (auto _ : state) {
        for (int student : term.everyone) benchmark::DoNotOptimize(reports.reportOf(student));
    }
}

// Counting the pages: the reports built and laid out, nothing drawn.
void BM_ClassReportsLayout(benchmark::State& state) {
    const TermClass& term = termClass();
    const ClassReports reports(term.cls, term.grades, term.attendance, QStringLiteral("/home/teacher/term.grs"),
                               overallAndWhy());
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("layout.pdf")));
    writer.setResolution(kPdfResolution);
    int pages = 0;
    for (auto _ : state) {
        ClassReportsPrintout printout(reports, term.everyone);
        pages = printout.layOut(writer);
    }
    state.counters["pages"] = pages;
}

}  // namespace

BENCHMARK(BM_ClassReportsPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ClassReportsTables)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ClassReportsLayout)->Unit(benchmark::kMillisecond)->Iterations(1);
