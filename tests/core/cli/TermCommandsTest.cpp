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

const QString kExamples = QStringLiteral(MARKWELL_SOURCE_DIR "/examples");

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
    QStringList scoresIn(const QString& file) const {
        const Result<ClassRecord> cls = readGradeFile(file);
        EXPECT_TRUE(cls.ok());
        QStringList scores;
        if (!cls.ok()) return scores;
        for (const std::string& entry : cls->assignments[0].namegrade) {
            scores << QString::fromStdString(std::string(splitPointEntry(entry).points));
        }
        return scores;
    }
};

const QString kCurvedQuiz = QStringLiteral(
    "Student\tOld\tNew\nAnn\t7\t8.5\nBo\t-\t-\nCy\t4.5\t6\nDee\t0\t1.5\nEd\t9\t10\nCurved 4 scores of \"Quiz 1\"\n");

}  // namespace

TEST_F(TermCommands, CurvePrintsEveryScoreAndADryRunWritesNothing) {
    const QStringList curve = {QStringLiteral("curve"),        quiz(),
                               QStringLiteral("--assignment"), QStringLiteral("Quiz 1"),
                               QStringLiteral("--add"),        QStringLiteral("1.25"),
                               QStringLiteral("--round"),      QStringLiteral("0.5"),
                               QStringLiteral("--cap")};
    const QByteArray before = fileContents(quiz());
    const CliRun dry = runCli(curve + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_EQ(dry.out, kCurvedQuiz);
    EXPECT_EQ(fileContents(quiz()), before);

    const CliRun made = runCli(curve);
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, kCurvedQuiz);
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(QLatin1Char(' ')).toStdString());
        const CliRun run = runCli(QStringList{QStringLiteral("curve"), quiz()} + c.options);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.saying))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(fileContents(quiz()), before);
    // A negative number of points is a value, not an option.
    const CliRun lower = runCli(
        {QStringLiteral("curve"), quiz(), QStringLiteral("--index=1"), QStringLiteral("--add"), QStringLiteral("-5")});
    EXPECT_EQ(lower.exitCode, 0) << lower.err.toStdString();
    EXPECT_EQ(scoresIn(quiz()), QStringList({"2", "-", "0", "0", "4"}));
}

TEST_F(TermCommands, NewFromAnotherClassTakesItsSetUpAndNoStudent) {
    const QString next = path("next.grs");
    const CliRun made = runCli({QStringLiteral("new"), next, QStringLiteral("--from"), quiz()});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(made.out,
              QStringLiteral("Created %1 from %2: 1 assignments, no students, the grade scale \"<Default>\".\n")
                  .arg(next, quiz()));
    const Result<ClassRecord> model = readGradeFile(quiz());
    const Result<ClassRecord> cls = readGradeFile(next);
    ASSERT_TRUE(model.ok() && cls.ok());
    EXPECT_EQ(*cls, newClassRecordFrom(*model));

    // An existing class is replaced only with --force; the model is never the output.
    EXPECT_EQ(runCli({QStringLiteral("new"), next, QStringLiteral("--from"), quiz()}).exitCode, 1);
    const QByteArray before = fileContents(quiz());
    const CliRun onItself =
        runCli({QStringLiteral("new"), quiz(), QStringLiteral("--from"), quiz(), QStringLiteral("--force")});
    EXPECT_EQ(onItself.exitCode, 1);
    EXPECT_EQ(fileContents(quiz()), before);
    const CliRun noScale = runCli({QStringLiteral("new"), path("other.grs"), QStringLiteral("--from"), quiz(),
                                   QStringLiteral("--scale"), QStringLiteral("Nowhere")});
    EXPECT_EQ(noScale.exitCode, 1);
    EXPECT_TRUE(noScale.err.contains(QStringLiteral("no grade scale named \"Nowhere\""))) << noScale.err.toStdString();
}

// Period 1: 25 students, the mean of their averages 76.55%, 11 scores "-"
// or 0 on assignments worth points, four Ds and three Fs; period 2: 18
// students, 74.91%, 7 missing, three Ds and four Fs.
TEST_F(TermCommands, OverviewOfTheExamplesByHand) {
    const CliRun run =
        runCli({QStringLiteral("overview"), kExamples, QStringLiteral("--grade-at-most"), QStringLiteral("d")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedOutput(QStringLiteral("examples-overview-below-d.txt")));
}

TEST_F(TermCommands, OverviewListsADamagedFileInItsPlaceAndFailsAfterTheLastLine) {
    for (const char* name : {"period1.grs", "period2.grs"}) {
        ASSERT_TRUE(QFile::copy(kExamples + QLatin1Char('/') + QString::fromUtf8(name), path(name)));
    }
    write("broken.GRS", "junk");
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("old")));
    ASSERT_TRUE(QFile::copy(path("period1.grs"), path("old/period0.grs")));

    const CliRun run = runCli({QStringLiteral("overview"), dir_.path()});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();  // heading, four classes, the final line break
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("broken.GRS\tdamaged: The file "))) << lines[1].toStdString();
    EXPECT_FALSE(lines[1].endsWith(QLatin1Char('\t')));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("period1.grs\t25\t12\t76.55%\t11\t-")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("period2.grs\t18\t8\t74.91%\t7\t-")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("quiz.grs\t5\t1\t")));

    // Files named one by one come in the order given; a letter no scale has counts nothing.
    const CliRun named = runCli({QStringLiteral("overview"), quiz(), path("period2.grs"),
                                 QStringLiteral("--grade-at-most"), QStringLiteral("Z")});
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_TRUE(named.out.section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("quiz.grs")));
    EXPECT_TRUE(named.out.section(QLatin1Char('\n'), 2, 2).endsWith(QStringLiteral("\t-")));
}
