// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli new, import-students, add-assignment, set-points and
// set-total: one summary line on success; on refusal every reason on stderr,
// exit 1 and no file touched; exit 2 for usage errors. curve, new --from and
// overview: what a teacher does at the turn of a term. import-scores and
// export --for canvas on the example class: gradebooks change exactly their
// scores (blanks kept, excused marked "-"), problems are listed and nothing is
// written, the class's own Canvas file reads back without a change, and the
// options do what they say. How each layout is read is the score import's own
// tests' concern.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/data/ClassFromAnother.h"
#include "core/data/PointEntry.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using EditCommands = CliFolder;

class TermCommands : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        // 7, -, 4.5, 0 and 9 of 10.
        ClassRecord cls =
            makeClass({"Ann", "Bo", "Cy", "Dee", "Ed"}, {{"Quiz 1", "Quiz", 10, {"7", "-", "4.5", "0", "9"}}});
        cls.weightGrades = {0, 0, 100, 0, 0, 0, true};
        ASSERT_TRUE(writeGradeFile(quiz(), cls).ok());
    }
    QString quiz() const { return path("quiz.grs"); }
    static QStringList scoresIn(const QString& file) {
        QStringList scores;
        for (const AssignmentInfo& quiz : read(file).assignments) {
            for (const std::string& entry : quiz.namegrade)
                scores << QString::fromStdString(std::string(splitPointEntry(entry).points));
        }
        return scores;
    }
};

const QString kCurvedQuiz = QStringLiteral(
    "Student\tOld\tNew\nAnn\t7\t8.5\nBo\t-\t-\nCy\t4.5\t6\nDee\t0\t1.5\nEd\t9\t10\nCurved 4 scores of \"Quiz 1\"\n");

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

