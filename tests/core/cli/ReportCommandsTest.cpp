// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show, student, stats, graph, explain, attendance, merge,
// overview and mailto on the shipped examples, against tables checked by
// hand and kept beside this test.
//
// Period 1: plain averages, each student's lowest quiz and lowest homework
// dropped with their possible points; its table was checked against a
// separate computation of the rules, row by row. Liam D'Angelo's Homework 2
// is 0 of 10 (0.00%, F) and the extra credit 5 of 0 has no percent; his
// quizzes add to 48 of 60 (80.00%, B). Chapter Test 1 has 23 counted marks
// (two "-"): 43 to 107, median 73, mean 75.00, sample deviation 17.7.
//
// Period 2 has weighted averages (Test 30 is the reference weight, so Final
// counts 1/2, Quiz 2/3, Homework 1/2, Lab and Other 1/3) and drops each
// student's lowest score overall, never the Extra Credit (worth no points).
// Zara Ivanova drops Homework 1's 5.5 and earns 6.25 + 7.33 + 4.67 + 47 =
// 65.25 of 10 + 13.33 + 8.33 + 100 = 131.67 weighted points: 49.56%, an F;
// her "-" on the Final adds no Final total, while the totals row keeps
// every total (375).
//
// period1-attendance-2026.txt: Léa Patel's records of period1.ATD, read
// byte by byte apart from Markwell: September T 3, U 1, E 1; October 2, 2, 2;
// November U 2; December T 2; no other month of 2026 has a record.
// period1-period2-merge.txt: the two classes share no name, so each row is
// the student's own counted points over the totals of the assignments they
// have a mark on, without weights or dropping (Zara Ivanova: the 93 points
// of her grades row over 175, "-" on the 200-point final: 53.14%, F).
// examples-overview-below-d.txt: period 1 has 25 students, the mean of their
// averages 76.55%, 11 scores "-" or 0 on assignments worth points, four Ds
// and three Fs; period 2 18 students, 74.91%, 7 missing, three Ds and four Fs.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/export/SpreadsheetReader.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/data/PointEntry.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

const QString kPeriod1 = exampleFile("period1.grs");
const QString kPeriod2 = exampleFile("period2.grs");

// A class of two students whose addresses need encoding.
QString writeMailClass(const QTemporaryDir& dir) {
    ClassRecord cls = makeClass({"Ann", "Anne"}, {});
    cls.students[0].student_email = " ann&co@x.org?bcc=all@y.org ";
    cls.students[1].student_email = "ren\xE9 lee@x.org";  // Windows-1252 é
    QString path = dir.filePath("mail.grs");
    EXPECT_TRUE(writeGradeFile(path, cls).ok());
    return path;
}

}  // namespace

TEST(ReportCommands, PrintTheHandCheckedTables) {
    const struct {
        QStringList args;
        const char* file;
    } cases[] = {
        {{"show", kPeriod2}, "period2-show.txt"},
        {{"show", kPeriod2, "--dropped"}, "period2-dropped.txt"},
        {{"show", kPeriod1}, "period1-show.txt"},
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
        // The roster's name is found whatever its letter case, accents included.
        {{"attendance", kPeriod1, "--year", "2026", "--student", "LÉA PATEL"}, "period1-attendance-2026.txt"},
        {{"merge", kPeriod1, kPeriod2}, "period1-period2-merge.txt"},
        // With IDs as the printout shows them: the second file's rows come first.
        {{"merge", kPeriod2, kPeriod1, "--ids"}, "period2-period1-merge-ids.txt"},
        {{"overview", QFileInfo(kPeriod1).path(), "--grade-at-most", "d"}, "examples-overview-below-d.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(QLatin1Char(' '))));
        EXPECT_EQ(outputOf(c.args), expectedOutput(QLatin1String(c.file)));
    }
}

// Scripts read the printed sheets: they stay English whatever the user's
// language, the headings of the table included.
TEST(ExampleShow, TheTableStaysEnglishInEveryLanguage) {
    for (const char* language : {"es_ES.UTF-8", "fr_FR.UTF-8"}) {
        const QStringList environment = {QStringLiteral("LANG=") + QLatin1String(language),
                                         "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="};
        const CliRun run = runCli({"show", exampleFile("period2.grs")}, environment);
        EXPECT_EQ(run.exitCode, 0) << language << run.err.toStdString();
        EXPECT_EQ(run.out, expectedOutput("period2-show.txt")) << language;
    }
}

TEST(ReportCommands, RefusedNamesAndWrongUsage) {
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"student", kPeriod1, "liam d'angelo"}, 1},  // letter case counts
        {{"student", kPeriod1, "Nobody"}, 1},
        {{"student", "/no/such/class.grs", "Liam D'Angelo"}, 1},
        {{"student", kPeriod1}, 2},
        {{"student", kPeriod1, "Liam D'Angelo", "--bogus"}, 2},
        {{"stats", kPeriod1, "--index", "0"}, 1},
        {{"stats", kPeriod1, "--index", "13"}, 1},
        {{"stats", kPeriod1, "--assignment", "quiz 1"}, 1},
        {{"stats", kPeriod1, "--index", "two"}, 2},
        {{"stats", kPeriod1}, 2},
        {{"stats", kPeriod1, "--index", "1", "--assignment", "Quiz 1"}, 2},
        {{"stats", kPeriod1, "--missing", "late"}, 2},
        {{"stats", kPeriod1, "--missing", "zero", "--index", "1"}, 2},
        {{"graph", kPeriod1}, 2},
        {{"graph", kPeriod1, "--student", "Kai"}, 1},
        {{"mailto", kPeriod1, "Kai"}, 1},
        {{"explain", kPeriod1, "Nobody"}, 1},
        {{"explain", kPeriod1}, 2},
        {{"what-if", kPeriod1, "Nobody", "--index", "2", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "13", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--assignment", "Quiz 9", "--grade", "A"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--index", "2", "--grade", "Z"}, 1},
        {{"what-if", kPeriod1, "Uma Fitzgerald", "--grade", "A"}, 2},
        {{"mailto", kPeriod1}, 2},
    };
    for (const auto& c : cases) expectRefused(c.args, c.exitCode);
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
        EXPECT_EQ(outputOf(c.args), QString::fromUtf8(c.line));
    }
}

