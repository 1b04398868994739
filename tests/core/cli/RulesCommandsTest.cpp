// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli weights, drop, scale, use-scale and password, on files and a
// settings store of the test's own.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

//   Ann  Quiz 8 of 10, Test 90 of 100, Lab 20 of 20:  118 of 130 = 90.77%
//   Bo   Quiz 4 of 10, Test 70 of 100, Lab 10 of 20:   84 of 130 = 64.62%
ClassRecord fixtureClass() {
    ClassRecord cls = makeClass({"Ann Lee", "Bo Chen"}, {{"Quiz 1", "Quiz", 10, {"8", "4"}},
                                                         {"Test 1", "Test", 100, {"90", "70"}},
                                                         {"Lab 1", "Lab", 20, {"20", "10"}}});
    cls.gradeScale = CurrentGradeScale{"<Default>", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"};
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
        ASSERT_TRUE(writeGradeFile(path(), fixtureClass()).ok());
        QFile::remove(settingsFile());
    }
    using CliFolder::path;
    QString path() const { return path("class.grs"); }
    ClassRecord reread() const { return read(path()); }
    // Runs a command and expects it refused with `code`, the file untouched.
    void expectRefused(const QStringList& args, int code) {
        const QByteArray before = fileContents(path());
        test::expectRefused(args, code);
        EXPECT_EQ(fileContents(path()), before);
    }
};

}  // namespace

TEST_F(RulesCommands, WeightsAndDropRulesAreSetAndUsedAsTheDialogsSetThem) {
    EXPECT_EQ(outputOf({"weights", path(), "0", "80", "20", "0", "0", "0", "--use"}),
              "Weights of class.grs: Final 0, Test 80, Quiz 20, Homework 0, Lab 0, Other 0; "
              "weighted averages on.\n");
    EXPECT_EQ(reread().weightGrades, (WeightedGrades{0, 80, 20, 0, 0, 0, true}));
    // Labs now weigh nothing; quizzes a quarter of tests: Ann (90 + 2) of (100 + 2.5).
    EXPECT_TRUE(runCli({"show", path()}).out.contains("Ann Lee\t8\t90\t20\t118\t89.76%\tB\n"));

    // Switched off, any shares are kept for later; the switch stays as it was when not given.
    ASSERT_EQ(runCli({"weights", path(), "10", "10", "10", "10", "10", "0", "--no-use"}).exitCode, 0);
    EXPECT_EQ(reread().weightGrades, (WeightedGrades{10, 10, 10, 10, 10, 0, false}));
    ASSERT_EQ(runCli({"weights", path(), "50", "50", "0", "0", "0", "0"}).exitCode, 0);
    EXPECT_FALSE(reread().weightGrades.enabled);

    expectRefused({"weights", path(), "50", "30", "10", "0", "0", "0", "--use"}, 1);
    expectRefused({"weights", path(), "120", "-20", "0", "0", "0", "0"}, 1);
    expectRefused({"weights", path(), "50", "fifty", "0", "0", "0", "0"}, 2);
    expectRefused({"weights", path(), "50", "50", "0", "0", "0"}, 2);
    expectRefused({"weights", path(), "50", "50", "0", "0", "0", "0", "--use", "--no-use"}, 2);
    expectRefused({"weights", path(), "50", "50", "0", "0", "0", "0", "-o", path("out.txt")}, 2);

    // Drop rules and their types.
    EXPECT_EQ(outputOf({"drop", path(), "by-type", "--types", "quiz,LAB"}),
              "Drop rule of class.grs: lowest score by type (Quiz, Lab).\n");
    EXPECT_EQ(reread().lowScoreInfo,
              (DropLowScoreInfo{droprule::kLowestPerType, false, false, true, false, true, false}));

    EXPECT_EQ(outputOf({"drop", path(), "overall"}), "Drop rule of class.grs: lowest score overall.\n");
    EXPECT_EQ(reread().lowScoreInfo, (DropLowScoreInfo{1, false, false, false, false, false, false}));
    // Ann's quiz and Bo's quiz are their lowest: 110 of 120, 80 of 120.
    EXPECT_EQ(runCli({"show", path(), "--dropped"}).out, "2\t2\t8\n3\t2\t4\n");

    expectRefused({"drop", path(), "overall", "--types", "quiz"}, 2);
    expectRefused({"drop", path(), "by-type", "--types", "quiz,essay"}, 2);
    expectRefused({"drop", path(), "type"}, 2);
    expectRefused({"drop", path("missing.grs"), "none"}, 1);
}

