// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli import-scores and export --for canvas on the example class:
// gradebooks change exactly their scores (blanks kept, excused marked "-"),
// problems are listed and nothing is written, the class's own Canvas file
// reads back without a change, and the options do what they say. How each
// layout is read is the score import's own tests' concern.

#include "tests/core/cli/CliFolder.h"

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
        for (const QString& file : classFilePathsFor(exampleFile("period1.grs"))) {
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

TEST_F(ImportScoresCommand, AGradebookSetsExactlyItsScoresInTheExample) {
    const std::vector<LayoutCase> cases = {
        {"canvas: posting and points rows, EX, N/A, the test student left out",
         "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (501),Quiz 2 (502),Final Exam (503),Current Score\r\n"
         ",,,,,Manual Posting,,,\r\n"
         "    Points Possible,,,,,20,20,200,(read only)\r\n"
         "\"Fitzgerald, Uma\",9001,S10000,ufitz,P1,13,,EX,70.5\r\n"
         "\"D'Angelo, Liam\",9002,S10001,ldang,P1,15.00,19,178,88\r\n"
         "\"Kim, Olivia\",9003,S10002,okim,P1,N/A,20,150,90\r\n"
         "\"Student, Test\",9999,,,P1,0,0,0,0\r\n",
         {"--skip-unmatched"},
         "Uma Fitzgerald\tQuiz 1\t12.5\t13\n"
         "Uma Fitzgerald\tFinal Exam\t103\t-\n"
         "Liam D'Angelo\tQuiz 2\t18\t19\n"
         "Olivia Kim\tFinal Exam\t148\t150\n"
         "Changed 4 scores, added 0 assignments, 0 students\n",
         {{0, "Quiz 1", "13"}, {0, "Final Exam", "-"}, {1, "Quiz 2", "19"}, {2, "Final Exam", "150"}},
         ""},
        {"classroom: rows above the header, dates, points, Missing as zero, Excused, a column of no assignment",
         "Period 1, fall term\n\n"
         "Last Name,First Name,Email Address,Homework 4,Lab 1,Project\n"
         ",,,\"Nov 3, 2026\",\"Nov 10, 2026\",No due date\n"
         ",,,10,25,50\n"
         "Fitzgerald,Oscar,oscarfitzgerald@students.example.org,Missing,Excused,45\n"
         "Kim,Olivia,oliviakim@students.example.org,9.5,,Missing\n",
         {"--missing-as", "zero"},
         "Oscar Fitzgerald\tHomework 4\t6\t0\n"
         "Oscar Fitzgerald\tLab 1\t12\t-\n"
         "Olivia Kim\tHomework 4\t9\t9.5\n"
         "Changed 3 scores, added 0 assignments, 0 students\n",
         {{5, "Homework 4", "0"}, {5, "Lab 1", "-"}, {2, "Homework 4", "9.5"}},
         "column 6 (Project) matches no assignment of the class: ignored"},
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
    const QString canvas = dir_.filePath("for-canvas.csv");
    const CliRun exported = runCli({"export", grs(), canvas, "--for", "canvas"});
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
    EXPECT_EQ(imported.out, "Changed 0 scores, added 0 assignments, 0 students\n");
    EXPECT_EQ(imported.err, QString());
    EXPECT_EQ(classFiles(), before);

    expectRefused({"export", grs(), dir_.filePath("c.xlsx"), "--for", "canvas"}, 1, "must end in .csv");
    expectRefused({"export", grs(), canvas, "--for", "moodle"}, 2);
}

TEST_F(ImportScoresCommand, MapNewAssignmentsNewStudentsAndDryRun) {
    const QString scores = write("s.csv", "Name,Pop quiz,Homework one\nUma Fitzgerald,4,7\nNia Brown,5,\n");
    const QString map = write("map.csv", "column,assignment\nHomework one,Homework 1\n");
    const QStringList args{kImport, grs(), scores, "--map", map, "--new-assignments", "quiz", "--add-students"};

    const QByteArray before = classFiles();
    const QString dry = outputOf(args + QStringList{"--dry-run"});
    const QString changes = QStringLiteral("Uma Fitzgerald\tPop quiz\t\t4\n"
                                           "Uma Fitzgerald\tHomework 1\t6.5\t7\n"
                                           "Nia Brown\tPop quiz\t\t5\n"
                                           "Changed 3 scores, added 1 assignment, 1 student\n");
    EXPECT_EQ(dry, changes);
    EXPECT_EQ(classFiles(), before);

    EXPECT_EQ(outputOf(args), changes);
    // How new students and assignments join the class is the import's own tests' concern.
    const ClassRecord cls = read(grs());
    EXPECT_EQ(cls.students.size(), 26u);
    ASSERT_EQ(cls.assignments.size(), 13u);
    EXPECT_EQ(cls.assignments[12].assign_type, "Quiz");

    // Without a map, "Homework one" is no assignment's: said, and left alone.
    const CliRun second = runCli({kImport, grs(), scores});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, "Changed 0 scores, added 0 assignments, 0 students\n");
    EXPECT_EQ(second.err,
              QStringLiteral("markwell-cli: %1: column 3 (Homework one) matches no assignment of the class: ignored\n")
                  .arg(scores));

    expectRefused({kImport, grs(), scores, "--match", "guess"}, 2, "--match takes auto, id, email or name");
}
