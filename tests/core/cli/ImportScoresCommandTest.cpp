// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli import-scores and export --for canvas on the example class:
// gradebooks in each layout change exactly their scores (blanks kept,
// excused marked "-"), problems are listed and nothing is written, the
// class's own Canvas file reads back without a change, and the options do
// what they say.

#include "tests/core/cli/CliFolder.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

const QString kImport = QStringLiteral("import-scores");

// A score the import must leave in the class: student (by place), assignment
// (by title), points.
struct Expected {
    std::size_t student;
    const char* assignment;
    const char* points;
};

class ImportScoresCommand : public CliFolder {
protected:
    void SetUp() override {
        copyExample();
        example_ = read(grs());
    }
    // The example's three files, over whatever the folder holds of them.
    void copyExample() const {
        for (const QString& file : classFilePathsFor(exampleFile(QStringLiteral("period1.grs")))) {
            const QString copy = path(QFileInfo(file).fileName());
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(file, copy));
        }
    }
    QString grs() const { return path("period1.grs"); }
    QByteArray classFiles() const { return classBytes(grs()); }
    // The example with these scores set, as the import must leave it.
    ClassRecord exampleWith(const std::vector<Expected>& scores) const {
        ClassRecord cls = example_;
        for (const Expected& e : scores) {
            for (AssignmentInfo& a : cls.assignments) {
                if (a.title == e.assignment)
                    a.namegrade[e.student] = makePointEntry(cls.students[e.student].name, e.points);
            }
        }
        return cls;
    }
    ClassRecord example_;
};

struct LayoutCase {
    const char* name;
    QByteArray file;
    QStringList options;
    const char* out;
    std::vector<Expected> scores;
    const char* err;
};

}  // namespace

