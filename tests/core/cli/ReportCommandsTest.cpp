// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli student, stats, graph and mailto on the shipped examples,
// against tables checked by hand and kept beside this test. Period 1: Liam
// D'Angelo's Homework 2 is 0 of 10 (0.00%, F) and the extra credit 5 of 0
// has no percent; his quizzes add to 48 of 60 (80.00%, B). Chapter Test 1
// has 23 counted marks (two "-"): 43 to 107, median 73, mean 75.00, sample
// deviation 17.7. Period 2 weighs and drops: Zara Ivanova's "-" on the Final
// adds no Final total, while the totals row keeps every total (375) and the
// grades page's 49.56%, F.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/export/SpreadsheetReader.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/data/PointEntry.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

const QString kPeriod1 = exampleFile(QStringLiteral("period1.grs"));
const QString kPeriod2 = exampleFile(QStringLiteral("period2.grs"));

// A class of two students whose addresses need encoding.
QString writeMailClass(const QTemporaryDir& dir) {
    ClassRecord cls = makeClass({"Ann", "Anne"}, {});
    cls.students[0].student_email = " ann&co@x.org?bcc=all@y.org ";
    cls.students[1].student_email = "ren\xE9 lee@x.org";  // Windows-1252 é
    QString path = dir.filePath(QStringLiteral("mail.grs"));
    EXPECT_TRUE(writeGradeFile(path, cls).ok());
    return path;
}

}  // namespace

TEST(ReportCommands, PrintTheHandCheckedTables) {
    const struct {
        QStringList args;
        const char* file;
    } cases[] = {
        {{"student", kPeriod1, "Liam D'Angelo"}, "period1-student.txt"},
        {{"student", kPeriod1, "Liam D'Angelo", "--type"}, "period1-student-type.txt"},
        {{"student", kPeriod2, "Zara Ivanova"}, "period2-student.txt"},
        {{"stats", kPeriod1, "--index", "6"}, "period1-stats-test.txt"},
        {{"stats", kPeriod1, "--assignment", "Final Exam"}, "period1-stats-final.txt"},
        {{"stats", kPeriod1, "--grouping", "--overall"}, "period1-grouping-overall.txt"},
        {{"stats", kPeriod1, "--grouping", "--assignment", "Quiz 1"}, "period1-grouping-quiz1.txt"},
        {{"stats", kPeriod1, "--grouping", "--index", "2"}, "period1-grouping-quiz1.txt"},
        {{"stats", kPeriod1, "--missing", "absent"}, "period1-missing-absent.txt"},
        {{"stats", kPeriod1, "--missing", "zero"}, "period1-missing-zero.txt"},
        {{"graph", kPeriod1, "--student", "Renée Kim"}, "period1-graph-student.txt"},
        {{"graph", kPeriod1, "--index", "2", "--percent"}, "period1-graph-quiz1-percent.txt"},
        {{"graph", kPeriod1, "--overall", "--percent"}, "period1-graph-overall-percent.txt"},
        // Dropped by type; a "-" that does not count; extra credit without possible points.
        {{"explain", kPeriod1, "Uma Fitzgerald"}, "period1-explain.txt"},
        // Weighted, the lowest homework dropped (never the Extra Credit, worth no points):
        // 47 + 11 x 2/3 + 12.5 x 1/2 + 14 x 1/3 = 65.25 of 131.67 = 49.56%, as the table shows.
        {{"explain", kPeriod2, "Zara Ivanova"}, "period2-explain.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(QLatin1Char(' '))));
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, expectedOutput(QLatin1String(c.file)));
    }
}

TEST(ReportCommands, RefusedNamesAndWrongUsage) {
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"student", kPeriod1, "liam d'angelo"}, 1},  // letter case counts
        {{"student", kPeriod1, "Nobody"}, 1},
        {{"student", QStringLiteral("/no/such/class.grs"), "Liam D'Angelo"}, 1},
        {{"student", kPeriod1}, 2},
        {{"student", kPeriod1, "Liam D'Angelo", "--bogus"}, 2},
        {{"stats", kPeriod1, "--index", "0"}, 1},
        {{"stats", kPeriod1, "--index", "13"}, 1},
        {{"stats", kPeriod1, "--assignment", "quiz 1"}, 1},
        {{"stats", kPeriod1, "--index", "two"}, 2},
        {{"stats", kPeriod1}, 2},
        {{"stats", kPeriod1, "--overall"}, 2},
        {{"stats", kPeriod1, "--index", "1", "--assignment", "Quiz 1"}, 2},
        {{"stats", kPeriod1, "--missing", "late"}, 2},
        {{"stats", kPeriod1, "--missing", "zero", "--index", "1"}, 2},
        {{"graph", kPeriod1}, 2},
        {{"graph", kPeriod1, "--overall", "--student", "Kai Lee"}, 2},
        {{"graph", kPeriod1, "--student", "Kai"}, 1},
        {{"mailto", kPeriod1, "Kai"}, 1},
        {{"explain", kPeriod1, "Nobody"}, 1},
        {{"explain", kPeriod1}, 2},
        {{"what-if", kPeriod1, "Nobody", "--index", "2", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "13", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--assignment", "Quiz 9", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "2", "--grade", "Z"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "2"}, 2},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--grade", "A"}, 2},
        {{"mailto", kPeriod1}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(QLatin1Char(' '))));
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << qPrintable(run.err);
        EXPECT_EQ(run.out, QString());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

