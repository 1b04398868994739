// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli history: the table as scripts read it, its filters, a class
// changed by another program, and forgetting a student.

#include "tests/core/cli/CliRunner.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/files/AtomicFile.h"
#include "core/files/GradeFile.h"

#include <QDate>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

const QString kHistory = QStringLiteral("history");
const QString kHeading = QStringLiteral("When\tFrom\tStudent\tAssignment\tOld\tNew\tWhat\n");

class HistoryCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        cls_ = makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"7", "8"}}});
        write();
    }
    QString classPath() const { return dir_.filePath(QStringLiteral("period1.grs")); }
    // The grade file as a program that is not Markwell writes it.
    void write() { ASSERT_TRUE(writeFileAtomically(classPath(), serializeGradeFile(cls_).value())); }
    CliRun history(QStringList options = {}) const { return runCli(QStringList{kHistory, classPath()} + options); }
    // The lines printed after the heading, each time checked and cut off.
    static QStringList rows(const CliRun& run) {
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(kHeading)) << run.out.toStdString();
        const QRegularExpression today(QStringLiteral("^") + QDate::currentDate().toString(Qt::ISODate) +
                                       QStringLiteral(" \\d\\d:\\d\\d:\\d\\d\\t"));
        QStringList lines = run.out.mid(kHeading.size()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& line : lines) {
            EXPECT_TRUE(today.match(line).hasMatch()) << line.toStdString();
            line.remove(today);
        }
        return lines;
    }

    QTemporaryDir dir_;
    ClassRecord cls_;
};

TEST_F(HistoryCommand, AClassChangedByAnotherProgramIsRecordedOnceWithItsExactDifferences) {
    EXPECT_EQ(history().out, kHeading);  // no history yet: the class is only taken as it is

    cls_.assignments[0].namegrade[1] = "Bo~-";
    cls_.assignments[0].total = 12;
    cls_.students.emplace_back().name = "Cy";
    cls_.comments.push_back({"Cy", ""});
    cls_.assignments[0].namegrade.push_back("Cy~9");
    write();
    const QStringList expected = {
        "changed outside Markwell\t\tQuiz 1\t10\t12\tpossible points",
        "changed outside Markwell\tCy\t\t\t\tstudent added",
        "changed outside Markwell\tBo\tQuiz 1\t8\t-\tscore",
        "changed outside Markwell\tCy\tQuiz 1\t\t9\tscore",
    };
    EXPECT_EQ(rows(history()), expected);
    EXPECT_EQ(rows(history()), expected);  // recorded once

    EXPECT_EQ(rows(history({QStringLiteral("--student"), QStringLiteral("cy")})).size(), 2);
    EXPECT_EQ(rows(history({QStringLiteral("--assignment"), QStringLiteral("QUIZ 1")})).size(), 3);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
    EXPECT_EQ(rows(history({QStringLiteral("--since"), today, QStringLiteral("--until"), today})).size(), 4);
    EXPECT_TRUE(rows(history({QStringLiteral("--until"), yesterday})).isEmpty());
}

TEST_F(HistoryCommand, ForgettingAStudentRemovesEveryLineOfTheirs) {
    history();
    cls_.assignments[0].namegrade[0] = "Ann~1";
    cls_.assignments[0].namegrade[1] = "Bo~2";
    write();
    const CliRun forgot = history({QStringLiteral("--forget"), QStringLiteral("ann")});
    EXPECT_EQ(forgot.exitCode, 0) << forgot.err.toStdString();
    EXPECT_EQ(forgot.out, QStringLiteral("Forgot 1 line of ann in the history of %1.\n").arg(classPath()));
    EXPECT_EQ(rows(history()), QStringList{"changed outside Markwell\tBo\tQuiz 1\t8\t2\tscore"});
}

TEST_F(HistoryCommand, RefusesWhatIsNotADayAClassThatIsNotThereAndForgetWithFilters) {
    for (const QString& day :
         {QStringLiteral("2026-13-01"), QStringLiteral("3 Nov 2026"), QStringLiteral("2026-11-3")}) {
        const CliRun run = history({QStringLiteral("--since"), day});
        EXPECT_EQ(run.exitCode, 2) << day.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("YYYY-MM-DD"))) << run.err.toStdString();
    }
    EXPECT_EQ(
        history({QStringLiteral("--forget"), QStringLiteral("Ann"), QStringLiteral("--student"), QStringLiteral("Bo")})
            .exitCode,
        2);
    const CliRun missing = runCli({kHistory, dir_.filePath(QStringLiteral("none.grs"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
}

}  // namespace