TEST_F(ImportScoresCommand, EachLayoutSetsExactlyItsScoresInTheExample) {
    const std::vector<LayoutCase> cases = {
        {"canvas: posting and points rows, EX, N/A, the test student left out",
         "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (501),Quiz 2 (502),Final Exam (503),Current Score\r\n"
         ",,,,,Manual Posting,,,\r\n"
         "    Points Possible,,,,,20,20,200,(read only)\r\n"
         "\"Fitzgerald, Uma\",9001,S10000,ufitz,P1,13,,EX,70.5\r\n"
         "\"D'Angelo, Liam\",9002,S10001,ldang,P1,15.00,19,178,88\r\n"
         "\"Kim, Olivia\",9003,S10002,okim,P1,N/A,20,150,90\r\n"
         "\"Student, Test\",9999,,,P1,0,0,0,0\r\n",
         {QStringLiteral("--skip-unmatched")},
         "Uma Fitzgerald\tQuiz 1\t12.5\t13\n"
         "Uma Fitzgerald\tFinal Exam\t103\t-\n"
         "Liam D'Angelo\tQuiz 2\t18\t19\n"
         "Olivia Kim\tFinal Exam\t148\t150\n"
         "Changed 4 scores, added 0 assignments, 0 students\n",
         {{0, "Quiz 1", "13"}, {0, "Final Exam", "-"}, {1, "Quiz 2", "19"}, {2, "Final Exam", "150"}},
         ""},
        {"canvas saved with semicolons, decimal commas and a byte order mark; a name with accents",
         "\xEF\xBB\xBFStudent;ID;SIS User ID;SIS Login ID;Section;Quiz 1 (501);Homework 1 (504)\r\n"
         "    Points Possible;;;;;20;10\r\n"
         "Fitzgerald, Uma;9001;S10000;;P1;13,5;7,25\r\n"
         "Garc\xC3\xAD"
         "a, \xC3\x89mile;9005;;;P1;EX;\r\n",
         {},
         "Uma Fitzgerald\tQuiz 1\t12.5\t13.5\n"
         "Uma Fitzgerald\tHomework 1\t6.5\t7.25\n"
         "\xC3\x89mile Garc\xC3\xAD"
         "a\tQuiz 1\t17.5\t-\n"
         "Changed 3 scores, added 0 assignments, 0 students\n",
         {{0, "Quiz 1", "13.5"}, {0, "Homework 1", "7.25"}, {4, "Quiz 1", "-"}},
         ""},
        {"moodle: the (Real) columns, \"-\" not graded, matched by ID and by address",
         "First name,Last name,ID number,Institution,Department,Email address,Quiz: Quiz 3 (Real),"
         "Quiz: Quiz 3 (Percentage),Assignment: Lab 2 (Real),Course total (Real),Last downloaded from this course\n"
         "Ren\xC3\xA9"
         "e,Kim,S10003,,,renekim@students.example.org,19.00,95.00 %,-,300.00,1767225600\n"
         "Emile,Garcia,,,,MILEGARCA@students.example.org,18.50,92.50 %,21.00,280.00,1767225600\n",
         {},
         "Ren\xC3\xA9"
         "e Kim\tQuiz 3\t20\t19.00\n"
         "\xC3\x89mile Garc\xC3\xAD"
         "a\tQuiz 3\t-\t18.50\n"
         "\xC3\x89mile Garc\xC3\xAD"
         "a\tLab 2\t22\t21.00\n"
         "Changed 3 scores, added 0 assignments, 0 students\n",
         {{3, "Quiz 3", "19.00"}, {4, "Quiz 3", "18.50"}, {4, "Lab 2", "21.00"}},
         ""},
        {"classroom: rows above the header, dates, points, Missing as zero, Excused, a column of no assignment",
         "Period 1, fall term\n\n"
         "Last Name,First Name,Email Address,Homework 4,Lab 1,Project\n"
         ",,,\"Nov 3, 2026\",\"Nov 10, 2026\",No due date\n"
         ",,,10,25,50\n"
         "Fitzgerald,Oscar,oscarfitzgerald@students.example.org,Missing,Excused,45\n"
         "Kim,Olivia,oliviakim@students.example.org,9.5,,Missing\n",
         {QStringLiteral("--missing-as"), QStringLiteral("zero")},
         "Oscar Fitzgerald\tHomework 4\t6\t0\n"
         "Oscar Fitzgerald\tLab 1\t12\t-\n"
         "Olivia Kim\tHomework 4\t9\t9.5\n"
         "Changed 3 scores, added 0 assignments, 0 students\n",
         {{5, "Homework 4", "0"}, {5, "Lab 1", "-"}, {2, "Homework 4", "9.5"}},
         "column 6 (Project) matches no assignment of the class: ignored"},
        {"a spreadsheet: a name column and score columns",
         "Name,Student ID,Homework 3,Extra Credit\n\"Kim, Ren\xC3\xA9"
         "e\",,9,5\nLiam D'Angelo,S10001,,6\n",
         {},
         "Ren\xC3\xA9"
         "e Kim\tHomework 3\t8.5\t9\n"
         "Ren\xC3\xA9"
         "e Kim\tExtra Credit\t4\t5\n"
         "Liam D'Angelo\tExtra Credit\t5\t6\n"
         "Changed 3 scores, added 0 assignments, 0 students\n",
         {{3, "Homework 3", "9"}, {3, "Extra Credit", "5"}, {1, "Extra Credit", "6"}},
         ""},
    };
    const QByteArray original = classFiles();
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString scores = write("scores.csv", c.file);
        const CliRun run = runCli(QStringList{kImport, grs(), scores} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromUtf8(c.out));
        if (*c.err) {
            EXPECT_EQ(run.err, QStringLiteral("markwell-cli: %1: %2\n").arg(scores, QString::fromUtf8(c.err)));
        } else {
            EXPECT_EQ(run.err, QString());
        }
        EXPECT_EQ(read(grs()), exampleWith(c.scores));
        // The next case starts from the example again.
        copyExample();
        ASSERT_EQ(classFiles(), original);
    }
}

TEST_F(ImportScoresCommand, ProblemsAreListedWithTheirLinesAndNothingIsWritten) {
    const QString scores = write("g.csv", "Student,SIS User ID,Quiz 1 (501)\n"
                                          "\"Fitzgerald, Uma\",S10000,B+\n"
                                          "\"Student, Test\",,0\n"
                                          "\"Kim, Olivia\",S10002,12\n"
                                          "\"kim, olivia\",,13\n");
    const QByteArray before = classFiles();
    for (const QString& dryRun : {QString(), QStringLiteral("--dry-run")}) {
        QStringList args{kImport, grs(), scores};
        if (!dryRun.isEmpty()) args << dryRun;
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(run.err,
                  QStringLiteral("markwell-cli: %1: line 2: column 3 (Quiz 1 (501)): \"B+\" is not a score\n"
                                 "markwell-cli: %1: line 3: no student of the class matches \"Student, Test\"\n"
                                 "markwell-cli: %1: line 4: Olivia Kim is on lines 4, 5: leave one out or choose "
                                 "another student\n"
                                 "markwell-cli: %1: line 5: Olivia Kim is on lines 4, 5: leave one out or choose "
                                 "another student\n"
                                 "markwell-cli: %1: 4 rows refused; nothing was written\n")
                      .arg(scores));
        EXPECT_EQ(classFiles(), before);
    }
}

