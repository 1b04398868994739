// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli weights, drop, scale, use-scale and password, on files and a
// settings store of the test's own.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/files/AttendanceFile.h"
#include "core/files/SeatingFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

//   Ann  Quiz 8 of 10, Test 90 of 100, Lab 20 of 20:  118 of 130 = 90.77%
//   Bo   Quiz 4 of 10, Test 70 of 100, Lab 10 of 20:   84 of 130 = 64.62%
ClassRecord fixtureClass() {
    ClassRecord cls = makeClass({"Ann Lee", "Bo Chen"}, {{"Quiz 1", "Quiz", 10, {"8", "4"}},
                                                         {"Test 1", "Test", 100, {"90", "70"}},
                                                         {"Lab 1", "Lab", 20, {"20", "10"}}});
    cls.gradeScale = CurrentGradeScale{"<Default>", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"};
    SeatingInfo seat;
    seat.name = "Ann Lee";
    cls.Seats = {seat};
    return cls;
}

// The user's settings store, as markwell-cli finds it.
QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Larkhaven/Grades.ini");
}

class RulesCommands : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        const ClassRecord cls = fixtureClass();
        ASSERT_TRUE(writeGradeFile(path(), cls).ok());
        ASSERT_TRUE(writeSeatingFile(seatingPathFor(path()), SeatingChart{cls.Seats, cls.teacherSeat}).ok());
        QFile::remove(settingsFile());
    }
    using CliFolder::path;
    QString path() const { return path("class.grs"); }
    ClassRecord reread(const char* name = "class.grs") const { return read(path(name)); }
    // Runs a command and expects it refused with `code`, the file untouched.
    void expectRefused(const QStringList& args, int code) {
        const QByteArray before = fileContents(path());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, code) << args.join(q(" ")).toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, QString()) << args.join(q(" ")).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(fileContents(path()), before);
    }
};

}  // namespace