TEST_F(RulesCommands, ScalesAreListedShownSavedDeletedAndUsedAsOkUsesThem) {
    EXPECT_EQ(runCli({"scale", "list"}).out, "<Default>\n");
    EXPECT_EQ(outputOf({"scale", "set", " Pass or fail ", "pass-fail", "80,100,0,79.9"}),
              "Saved the grade scale \u201cPass or fail\u201d (pass-fail, 2 letters).\n");
    EXPECT_EQ(runCli({"scale", "show", "pass or FAIL"}).out, "pass-fail\nPass\t80\t100\nFail\t0\t79.9\n");
    EXPECT_EQ(runCli({"scale", "list"}).out, "<Default>\nPass or fail\n");

    EXPECT_EQ(
        outputOf({"scale", "set", "Pass or fail", "expanded",
                  "94,100,90,93.9,87,89.9,83,86.9,80,82.9,77,79.9,73,76.9,70,72.9,67,69.9,63,66.9,60,62.9,0,59.9"}),
        "Replaced the grade scale \u201cPass or fail\u201d (expanded, 12 letters).\n");
    EXPECT_TRUE(runCli({"scale", "show", "Pass or fail"})
                    .out.startsWith("expanded\nA \t94\t100\nA-\t90\t93.9\n B+\t87\t89.9\n"));

    // Checked as the window checks them; nothing reaches the store.
    const QByteArray stored = fileContents(settingsFile());
    const struct {
        QStringList args;
        int exitCode;
        const char* saying;
    } refusals[] = {
        {{"scale", "set", "X", "standard", "90,100,a,b,70,79.9,60,69.9,0,59.9"},
         1,
         "Letter \u201cB\u201d, Min %: Invalid value!"},
        {{"scale", "set", "X", "standard", "90,100,80,91,70,79.9,60,69.9,0,59.9"},
         1,
         "Minimum percentage of higher grade"},
        {{"scale", "set", "X", "pass-fail", "80,100,0"}, 1, "takes 4 bounds"},
        {{"scale", "set", " ", "pass-fail", "80,100,0,79"}, 1, "needs a name"},
        {{"scale", "set", "a/b", "pass-fail", "80,100,0,79"}, 1, ""},
        {{"scale", "set", "X", "letters", "80,100,0,79"}, 2, ""},
        {{"scale", "delete", "<Default>"}, 1, ""},
        {{"scale", "delete", "Nothing"}, 1, ""},
        {{"scale", "delete", ""}, 1, ""},
        {{"scale", "show", "Nothing"}, 1, ""},
        {{"scale", "rename", "X"}, 2, ""},
    };
    for (const auto& c : refusals) test::expectRefused(c.args, c.exitCode, QString::fromUtf8(c.saying));
    EXPECT_EQ(fileContents(settingsFile()), stored);

    EXPECT_EQ(runCli({"scale", "delete", "pass or fail"}).exitCode, 0);
    EXPECT_EQ(runCli({"scale", "list"}).out, "<Default>\n");

    // use-scale recomputes the letters as OK does.
    ASSERT_EQ(runCli({"scale", "set", "Pass at 75", "pass-fail", "75,100,0,74"}).exitCode, 0);
    EXPECT_EQ(outputOf({"use-scale", path(), "pass at 75"}),
              "class.grs uses the grade scale \u201cPass at 75\u201d (pass-fail).\n");
    EXPECT_EQ(reread().gradeScale, (CurrentGradeScale{"Pass at 75", 2, "75,100,0,74"}));
    const QString shown = runCli({"show", path()}).out;
    EXPECT_TRUE(shown.contains("Ann Lee\t8\t90\t20\t118\t90.77%\tPass\n"));
    EXPECT_TRUE(shown.contains("Bo Chen\t4\t70\t10\t84\t64.62%\tFail\n"));

    expectRefused({"use-scale", path(), "No such scale"}, 1);
    expectRefused({"use-scale", path()}, 2);
}

