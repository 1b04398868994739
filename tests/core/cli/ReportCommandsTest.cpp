// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show, student, stats, graph, explain, attendance, merge,
// overview and mailto on the shipped examples, against tables checked by
// hand and kept beside this test; reports: every student's report on pages
// of their own, with the average and letter the grades table shows; a folder
// of one file per student whose names cannot leave it or clash; refusals
// that write nothing; attendance and merge on classes of the tests: what
// they count and write, and what they refuse.
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
#include "tests/support/AttendanceRecords.h"
#include "tests/support/PdfText.h"

#include "core/data/PointEntry.h"
#include "core/files/AttendanceFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfPageCount;
using markwell::testing::pdfText;

const QString kPeriod1 = exampleFile("period1.grs");
const QString kPeriod2 = exampleFile("period2.grs");

TEST(ReportCommands, PrintTheHandCheckedTables) {
    const struct {
        QStringList args;
        const char* file;
        QStringList environment = {};
    } cases[] = {
        {{"show", kPeriod2}, "period2-show.txt"},
        // Scripts read the printed sheets: they stay English whatever the
        // user's language, the headings of the table included.
        {{"show", kPeriod2}, "period2-show.txt", {"LANG=es_ES.UTF-8", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="}},
        {{"show", kPeriod2}, "period2-show.txt", {"LANG=fr_FR.UTF-8", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="}},
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
        SCOPED_TRACE(qPrintable((c.environment + c.args).join(QLatin1Char(' '))));
        EXPECT_EQ(outputOf(c.args, c.environment), expectedOutput(QLatin1String(c.file)));
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
TEST(ReportCommands, WhatIfAndMailtoSayTheirAnswerInOneLineAndStudentWritesTheWorkbookTheMailAttachmentIs) {
    // A class of two students whose addresses need encoding.
    QTemporaryDir dir;
    const QString mail = dir.filePath("mail.grs");
    ClassRecord cls = makeClass({"Ann", "Anne"}, {});
    cls.students[0].student_email = " ann&co@x.org?bcc=all@y.org ";
    cls.students[1].student_email = "ren\xE9 lee@x.org";  // Windows-1252 é
    ASSERT_TRUE(writeGradeFile(mail, cls).ok());
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
        // The encoded address of the first student of the name.
        {{"mailto", mail, "Ann"}, "mailto:ann%26co@x.org%3Fbcc%3Dall@y.org?subject=Grades&body=\n"},
        {{"mailto", mail, "Anne"}, "mailto:ren%C3%A9%20lee@x.org?subject=Grades&body=\n"},
        {{"mailto", kPeriod1, "Zoë O'Neill"}, "mailto:zooneill@students.example.org?subject=Grades&body=\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(QLatin1Char(' '))));
        EXPECT_EQ(outputOf(c.args), QString::fromUtf8(c.line));
    }

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
    const QString grs = dir.filePath("hostile.grs");
    const QString longName(99, QLatin1Char('n'));
    const QStringList names{"../x", "a/b", "a_b", longName, "A_B"};
    const ClassRecord cls = makeClass({"../x", "a/b", "a_b", std::string(99, 'n'), "A_B"},
                                      {{"Test", "Test", 10, {"9", "8", "7", "6", "5"}}});
    ASSERT_TRUE(writeGradeFile(grs, cls).ok());
    const QString folder = dir.filePath("made/here");
    const QString printed = outputOf({"reports", grs, "-o", folder, "--per-student"});
    const QStringList files{"___x.pdf", "a_b.pdf", "a_b (2).pdf", longName + ".pdf", "A_B (3).pdf"};
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
    // Nobody Here is still refused.
    EXPECT_EQ(runCli({"reports", kPeriod1, "-o", out, "--names", names, "--note", "{nmae}"}).exitCode, 1);
    ASSERT_TRUE(writeWholeFile(names, "Liam D'Angelo\n"));
    const CliRun one = runCli({"reports", kPeriod1, "-o", out, "--names", names, "--note", "Hi {nmae}"});
    EXPECT_EQ(one.exitCode, 0) << qPrintable(one.err);
    EXPECT_TRUE(one.err.contains("{nmae}")) << qPrintable(one.err);
    EXPECT_TRUE(one.out.endsWith(QStringLiteral("for 1 students to %1\n").arg(out))) << qPrintable(one.out);
}

namespace {

class MergeAttendanceCommands : public CliFolder {
protected:
    QString writeClass(const char* name, const ClassRecord& cls) const {
        EXPECT_TRUE(writeGradeFile(path(name), cls));
        return path(name);
    }
};

ClassRecord twoStudents() {
    return makeClass({"Ann Lee", "Bo Chen"}, {{"Test", "Test", 100, {"91", "74"}}});
}

}  // namespace

TEST_F(MergeAttendanceCommands, AttendanceCountsTheFileBesideTheClassNeverCreatesItAndRefusesWhatItCannotCount) {
    const QString grades = writeClass("c.grs", twoStudents());
    expectRefused({"attendance", grades, "--year", "2024", "--student", "Cy"}, 1);
    expectRefused({"attendance", grades, "--year", "0", "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", grades, "--year", "10000", "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", grades, "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", path("none.grs"), "--year", "2024", "--student", "Bo"}, 1);
    EXPECT_TRUE(
        outputOf({"attendance", grades, "--year", "2024", "--student", "bo chen"}).contains("\nMarch\t0\t0\t0\t0\n"));
    EXPECT_FALSE(QFile::exists(path("c.ATD")));

    ASSERT_TRUE(writeAttendanceFile(path("c.ATD"), {attendanceRecord(3, 2024, "BO CHEN", "TUE tue E"),
                                                    attendanceRecord(3, 2023, "Bo Chen", "TTTT")}));
    const QByteArray before = fileContents(path("c.ATD"));
    const QString counted = outputOf({"attendance", grades, "--year", "2024", "--student", "Bo Chen"});
    EXPECT_TRUE(counted.contains("\nMarch\t1\t1\t2\t4\n")) << counted.toStdString();
    EXPECT_EQ(fileContents(path("c.ATD")), before);
    EXPECT_TRUE(
        outputOf({"attendance", grades, "--year", "9999", "--student", "Bo Chen"}).contains("\nMarch\t0\t0\t0\t0\n"));

    // A damaged attendance file is no spotless year.
    Result<QByteArray> bytes = serializeAttendanceFile({attendanceRecord(3, 2024, "Bo Chen", "T")});
    ASSERT_TRUE(bytes);
    bytes->data()[0] = 13;  // month 13: no Markwell file holds it
    write("c.ATD", *bytes);
    expectRefused({"attendance", grades, "--year", "2024", "--student", "Bo Chen"}, 1, path("c.ATD"));
}

TEST_F(MergeAttendanceCommands, MergeWritesWhatItPrintsRegradesByAStoredScaleAndRefusesWhatItCannotUse) {
    const QString a = writeClass("a.grs", twoStudents());
    const QString b = writeClass("b.grs", makeClass({"Bo Chen"}, {{"Quiz", "Quiz", 10, {"6"}}}));
    const QString printed = outputOf({"merge", a, b, "-o", path("merged.csv")});
    EXPECT_EQ(printed,
              "Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tA\nBo Chen\t80\t110\t72.73%\tC\n");
    QString csv = printed;
    csv.replace(QLatin1Char('\t'), QLatin1Char(',')).replace("\n", "\r\n");
    EXPECT_EQ(QString::fromUtf8(fileContents(path("merged.csv"))), csv);

    // Other extensions are refused first.
    expectRefused({"merge", a, path("nothing-here.grs"), "-o", path("merged.txt")}, 1, ".xls, .xlsx or .csv");
    EXPECT_FALSE(QFile::exists(path("merged.txt")));
    ASSERT_TRUE(QFile::link(a, path("link.grs")));
    ASSERT_TRUE(hardLink(a, path("hard.grs")));
    for (const char* other : {"link.grs", "hard.grs"})
        expectRefused({"merge", a, path(other)}, 1, "Unable to merge the same file!");
    expectRefused({"merge", a, path("missing.grs"), "-o", path("out.csv")}, 1, path("missing.grs"));
    EXPECT_FALSE(QFile::exists(path("missing.grs")));
    EXPECT_FALSE(QFile::exists(path("out.csv")));
    expectRefused({"merge", a}, 2);
    expectRefused({"merge", a, a, a}, 2);
    expectRefused({"merge", a, path("c.grs"), "--colour"}, 2);

    // With --scale, merge regrades with a stored scale.
    {
        QSettingsStore settings;  // the user's store of this test run
        ScaleStore store(settings);
        ASSERT_TRUE(store.saveScale({"Pass 75", ScaleKind::PassFail, {{"Pass", "75", "100"}, {"Fail", "0", "74.9"}}}));
        ASSERT_TRUE(settings.flush());
    }
    const QString empty = writeClass("empty.grs", makeClass({}, {}));
    EXPECT_EQ(outputOf({"merge", a, empty, "--scale", "Pass 75"}),
              "Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tPass\nBo Chen\t74\t100\t74.00%\tFail\n");
    EXPECT_EQ(readGradeFile(a)->gradeScale, twoStudents().gradeScale);
    expectRefused({"merge", a, empty, "--scale", "No Such Scale"}, 1);
}