TEST_F(ImportScoresCommand, TheClasssCanvasFileReadsBackWithoutAChange) {
    const QString canvas = dir_.filePath(QStringLiteral("for-canvas.csv"));
    const CliRun exported =
        runCli({QStringLiteral("export"), grs(), canvas, QStringLiteral("--for"), QStringLiteral("canvas")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QByteArray bytes = fileContents(canvas);
    EXPECT_TRUE(bytes.startsWith("Student,ID,SIS User ID,SIS Login ID,Section,Homework 1,Quiz 1,Homework 2,Lab 1,"
                                 "Extra Credit,Chapter Test 1,Homework 3,Quiz 2,Homework 4,Lab 2,Quiz 3,Final Exam\r\n"
                                 "Points Possible,,,,,10,20,10,25,0,100,10,20,10,25,20,200\r\n"
                                 "Uma Fitzgerald,,S10000,,,6.5,12.5,7,16,2,EX,"))
        << bytes.left(400).toStdString();

    const QByteArray before = classFiles();
    const CliRun imported = runCli({kImport, grs(), canvas});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("Changed 0 scores, added 0 assignments, 0 students\n"));
    EXPECT_EQ(imported.err, QString());
    EXPECT_EQ(classFiles(), before);

    const CliRun notCsv = runCli({QStringLiteral("export"), grs(), dir_.filePath(QStringLiteral("c.xlsx")),
                                  QStringLiteral("--for"), QStringLiteral("canvas")});
    EXPECT_EQ(notCsv.exitCode, 1);
    EXPECT_TRUE(notCsv.err.contains(QStringLiteral("must end in .csv")));
    EXPECT_EQ(
        runCli({QStringLiteral("export"), grs(), canvas, QStringLiteral("--for"), QStringLiteral("moodle")}).exitCode,
        2);
}

TEST_F(ImportScoresCommand, MapNewAssignmentsNewStudentsAndDryRun) {
    const QString scores = write("s.csv", "Name,Pop quiz,Homework one\nUma Fitzgerald,4,7\nNia Brown,5,\n");
    const QString map = write("map.csv", "column,assignment\nHomework one,Homework 1\n");
    const QStringList args{kImport,
                           grs(),
                           scores,
                           QStringLiteral("--map"),
                           map,
                           QStringLiteral("--new-assignments"),
                           QStringLiteral("quiz"),
                           QStringLiteral("--add-students")};

    const QByteArray before = classFiles();
    const CliRun dry = runCli(args + QStringList{QStringLiteral("--dry-run")});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    const QString changes = QStringLiteral("Uma Fitzgerald\tPop quiz\t\t4\n"
                                           "Uma Fitzgerald\tHomework 1\t6.5\t7\n"
                                           "Nia Brown\tPop quiz\t\t5\n"
                                           "Changed 3 scores, added 1 assignment, 1 student\n");
    EXPECT_EQ(dry.out, changes);
    EXPECT_EQ(classFiles(), before);

    const CliRun made = runCli(args);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, changes);
    const ClassRecord cls = read(grs());
    ASSERT_EQ(cls.students.size(), 26u);
    EXPECT_EQ(cls.students[25].name, "Nia Brown");
    ASSERT_EQ(cls.assignments.size(), 13u);
    EXPECT_EQ(cls.assignments[12].title, "Pop quiz");
    EXPECT_EQ(cls.assignments[12].assign_type, "Quiz");
    EXPECT_EQ(cls.assignments[12].namegrade[0], "Uma Fitzgerald~4");
    EXPECT_EQ(cls.assignments[12].namegrade[25], "Nia Brown~5");
    EXPECT_EQ(cls.assignments[0].namegrade[25], "Nia Brown~0");

    // Without a map, "Homework one" is no assignment's: said, and left alone.
    const CliRun second = runCli({kImport, grs(), scores});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, QStringLiteral("Changed 0 scores, added 0 assignments, 0 students\n"));
    EXPECT_EQ(second.err,
              QStringLiteral("markwell-cli: %1: column 3 (Homework one) matches no assignment of the class: ignored\n")
                  .arg(scores));

    const CliRun badMatch = runCli({kImport, grs(), scores, QStringLiteral("--match"), QStringLiteral("guess")});
    EXPECT_EQ(badMatch.exitCode, 2);
    EXPECT_TRUE(badMatch.err.contains(QStringLiteral("--match takes auto, id, email or name")));
}