TEST_F(RulesCommands, PasswordsComeFromStandardInputAndOnlyTheirVerifierIsKept) {
    // None stored: anything passes, as at start-up.
    EXPECT_EQ(runCliReading({"password", "check"}, "anything\n").exitCode, 0);

    EXPECT_EQ(runCliReading({"password", "set"}, "apple\npear\n").exitCode, 1);
    EXPECT_EQ(runCliReading({"password", "set"}, "apple\n").exitCode, 1);
    EXPECT_FALSE(QFile::exists(settingsFile()) && fileContents(settingsFile()).contains("Password"));

    const QByteArray full = " Twenty-five characters! ";
    ASSERT_EQ(full.size(), 25);
    CliRun run = runCliReading({"password", "set"}, full + "\r\n" + full + "\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Password protection is on, with the new password.\n");
    const QByteArray stored = fileContents(settingsFile());
    EXPECT_TRUE(stored.contains("$argon2id$"));
    EXPECT_FALSE(stored.contains("Twenty"));

    EXPECT_EQ(runCliReading({"password", "check"}, full + "\n").exitCode, 0);
    EXPECT_EQ(runCliReading({"password", "check"}, full.trimmed() + "\n").exitCode, 1);
    EXPECT_EQ(runCliReading({"password", "check"}, "").exitCode, 1);

    // Changing or removing it needs the old one first.
    EXPECT_EQ(runCliReading({"password", "set"}, "wrong\nnew\nnew\n").exitCode, 1);
    const QByteArray tooLong = QByteArray(26, 'x') + "\n";
    EXPECT_EQ(runCliReading({"password", "set"}, full + "\n" + tooLong + tooLong).exitCode, 1);
    EXPECT_EQ(runCliReading({"password", "clear"}, "wrong\n").exitCode, 1);
    // Three empty lines are an empty old password, not "keep the stored one".
    run = runCliReading({"password", "set"}, "\n\n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, "markwell-cli: password set: the old password is incorrect\n");
    EXPECT_EQ(fileContents(settingsFile()), stored);

    run = runCliReading({"password", "clear"}, full + "\n");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(fileContents(settingsFile()).contains("Password="));
    expectRefused({"password", "unlock"}, 2);
}

TEST_F(RulesCommands, APasswordThatIsNotUtf8IsRefused) {
    // Decoded with replacement characters, every such password would be the same one.
    for (const QStringList& args : {QStringList{"password", "set"}, QStringList{"password", "check"}}) {
        const CliRun run = runCliReading(args, "\xff\xff\xff\n\xff\xff\xff\n");
        EXPECT_EQ(run.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains("the password is not UTF-8 text")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(settingsFile()) && fileContents(settingsFile()).contains("Password"));

    ASSERT_EQ(runCliReading({"password", "set"}, "caf\xc3\xa9\ncaf\xc3\xa9\n").exitCode, 0);
    EXPECT_EQ(runCliReading({"password", "check"}, "caf\xc3\xa9\n").exitCode, 0);
    EXPECT_EQ(runCliReading({"password", "check"}, "caf\xe9\n").exitCode, 1);
    EXPECT_EQ(runCliReading({"password", "clear"}, "caf\xe9\n").exitCode, 1);
}
