// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli reports: every student's report on pages of their own, with
// the average and letter the grades table shows; a folder of one file per
// student whose names cannot leave it or clash; refusals that write nothing.

#include "tests/core/cli/CliFolder.h"

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfPageCount;
using markwell::testing::pdfText;

namespace {

const QString kPeriod1 = exampleFile("period1.grs");
const QString kPeriod2 = exampleFile("period2.grs");

QString writeHostileClass(const QTemporaryDir& dir) {
    const std::string longName(99, 'n');
    ClassRecord cls =
        makeClass({"../x", "a/b", "a_b", longName, "A_B"}, {{"Test", "Test", 10, {"9", "8", "7", "6", "5"}}});
    QString path = dir.filePath("hostile.grs");
    EXPECT_TRUE(writeGradeFile(path, cls).ok());
    return path;
}

}  // namespace

TEST(ReportsCommand, EveryStudentsPagesNameThemWithTheGradesPagesFigures) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    for (const QString& grs : {kPeriod1, kPeriod2}) {
        SCOPED_TRACE(grs.toStdString());
        const QString pdf = dir.filePath("term.pdf");
        const QString printed = outputOf({"reports", grs, "-o", pdf});
        const std::vector<QStringList> students = shownStudentRows(grs);
        const int pages = pdfPageCount(pdf);
        EXPECT_EQ(printed,
                  QStringLiteral("Wrote %1 pages for %2 students to %3\n").arg(pages).arg(students.size()).arg(pdf));

        // Page by page: the class file, the student in the header, "Page n of m" of that student.
        const QStringList pageTexts = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        ASSERT_EQ(pageTexts.size(), pages);
        std::size_t student = 0;
        for (const QString& page : pageTexts) {
            EXPECT_TRUE(page.contains(grs)) << qPrintable(page);
            const QRegularExpressionMatch number = QRegularExpression("Page (\\d+) of (\\d+)").match(page);
            ASSERT_TRUE(number.hasMatch()) << qPrintable(page);
            if (number.captured(1) == QLatin1String("1")) {
                ASSERT_LT(student, students.size());
                const QStringList& s = students[student++];
                EXPECT_TRUE(page.section(QLatin1Char('\n'), 0, 0).contains(s.front())) << qPrintable(s.front());
                EXPECT_TRUE(page.contains(QStringLiteral("Average: %1").arg(s.at(s.size() - 2))))
                    << qPrintable(s.front());
                EXPECT_TRUE(page.contains(QStringLiteral("Grade: %1").arg(s.back().trimmed())))
                    << qPrintable(s.front());
            } else {
                EXPECT_TRUE(page.section(QLatin1Char('\n'), 0, 0).contains(students[student - 1].front()));
            }
        }
        EXPECT_EQ(student, students.size());
    }
}

TEST(ReportsCommand, HostileNamesStayInsideTheFolderAndDistinct) {
    QTemporaryDir dir;
    const QString grs = writeHostileClass(dir);
    const QString folder = dir.filePath("made/here");
    const QString printed = outputOf({"reports", grs, "-o", folder, "--per-student"});
    const QString longName(99, QLatin1Char('n'));
    const QStringList files{"___x.pdf", "a_b.pdf", "a_b (2).pdf", longName + ".pdf", "A_B (3).pdf"};
    const QStringList names{"../x", "a/b", "a_b", longName, "A_B"};
    QStringList lines;
    for (qsizetype i = 0; i < files.size(); ++i)
        lines << names[i] + QLatin1Char('\t') + folder + QLatin1Char('/') + files[i];
    EXPECT_EQ(printed, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QStringList sorted = files;
    sorted.sort();
    QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    found.sort();
    EXPECT_EQ(found, sorted);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"hostile.grs", "made"}));  // only read: no sibling files made
    if (havePdfToText()) {
        EXPECT_TRUE(pdfText(folder + QStringLiteral("/a_b (2).pdf")).contains("a_b"));
    }
}

TEST(ReportsCommand, UnknownNamesAndLettersWriteNothing) {
    QTemporaryDir dir;
    const QString names = dir.filePath("names.txt");
    ASSERT_TRUE(writeWholeFile(names, "Liam D'Angelo\nNobody Here\n"));
    const QString out = dir.filePath("out.pdf");
    const QString folder = dir.filePath("folder");
    const struct {
        QStringList args;
        const char* error;
    } cases[] = {
        {{"--names", names}, "no student named \"Nobody Here\""},
        {{"--grade-at-most", "Q"}, "\"Q\" is not a letter"},
        {{"--grade-at-most", "Q", "--per-student"}, "\"Q\" is not a letter"},
        {{"--contents", "overall,graph"}, "\"graph\" is not a part"},
        {{"--months", "2026-12:2026-09"}, "comes before the first"},
    };
    for (const auto& c : cases) {
        const bool perStudent = c.args.contains("--per-student");
        expectRefused(QStringList{"reports", kPeriod1, "-o", perStudent ? folder : out} + c.args, 1, c.error);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"names.txt"});
    }
    // A note's unknown placeholder is a warning; the reports are still written.
    const CliRun noted = runCli({"reports", kPeriod1, "-o", out, "--names", names, "--note", "{nmae}"});
    EXPECT_EQ(noted.exitCode, 1);  // Nobody Here
    ASSERT_TRUE(writeWholeFile(names, "Liam D'Angelo\n"));
    const CliRun one = runCli({"reports", kPeriod1, "-o", out, "--names", names, "--note", "Hi {nmae}"});
    EXPECT_EQ(one.exitCode, 0) << qPrintable(one.err);
    EXPECT_TRUE(one.err.contains("{nmae}")) << qPrintable(one.err);
    EXPECT_TRUE(one.out.endsWith(QStringLiteral("for 1 students to %1\n").arg(out))) << qPrintable(one.out);
}