TEST_F(RulesCommands, WeightsAreSetAndUsedAsTheDialogSetsThem) {
    const CliRun run = runCli({q("weights"), path(), q("0"), q("80"), q("20"), q("0"), q("0"), q("0"), q("--use")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, q("Weights of class.grs: Final 0, Test 80, Quiz 20, Homework 0, Lab 0, Other 0; "
                         "weighted averages on.\n"));
    EXPECT_EQ(reread().weightGrades, (WeightedGrades{0, 80, 20, 0, 0, 0, true}));
    // Labs now weigh nothing; quizzes a quarter of tests: Ann (90 + 2) of (100 + 2.5).
    EXPECT_TRUE(runCli({q("show"), path()}).out.contains(q("Ann Lee\t8\t90\t20\t118\t89.76%\tB\n")));

    // Switched off, any shares are kept for later; the switch stays as it was when not given.
    ASSERT_EQ(
        runCli({q("weights"), path(), q("10"), q("10"), q("10"), q("10"), q("10"), q("0"), q("--no-use")}).exitCode, 0);
    EXPECT_EQ(reread().weightGrades, (WeightedGrades{10, 10, 10, 10, 10, 0, false}));
    ASSERT_EQ(runCli({q("weights"), path(), q("50"), q("50"), q("0"), q("0"), q("0"), q("0")}).exitCode, 0);
    EXPECT_FALSE(reread().weightGrades.enabled);

    expectRefused({q("weights"), path(), q("50"), q("30"), q("10"), q("0"), q("0"), q("0"), q("--use")}, 1);
    expectRefused({q("weights"), path(), q("120"), q("-20"), q("0"), q("0"), q("0"), q("0")}, 1);
    expectRefused({q("weights"), path(), q("50"), q("fifty"), q("0"), q("0"), q("0"), q("0")}, 2);
    expectRefused({q("weights"), path(), q("50"), q("50"), q("0"), q("0"), q("0")}, 2);
    expectRefused({q("weights"), path(), q("50"), q("50"), q("0"), q("0"), q("0"), q("0"), q("--use"), q("--no-use")},
                  2);
    expectRefused({q("weights"), path(), q("50"), q("50"), q("0"), q("0"), q("0"), q("0"), q("-o"), path("out.txt")},
                  2);
}

TEST_F(RulesCommands, DropRulesAndTheirTypes) {
    CliRun run = runCli({q("drop"), path(), q("by-type"), q("--types"), q("quiz,LAB")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, q("Drop rule of class.grs: lowest score by type (Quiz, Lab).\n"));
    DropLowScoreInfo byType;
    byType.drop_type = droprule::kLowestPerType;
    byType.drop_quiz = byType.drop_lab = true;
    EXPECT_EQ(reread().lowScoreInfo, byType);

    run = runCli({q("drop"), path(), q("overall")});
    EXPECT_EQ(run.out, q("Drop rule of class.grs: lowest score overall.\n"));
    EXPECT_EQ(reread().lowScoreInfo, (DropLowScoreInfo{1, false, false, false, false, false, false}));
    // Ann's quiz and Bo's quiz are their lowest: 110 of 120, 80 of 120.
    EXPECT_EQ(runCli({q("show"), path(), q("--dropped")}).out, q("2\t2\t8\n3\t2\t4\n"));

    expectRefused({q("drop"), path(), q("overall"), q("--types"), q("quiz")}, 2);
    expectRefused({q("drop"), path(), q("by-type"), q("--types"), q("quiz,essay")}, 2);
    expectRefused({q("drop"), path(), q("type")}, 2);
    expectRefused({q("drop"), path("missing.grs"), q("none")}, 1);
}

TEST_F(RulesCommands, AnEditUnderAnotherNameTakesTheSiblingFilesAlong) {
    AttendanceInfo marks;
    marks.Month = 10;
    marks.Year = 2026;
    marks.name = "Bo Chen";
    marks.entry[2] = 'T';
    ASSERT_TRUE(writeAttendanceFile(attendancePathFor(path()), {marks}).ok());
    const QByteArray before = fileContents(path());
    const CliRun run = runCli({q("drop"), path(), q("none"), q("-o"), path("copy.grs")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileContents(path()), before);
    EXPECT_TRUE(QFile::exists(path("copy.SEA")));
    const Result<SeatingChart> seats = readSeatingFile(path("copy.SEA"));
    ASSERT_TRUE(seats.ok());
    ASSERT_EQ(seats->seats.size(), std::size_t(1));
    EXPECT_EQ(seats->seats[0].name, "Ann Lee");
    EXPECT_EQ(fileContents(path("copy.ATD")), fileContents(path("class.ATD")));
}

TEST_F(RulesCommands, ScalesAreListedShownSavedAndDeleted) {
    EXPECT_EQ(runCli({q("scale"), q("list")}).out, q("<Default>\n"));
    CliRun run = runCli({q("scale"), q("set"), q(" Pass or fail "), q("pass-fail"), q("80,100,0,79.9")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, q("Saved the grade scale \u201cPass or fail\u201d (pass-fail, 2 letters).\n"));
    EXPECT_EQ(runCli({q("scale"), q("show"), q("pass or FAIL")}).out, q("pass-fail\nPass\t80\t100\nFail\t0\t79.9\n"));
    EXPECT_EQ(runCli({q("scale"), q("list")}).out, q("<Default>\nPass or fail\n"));

    run = runCli({q("scale"), q("set"), q("Pass or fail"), q("expanded"),
                  q("94,100,90,93.9,87,89.9,83,86.9,80,82.9,77,79.9,73,76.9,70,72.9,67,69.9,63,66.9,60,62.9,0,59.9")});
    EXPECT_EQ(run.out, q("Replaced the grade scale \u201cPass or fail\u201d (expanded, 12 letters).\n"));
    EXPECT_TRUE(runCli({q("scale"), q("show"), q("Pass or fail")})
                    .out.startsWith(q("expanded\nA \t94\t100\nA-\t90\t93.9\n B+\t87\t89.9\n")));

    // Checked as the window checks them; nothing reaches the store.
    const auto refused = [](const QStringList& args, int code) {
        const QByteArray before = fileContents(settingsFile());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.exitCode, code) << args.join(q(" ")).toStdString();
        EXPECT_EQ(fileContents(settingsFile()), before) << args.join(q(" ")).toStdString();
        return r.err;
    };
    EXPECT_TRUE(refused({q("scale"), q("set"), q("X"), q("standard"), q("90,100,a,b,70,79.9,60,69.9,0,59.9")}, 1)
                    .contains(q("Letter \u201cB\u201d, Min %: Invalid value!")));
    EXPECT_TRUE(refused({q("scale"), q("set"), q("X"), q("standard"), q("90,100,80,91,70,79.9,60,69.9,0,59.9")}, 1)
                    .contains(q("Minimum percentage of higher grade")));
    EXPECT_TRUE(
        refused({q("scale"), q("set"), q("X"), q("pass-fail"), q("80,100,0")}, 1).contains(q("takes 4 bounds")));
    EXPECT_TRUE(
        refused({q("scale"), q("set"), q(" "), q("pass-fail"), q("80,100,0,79")}, 1).contains(q("needs a name")));
    refused({q("scale"), q("set"), q("a/b"), q("pass-fail"), q("80,100,0,79")}, 1);
    refused({q("scale"), q("set"), q("X"), q("letters"), q("80,100,0,79")}, 2);
    refused({q("scale"), q("delete"), q("<Default>")}, 1);
    refused({q("scale"), q("delete"), q("Nothing")}, 1);
    refused({q("scale"), q("delete"), q("")}, 1);
    refused({q("scale"), q("show"), q("Nothing")}, 1);
    refused({q("scale"), q("rename"), q("X")}, 2);

    run = runCli({q("scale"), q("delete"), q("pass or fail")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(runCli({q("scale"), q("list")}).out, q("<Default>\n"));
}

TEST_F(RulesCommands, UseScaleRecomputesTheLettersAsOkDoes) {
    ASSERT_EQ(runCli({q("scale"), q("set"), q("Pass at 75"), q("pass-fail"), q("75,100,0,74")}).exitCode, 0);
    const CliRun run = runCli({q("use-scale"), path(), q("pass at 75")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, q("class.grs uses the grade scale \u201cPass at 75\u201d (pass-fail).\n"));
    EXPECT_EQ(reread().gradeScale, (CurrentGradeScale{"Pass at 75", 2, "75,100,0,74"}));
    const QString shown = runCli({q("show"), path()}).out;
    EXPECT_TRUE(shown.contains(q("Ann Lee\t8\t90\t20\t118\t90.77%\tPass\n")));
    EXPECT_TRUE(shown.contains(q("Bo Chen\t4\t70\t10\t84\t64.62%\tFail\n")));

    expectRefused({q("use-scale"), path(), q("No such scale")}, 1);
    expectRefused({q("use-scale"), path()}, 2);
}

TEST_F(RulesCommands, PasswordsComeFromStandardInputAndOnlyTheirVerifierIsKept) {
    CliRun run = runCliReading({q("password"), q("check")}, "anything\n");
    EXPECT_EQ(run.exitCode, 0);  // none stored: anything passes, as at start-up

    EXPECT_EQ(runCliReading({q("password"), q("set")}, "apple\npear\n").exitCode, 1);
    EXPECT_EQ(runCliReading({q("password"), q("set")}, "apple\n").exitCode, 1);
    EXPECT_FALSE(QFile::exists(settingsFile()) && fileContents(settingsFile()).contains("Password"));

    const QByteArray full = " Twenty-five characters! ";
    ASSERT_EQ(full.size(), 25);
    run = runCliReading({q("password"), q("set")}, full + "\r\n" + full + "\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, q("Password protection is on, with the new password.\n"));
    const QByteArray stored = fileContents(settingsFile());
    EXPECT_TRUE(stored.contains("$argon2id$"));
    EXPECT_FALSE(stored.contains("Twenty"));

    EXPECT_EQ(runCliReading({q("password"), q("check")}, full + "\n").exitCode, 0);
    EXPECT_EQ(runCliReading({q("password"), q("check")}, full.trimmed() + "\n").exitCode, 1);
    EXPECT_EQ(runCliReading({q("password"), q("check")}, "").exitCode, 1);

    // Changing or removing it needs the old one first.
    EXPECT_EQ(runCliReading({q("password"), q("set")}, "wrong\nnew\nnew\n").exitCode, 1);
    EXPECT_EQ(
        runCliReading({q("password"), q("set")}, full + "\n" + QByteArray(26, 'x') + "\n" + QByteArray(26, 'x') + "\n")
            .exitCode,
        1);
    EXPECT_EQ(runCliReading({q("password"), q("clear")}, "wrong\n").exitCode, 1);
    // Three empty lines are an empty old password, not "keep the stored one".
    run = runCliReading({q("password"), q("set")}, "\n\n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, q("markwell-cli: password set: the old password is incorrect\n"));
    EXPECT_EQ(fileContents(settingsFile()), stored);

    run = runCliReading({q("password"), q("clear")}, full + "\n");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(fileContents(settingsFile()).contains("Password="));
    EXPECT_EQ(runCli({q("password"), q("unlock")}).exitCode, 2);
}

TEST_F(RulesCommands, APasswordThatIsNotUtf8IsRefused) {
    // Decoded with replacement characters, every such password would be the same one.
    for (const QStringList& args : {QStringList{q("password"), q("set")}, QStringList{q("password"), q("check")}}) {
        const CliRun run = runCliReading(args, "\xff\xff\xff\n\xff\xff\xff\n");
        EXPECT_EQ(run.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(q("the password is not UTF-8 text"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(settingsFile()) && fileContents(settingsFile()).contains("Password"));

    ASSERT_EQ(runCliReading({q("password"), q("set")}, "caf\xc3\xa9\ncaf\xc3\xa9\n").exitCode, 0);
    EXPECT_EQ(runCliReading({q("password"), q("check")}, "caf\xc3\xa9\n").exitCode, 0);
    EXPECT_EQ(runCliReading({q("password"), q("check")}, "caf\xe9\n").exitCode, 1);
    EXPECT_EQ(runCliReading({q("password"), q("clear")}, "caf\xe9\n").exitCode, 1);
}