// Zara's weighted 65.25 of 131.67: the Final counts half, so 0.5x more of
// 100 more possible points; 70% needs x >= 193.83, the next half point 194.
TEST(ReportCommands, WhatIfSaysEachOutcomeInOneLine) {
    const struct {
        QStringList args;
        const char* line;
    } cases[] = {
        {{"what-if", kPeriod2, "Zara Ivanova", "--assignment", "Final Exam", "--grade", " c "},
         "Needs 194 of 200 points on \"Final Exam\" for C (average 70.04%).\n"},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "2", "--grade", "F"},
         "F is reached with 0 points on \"Quiz 1\" (average 55.59%).\n"},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "2", "--grade", "a"},
         "A is out of reach on \"Quiz 1\": 20 of 20 points give F (average 59.32%).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(QLatin1Char(' '))));
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, QString::fromUtf8(c.line));
    }
}

TEST(ReportCommands, MailtoPrintsTheEncodedAddressOfTheFirstStudentOfTheName) {
    QTemporaryDir dir;
    const QString path = writeMailClass(dir);
    const CliRun ann = runCli({QStringLiteral("mailto"), path, QStringLiteral("Ann")});
    EXPECT_EQ(ann.exitCode, 0) << qPrintable(ann.err);
    EXPECT_EQ(ann.out, QStringLiteral("mailto:ann%26co@x.org%3Fbcc%3Dall@y.org?subject=Grades&body=\n"));
    const CliRun anne = runCli({QStringLiteral("mailto"), path, QStringLiteral("Anne")});
    EXPECT_EQ(anne.out, QStringLiteral("mailto:ren%C3%A9%20lee@x.org?subject=Grades&body=\n"));
    const CliRun shipped = runCli({QStringLiteral("mailto"), kPeriod1, QStringLiteral("Zoë O'Neill")});
    EXPECT_EQ(shipped.out, QStringLiteral("mailto:zooneill@students.example.org?subject=Grades&body=\n"));
}

TEST(ReportCommands, StudentWritesTheWorkbookTheMailAttachmentIs) {
    QTemporaryDir dir;
    for (const QString& type : {QStringLiteral("csv"), QStringLiteral("xls")}) {
        SCOPED_TRACE(qPrintable(type));
        const QString out = dir.filePath(QStringLiteral("liam.") + type);
        // --type changes what is printed, never what is written.
        const CliRun run = runCli({QStringLiteral("student"), kPeriod1, QStringLiteral("Liam D'Angelo"),
                                   QStringLiteral("--type"), QStringLiteral("-o"), out});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, expectedOutput(QStringLiteral("period1-student-type.txt")));
        READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_") + type + QStringLiteral(".py"), out);
        const QJsonArray rows = read.json[QStringLiteral("cells")].toArray();
        ASSERT_EQ(rows.size(), 15);
        // The totals row: Total, 369.5, 450, 84.40%, B.
        const QJsonArray total = rows[14].toArray();
        EXPECT_EQ(total[0].toArray()[1].toString(), QStringLiteral("Total"));
        EXPECT_EQ(total[1].toArray()[1].toVariant().toString(), QStringLiteral("369.5"));
        EXPECT_EQ(total[3].toArray()[1].toString(), QStringLiteral("84.40%"));
        EXPECT_EQ(rows[3].toArray()[0].toArray()[1].toString(), QStringLiteral("Homework 2"));
        // A workbook holds the explanation beside it, as the window's E-mail sends it; CSV the table alone.
        const QJsonArray sheets = read.json[QStringLiteral("sheets")].toArray();
        if (type == QStringLiteral("xls")) {
            ASSERT_EQ(sheets.size(), 2);
            EXPECT_EQ(sheets[1].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Why"));
        }
    }
    const QString wrong = dir.filePath(QStringLiteral("liam.txt"));
    const CliRun refused =
        runCli({QStringLiteral("student"), kPeriod1, QStringLiteral("Liam D'Angelo"), QStringLiteral("-o"), wrong});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral(".xls")));
    EXPECT_FALSE(QFile::exists(wrong));
}
