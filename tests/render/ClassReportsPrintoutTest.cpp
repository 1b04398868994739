// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The reports of a class on pages: a long table goes on over pages with its
// heading row, a short one is never split, every page is numbered within
// its student's report; a stopped job draws nothing and a folder of reports
// is written whole or not at all, never over the class's own files.

#include "core/common/Cp1252.h"
#include "core/files/AtomicFile.h"
#include "core/grading/GradesTable.h"
#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"
#include "render/paging/PageSetup.h"
#include "render/paging/PdfFile.h"
#include "render/paging/PrintProgress.h"
#include "render/reports/ClassReportsPrintout.h"
#include "render/reports/ReportFolder.h"
#include "tests/support/PdfText.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::testing;

namespace {

// Three students and a great many assignments: the Overall table of each
// takes more than a page.
struct LongClass {
    ClassRecord cls;
    Sheet grades;
    AttendanceBook attendance;

    explicit LongClass(int assignments = 90) {
        cls = makeSampleClass({.students = 3, .assignments = assignments}, builtInDefaultGradeScale());
        grades = buildGradesTable(cls).sheet;
        attendance = AttendanceBook(makeSampleAttendance(cls, 1));
    }
};

class StopAt : public PrintProgress {
public:
    explicit StopAt(int stop) : stop_(stop) {}
    bool pageStarting(int page, int) override { return page < stop_; }

private:
    int stop_;
};

}  // namespace

TEST(ClassReportsPrintout, PagesAreNumberedPerStudentAndLongTablesRepeatTheirHeading) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const LongClass term;
    ReportContents contents;
    contents.why = false;
    contents.attendance = true;
    contents.months = {2026, 9, 2026, 12};
    const ClassReports reports(term.cls, term.grades, term.attendance, "/home/t/long.grs", contents);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("long.pdf");
    ClassReportsPrintout printout(reports, {0, 1, 2});
    ASSERT_TRUE(writePdf(printout, pdf).ok());

    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    const std::vector<int>& first = printout.firstPages();
    ASSERT_EQ(first.size(), 4u);
    ASSERT_EQ(pages.size(), first.back());
    for (int student = 0; student < 3; ++student) {
        const int count = first[student + 1] - first[student];
        ASSERT_GE(count, 2) << "the 90 rows of Overall take more than a page";
        const QString name = cp1252::toUnicode(term.cls.students[static_cast<std::size_t>(student)].name);
        for (int n = 1; n <= count; ++n) {
            const QString& page = pages[first[student] + n - 1];
            EXPECT_TRUE(page.section(QLatin1Char('\n'), 0, 0).contains(name));
            EXPECT_TRUE(page.contains("/home/t/long.grs"));
            EXPECT_TRUE(page.contains(QStringLiteral("Page %1 of %2").arg(n).arg(count))) << qPrintable(page);
            // Overall's 93 rows go on over the second page, their heading row with them.
            if (n <= 2) {
                EXPECT_TRUE(page.contains("Assignments")) << n;
            }
        }
        // The attendance table of four months is whole on one page.
        for (int n = 0; n < count; ++n) {
            const QString& page = pages[first[student] + n];
            if (page.contains("September 2026")) {
                EXPECT_TRUE(page.contains("December 2026"));
            }
        }
    }
}

// Why under weights is too wide for the page: its counted points go on below
// with the rows they continue (each assignment's Counts, the types), not the
// sums beside nothing.
TEST(ClassReportsPrintout, ATableGoingOnBelowKeepsOnlyTheRowsItContinues) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const ClassRecord cls =
        makeSampleClass({.students = 1, .assignments = 12, .weighted = true}, builtInDefaultGradeScale());
    const Sheet grades = buildGradesTable(cls).sheet;
    ReportContents contents;
    contents.overall = false;
    const ClassReports reports(cls, grades, AttendanceBook(), QString(), contents);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("why.pdf");
    ClassReportsPrintout printout(reports, {0});
    ASSERT_TRUE(writePdf(printout, pdf).ok());

    const QString text = pdfText(pdf);
    ASSERT_TRUE(text.contains("Counted earned")) << qPrintable(text);
    // Factors as a person reads them: 2/3 is 0.6667.
    EXPECT_TRUE(text.contains("0.6667")) << qPrintable(text);
    EXPECT_FALSE(text.contains("0.66666")) << qPrintable(text);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const char* sum : {"Earned", "Possible", "Average", "Grade"}) {
        const auto starting = [sum](const QString& line) {
            return line.section(QLatin1Char(' '), 0, 0) == QLatin1String(sum);
        };
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), starting), 1) << sum << qPrintable(text);
    }
}

TEST(ClassReportsPrintout, AStopWhileLayingOutLeavesNothingToDraw) {
    const LongClass term(5);
    const ClassReports reports(term.cls, term.grades, term.attendance, QString(), ReportContents{});
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    ClassReportsPrintout printout(reports, {0, 1, 2});
    StopAt stop(2);
    printout.setLayoutProgress(&stop);
    EXPECT_EQ(printout.layOut(writer), 0);
    EXPECT_TRUE(printout.layoutStopped());
    printout.setLayoutProgress(nullptr);
    EXPECT_EQ(printout.layOut(writer), 3);
    EXPECT_FALSE(printout.layoutStopped());
}

TEST(ReportFolder, ACancelledOrRefusedFolderIsLeftAsItWas) {
    const LongClass term(5);
    QTemporaryDir dir;
    const QString grs = dir.filePath("c.grs");
    ASSERT_TRUE(writeFileAtomically(grs, "the class").ok());
    const ClassReports reports(term.cls, term.grades, term.attendance, grs, ReportContents{});
    const QString folder = dir.filePath("reports");

    StopAt stop(3);
    const Result<ReportFolder> cancelled = writeReportFolder(reports, {0, 1, 2}, folder, &stop);
    ASSERT_TRUE(cancelled.ok()) << qPrintable(cancelled.message());
    EXPECT_EQ(cancelled->outcome, PrintOutcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(folder)) << "the folder it made goes again";

    // A report's name that is a link to the class's own file is refused before anything is written.
    ASSERT_TRUE(QDir().mkpath(folder));
    const QStringList names = studentReportFileNames(term.cls, {0, 1, 2});
    ASSERT_TRUE(QFile::link(grs, QDir(folder).filePath(names[2])));
    const Result<ReportFolder> refused = writeReportFolder(reports, {0, 1, 2}, folder);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains("same file")) << qPrintable(refused.message());
    EXPECT_EQ(fileContents(grs), QByteArray("the class"));
    EXPECT_EQ(filesIn(folder), QStringList{names[2]});

    QFile::remove(QDir(folder).filePath(names[2]));
    const Result<ReportFolder> written = writeReportFolder(reports, {0, 1, 2}, folder);
    ASSERT_TRUE(written.ok()) << qPrintable(written.message());
    EXPECT_EQ(written->outcome, PrintOutcome::Printed);
    QStringList sorted = names;
    sorted.sort();
    QStringList found = filesIn(folder);
    found.sort();
    EXPECT_EQ(found, sorted);
    for (const QString& path : written->paths) EXPECT_TRUE(fileContents(path).startsWith("%PDF"));
}