TEST_F(EditCommands, NewWritesTheClassFileNewGivesAndNeverOverwritesUnasked) {
    EXPECT_EQ(outputOf({"new", path("c.grs")}),
              QStringLiteral("Created %1: a new class with the grade scale \"<Default>\".\n").arg(path("c.grs")));
    const ClassRecord cls = read(path("c.grs"));
    EXPECT_TRUE(cls.students.empty() && cls.assignments.empty());
    EXPECT_EQ(cls.gradeScale.name, "<Default>");
    EXPECT_EQ(cls.gradeScale.num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");
    EXPECT_EQ(fileContents(path("c.ATD")), QByteArray());
    EXPECT_EQ(fileContents(path("c.SEA")).size(), 232);

    ASSERT_EQ(runCli({"add-assignment", path("c.grs"), "--title=Quiz", "--type=Quiz"}).exitCode, 0);
    const QByteArray before = classBytes(path("c.grs"));
    expectRefused({"new", path("c.grs")}, 1, "--force");
    EXPECT_EQ(classBytes(path("c.grs")), before);
    EXPECT_EQ(runCli({"new", path("c.grs"), "--force"}).exitCode, 0);
    EXPECT_TRUE(read(path("c.grs")).assignments.empty());

    expectRefused({"new", path("d.grs"), "--scale", "Curve"}, 1, "\"Curve\"");
    EXPECT_FALSE(QFile::exists(path("d.grs")) || QFile::exists(path("d.ATD")));
    expectRefused({"new", path("d.txt")}, 2);
    expectRefused({"new"}, 2);
}

TEST_F(EditCommands, ImportStudentsAddsEveryRowOrNoneNamingEveryControlCharacter) {
    ASSERT_EQ(runCli({"new", path("c.grs")}).exitCode, 0);
    ASSERT_EQ(runCli({"add-assignment", path("c.grs"), "--title=Quiz", "--type=Quiz"}).exitCode, 0);
    const QByteArray empty = classBytes(path("c.grs"));
    const QString control = write("control.csv", "name,city,comment\n"
                                                 "\"Ann\nLee\",X,\n"
                                                 "Bo %1,X,\n"
                                                 "bo %1,%2,\"Two\nlines\"\n"
                                                 "Cy,Oak\tRidge,\n");
    const CliRun named = runCli({"import-students", path("c.grs"), control});
    EXPECT_EQ(named.exitCode, 1);
    // A "%1" in a name stays as typed.
    EXPECT_EQ(named.err, QStringLiteral("markwell-cli: %1: line 2: The name cannot hold a line break: \"Ann Lee\".\n"
                                        "markwell-cli: %1: line 5: \"bo %2\" is also on line 4\n"
                                        "markwell-cli: %1: line 7: The city cannot hold a tab: \"Oak Ridge\".\n"
                                        "markwell-cli: %1: 3 rows refused; nothing was written\n")
                             .arg(control, "%1"));
    EXPECT_EQ(classBytes(path("c.grs")), empty);

    const QString good = write("good.csv", "\xEF\xBB\xBFname,id,comment\r\n"
                                           "Zo\xC3\xAB O'Brien,Z-1,\"Front row.\r\nLikes maps.\"\r\n"
                                           "\"Lee, Ann\",A-2,\r\n");
    EXPECT_EQ(outputOf({"import-students", path("c.grs"), good}),
              QStringLiteral("Imported 2 students into %1, which now has 2.\n").arg(path("c.grs")));
    const ClassRecord cls = read(path("c.grs"));
    ASSERT_EQ(cls.students.size(), 2u);
    EXPECT_EQ(cls.students[0].name, "Zo\xEB O'Brien");
    EXPECT_EQ(cls.students[1].name, "Lee, Ann");
    EXPECT_EQ(cls.comments[0].desc, "Front row.\r\nLikes maps.");
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Zo\xEB O'Brien~0", "Lee, Ann~0"}));

    const QByteArray before = classBytes(path("c.grs"));
    const QString bad = write("bad.csv", "name,state\nBo,TX\nlee; ann,NY\n\"lee, ANN\",NY\nCy,Texas\n");
    const CliRun refused = runCli({"import-students", path("c.grs"), bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, QString());
    EXPECT_TRUE(refused.err.contains("bad.csv: line 4: \"lee, ANN\" is already in the class"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("bad.csv: line 5: The state is 5 characters long"));
    EXPECT_TRUE(refused.err.contains("2 rows refused; nothing was written"));
    EXPECT_EQ(classBytes(path("c.grs")), before);

    expectRefused({"import-students", path("c.grs"), write("cols.csv", "name,grade\nBo,A\n")}, 1);
    expectRefused({"import-students", path("c.grs"), write("quote.csv", "name\n\"Bo\n")}, 1);
    expectRefused({"import-students", path("c.grs"), path("missing.csv")}, 1);
    EXPECT_EQ(classBytes(path("c.grs")), before);
    expectRefused({"import-students", path("c.grs")}, 2);
}

TEST_F(EditCommands, AssignmentsTotalsAndPointsAndPercentSignsStayAsTyped) {
    ClassRecord cls = makeClass({"Ann", "Bo", "Ann"}, {});
    ASSERT_TRUE(writeGradeFile(path("c.grs"), cls).ok());

    EXPECT_EQ(outputOf({"add-assignment", path("c.grs"), "--title", " Lab 1 ", "--type", "lab", "--total", "25",
                        "--description", "Pendulum"}),
              QStringLiteral("Added \"Lab 1\" (assignment 1) to %1: Lab, total 25.\n").arg(path("c.grs")));

    // The two Anns take their rows in order; Bo keeps his points.
    const QString points = write("p.csv", "name,points\nAnn,20\nAnn, 12.5 \n");
    EXPECT_EQ(outputOf({"set-points", path("c.grs"), "--assignment", "Lab 1", points}),
              QStringLiteral("Stored 2 points of \"Lab 1\" (assignment 1) in %1.\n").arg(path("c.grs")));
    EXPECT_EQ(read(path("c.grs")).assignments[0].namegrade, (std::vector<std::string>{"Ann~20", "Bo~0", "Ann~12.5"}));

    outputOf({"set-total", path("c.grs"), "--index", "1", "30"});
    EXPECT_EQ(read(path("c.grs")).assignments[0].total, 30);

    const QByteArray before = classBytes(path("c.grs"));
    const CliRun unknown =
        runCli({"set-points", path("c.grs"), "--index=1", write("q.csv", "name,points\nBo,5\nZed,3\nAnn,1e5\n")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("q.csv: line 3: no student is named \"Zed\""));
    EXPECT_TRUE(unknown.err.contains("q.csv: line 4: \"1e5\" is not a number of points"));
    expectRefused({"set-total", path("c.grs"), "--index=1", "1e3"}, 1);
    expectRefused({"set-total", path("c.grs"), "--index=2", "3"}, 1);
    expectRefused({"set-total", path("c.grs"), "--assignment=Lab", "3"}, 1);
    expectRefused({"add-assignment", path("c.grs"), "--title=X", "--type=X", "--total=abc"}, 2);
    expectRefused({"add-assignment", path("c.grs"), "--title=X", "--type=Quiz", "--total=abc"}, 1);
    EXPECT_EQ(classBytes(path("c.grs")), before);

    expectRefused({"set-total", path("c.grs"), "--index=1", "--assignment=Lab 1", "3"}, 2);
    expectRefused({"set-total", path("c.grs"), "3"}, 2);
    expectRefused({"add-assignment", path("c.grs"), "--title=X"}, 2);
    expectRefused({"set-points", path("c.grs"), "--index=1", points, "--bogus"}, 2);
    EXPECT_EQ(classBytes(path("c.grs")), before);

    // Titles and file names are the teacher's text: a "%1" in them stays as
    // typed in every summary and refusal, however many numbers the line also carries.
    ASSERT_TRUE(writeGradeFile(path("c%1.grs"), makeClass({"Ann"}, {})).ok());
    EXPECT_EQ(outputOf({"add-assignment", path("c%1.grs"), "--title=Bonus %1", "--type=Quiz"}),
              QStringLiteral("Added \"Bonus %1\" (assignment 1) to ") + path("c%1.grs") +
                  QStringLiteral(": Quiz, total 0.\n"));

    const QString imported = outputOf({"import-students", path("c%1.grs"), write("s.csv", "name\nBo\n")});
    EXPECT_EQ(imported,
              QStringLiteral("Imported 1 student into ") + path("c%1.grs") + QStringLiteral(", which now has 2.\n"));

    expectRefused({"set-points", path("c%1.grs"), "--index=1", write("p%1.csv", "name,points\nZed,3\n")}, 1,
                  path("p%1.csv") + QStringLiteral(": line 2: no student is named \"Zed\""));
}

TEST_F(TermCommands, CurvePrintsEveryScoreAndADryRunWritesNothing) {
    const QStringList curve = {"curve", quiz(), "--assignment", "Quiz 1", "--add", "1.25", "--round", "0.5", "--cap"};
    const QByteArray before = fileContents(quiz());
    EXPECT_EQ(outputOf(curve + QStringList{"--dry-run"}), kCurvedQuiz);
    EXPECT_EQ(fileContents(quiz()), before);

    EXPECT_EQ(outputOf(curve), kCurvedQuiz);
    EXPECT_EQ(scoresIn(quiz()), QStringList({"8.5", "-", "6", "1.5", "10"}));
}

TEST_F(TermCommands, CurveRefusesWhatItCannotWorkOutAndWhatItCannotRead) {
    const QByteArray before = fileContents(quiz());
    const struct {
        QStringList options;
        int exitCode;
        const char* saying;
    } cases[] = {
        {{"--index=1", "--map", "5:5=6:10"}, 1, "curve: The two scores to map are the same"},
        {{"--index=2", "--top"}, 1, "curve: there is no assignment 2 (the class has 1)"},
        {{"--index=1", "--top", "--mean=70"}, 2, "give one of --add, --top, --mean and --map"},
        {{"--index=1"}, 2, "give one of --add, --top, --mean and --map"},
        {{"--index=1", "--map", "40:95"}, 2, "--map takes LOW:HIGH=NEWLOW:NEWHIGH"},
        {{"--index=1", "--mean", "0"}, 2, "--mean takes a percentage above 0"},
        {{"--index=1", "--top", "--round=2"}, 2, "--round takes 1, 0.5 or none"},
        {{"--top"}, 2, "--assignment"},
    };
    for (const auto& c : cases) expectRefused(QStringList{"curve", quiz()} + c.options, c.exitCode, c.saying);
    EXPECT_EQ(fileContents(quiz()), before);
    // A negative number of points is a value, not an option.
    outputOf({"curve", quiz(), "--index=1", "--add", "-5"});
    EXPECT_EQ(scoresIn(quiz()), QStringList({"2", "-", "0", "0", "4"}));
}

TEST_F(TermCommands, OverviewListsADamagedFileInItsPlaceAndNewFromAnotherClassTakesItsSetUpAndNoStudent) {
    for (const char* name : {"period1.grs", "period2.grs"}) ASSERT_TRUE(QFile::copy(exampleFile(name), path(name)));
    write("broken.GRS", "junk");
    ASSERT_TRUE(QDir(dir_.path()).mkpath("old"));
    ASSERT_TRUE(QFile::copy(path("period1.grs"), path("old/period0.grs")));

    const CliRun run = runCli({"overview", dir_.path()});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();  // heading, four classes, the final line break
    EXPECT_TRUE(lines[1].startsWith("broken.GRS\tdamaged: The file ")) << lines[1].toStdString();
    EXPECT_FALSE(lines[1].endsWith(QLatin1Char('\t')));
    EXPECT_TRUE(lines[2].startsWith("period1.grs\t25\t12\t76.55%\t11\t-"));
    EXPECT_TRUE(lines[3].startsWith("period2.grs\t18\t8\t74.91%\t7\t-"));
    EXPECT_TRUE(lines[4].startsWith("quiz.grs\t5\t1\t"));

    // Files named one by one come in the order given; a letter no scale has counts nothing.
    const QString named = outputOf({"overview", quiz(), path("period2.grs"), "--grade-at-most", "Z"});
    EXPECT_TRUE(named.section(QLatin1Char('\n'), 1, 1).startsWith("quiz.grs"));
    EXPECT_TRUE(named.section(QLatin1Char('\n'), 2, 2).endsWith("\t-"));

    // new --from another class takes its set-up and no student.
    const QString next = path("next.grs");
    EXPECT_EQ(outputOf({"new", next, "--from", quiz()}),
              QStringLiteral("Created %1 from %2: 1 assignments, no students, the grade scale \"<Default>\".\n")
                  .arg(next, quiz()));
    const Result<ClassRecord> model = readGradeFile(quiz());
    const Result<ClassRecord> cls = readGradeFile(next);
    ASSERT_TRUE(model.ok() && cls.ok());
    EXPECT_EQ(*cls, newClassRecordFrom(*model));

    // An existing class is replaced only with --force; the model is never the output.
    expectRefused({"new", next, "--from", quiz()}, 1);
    const QByteArray before = fileContents(quiz());
    expectRefused({"new", quiz(), "--from", quiz(), "--force"}, 1);
    EXPECT_EQ(fileContents(quiz()), before);
    expectRefused({"new", path("other.grs"), "--from", quiz(), "--scale", "Nowhere"}, 1,
                  "no grade scale named \"Nowhere\"");
}

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

TEST_F(ImportScoresCommand, TheClasssCanvasFileReadsBackWithoutAChangeAndTheOptionsDoWhatTheySay) {
    const QString canvas = dir_.filePath("for-canvas.csv");
    outputOf({"export", grs(), canvas, "--for", "canvas"});
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

    // --map, --new-assignments, --add-students and --dry-run.
    const QString scores = write("s.csv", "Name,Pop quiz,Homework one\nUma Fitzgerald,4,7\nNia Brown,5,\n");
    const QString map = write("map.csv", "column,assignment\nHomework one,Homework 1\n");
    const QStringList args{kImport, grs(), scores, "--map", map, "--new-assignments", "quiz", "--add-students"};
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