TEST(ReportCommands, MailtoPrintsTheEncodedAddressOfTheFirstStudentOfTheName) {
    QTemporaryDir dir;
    const QString path = writeMailClass(dir);
    const CliRun ann = runCli({"mailto", path, "Ann"});
    EXPECT_EQ(ann.exitCode, 0) << qPrintable(ann.err);
    EXPECT_EQ(ann.out, "mailto:ann%26co@x.org%3Fbcc%3Dall@y.org?subject=Grades&body=\n");
    const CliRun anne = runCli({"mailto", path, "Anne"});
    EXPECT_EQ(anne.out, "mailto:ren%C3%A9%20lee@x.org?subject=Grades&body=\n");
    const CliRun shipped = runCli({"mailto", kPeriod1, "Zoë O'Neill"});
    EXPECT_EQ(shipped.out, "mailto:zooneill@students.example.org?subject=Grades&body=\n");
}

TEST(ReportCommands, StudentWritesTheWorkbookTheMailAttachmentIs) {
    QTemporaryDir dir;
    for (const QString& type : {QStringLiteral("csv"), QStringLiteral("xls")}) {
        SCOPED_TRACE(qPrintable(type));
        const QString out = dir.filePath(QStringLiteral("liam.") + type);
        // --type changes what is printed, never what is written.
        EXPECT_EQ(outputOf({"student", kPeriod1, "Liam D'Angelo", "--type", "-o", out}),
                  expectedOutput("period1-student-type.txt"));
        READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_") + type + QStringLiteral(".py"), out);
        const QJsonArray rows = read.json["cells"].toArray();
        ASSERT_EQ(rows.size(), 15);
        // The totals row: Total, 369.5, 450, 84.40%, B.
        const QJsonArray total = rows[14].toArray();
        EXPECT_EQ(total[0].toArray()[1].toString(), "Total");
        EXPECT_EQ(total[1].toArray()[1].toVariant().toString(), "369.5");
        EXPECT_EQ(total[3].toArray()[1].toString(), "84.40%");
        EXPECT_EQ(rows[3].toArray()[0].toArray()[1].toString(), "Homework 2");
        // A workbook holds the explanation beside it, as the window's E-mail sends it; CSV the table alone.
        const QJsonArray sheets = read.json["sheets"].toArray();
        if (type == QStringLiteral("xls")) {
            ASSERT_EQ(sheets.size(), 2);
            EXPECT_EQ(sheets[1].toObject()["name"].toString(), "Why");
        }
    }
    const QString wrong = dir.filePath("liam.txt");
    // A name that is no spreadsheet is refused before the table is printed.
    expectRefused({"student", kPeriod1, "Liam D'Angelo", "-o", wrong}, 1, ".xls");
    EXPECT_FALSE(QFile::exists(wrong));
}
