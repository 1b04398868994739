// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli curve, new --from and overview: what a teacher does at the
// turn of a term, run as a script would run them.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/data/ClassFromAnother.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

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

}  // namespace

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
    const CliRun lower = runCli({"curve", quiz(), "--index=1", "--add", "-5"});
    EXPECT_EQ(lower.exitCode, 0) << lower.err.toStdString();
    EXPECT_EQ(scoresIn(quiz()), QStringList({"2", "-", "0", "0", "4"}));
}

TEST_F(TermCommands, NewFromAnotherClassTakesItsSetUpAndNoStudent) {
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

TEST_F(TermCommands, OverviewListsADamagedFileInItsPlaceAndFailsAfterTheLastLine) {
    for (const char* name : {"period1.grs", "period2.grs"}) {
        ASSERT_TRUE(QFile::copy(exampleFile(name), path(name)));
    }
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
}
