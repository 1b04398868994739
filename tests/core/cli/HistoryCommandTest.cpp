// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli history: the table as scripts read it, its filters, a class
// changed by another program, forgetting a student; every write of a
// command recorded once, with where it came from, also by writers at once
// and with a damaged database.

#include "tests/core/cli/CliRunner.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/files/AtomicFile.h"
#include "core/files/GradeFile.h"
#include "core/history/GradeHistory.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
    CliRun history(const QStringList& options = {}) const {
        return runCli(QStringList{kHistory, classPath()} + options);
    }
    // set-points of Quiz 1 from a CSV of "name,points" lines.
    QStringList setPoints(const QByteArray& lines, const QString& csvName = QStringLiteral("p.csv")) const {
        const QString csv = dir_.filePath(csvName);
        EXPECT_TRUE(writeFileAtomically(csv, "name,points\n" + lines));
        return {QStringLiteral("set-points"), classPath(), QStringLiteral("--assignment"), QStringLiteral("Quiz 1"),
                csv};
    }
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

TEST_F(HistoryCommand, EverySaveIsOneEntryFromWhereItCameFromAndARestoreCarriesTheHistory) {
    history();
    ASSERT_EQ(runCli(setPoints("Ann,9\n")).exitCode, 0);
    ASSERT_EQ(runCli(setPoints("Bo,10\n")).exitCode, 0);
    const QStringList saves = {
        "markwell-cli set-points\tBo\tQuiz 1\t8\t10\tscore",
        "markwell-cli set-points\tAnn\tQuiz 1\t7\t9\tscore",
    };
    EXPECT_EQ(rows(history()), saves);

    // Version 1 is the class before the first save; the restored class
    // continues the history of the one it is a version of.
    const QString restored = dir_.filePath(QStringLiteral("restored.grs"));
    const CliRun restore = runCli({QStringLiteral("versions"), classPath(), QStringLiteral("--restore"),
                                   QStringLiteral("1"), QStringLiteral("-o"), restored});
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    const QStringList afterRestore =
        QStringList{"restored version 1\tAnn\tQuiz 1\t9\t7\tscore", "restored version 1\tBo\tQuiz 1\t10\t8\tscore"} +
        saves;
    EXPECT_EQ(rows(runCli({kHistory, restored})), afterRestore);
    EXPECT_EQ(rows(history()), saves);  // the class it came from is as it was
}

TEST_F(HistoryCommand, EightWritersAtOnceEachHaveExactlyOneEntry) {
    history();
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < 8; ++w) {
        const QStringList args =
            setPoints("Ann," + QByteArray::number(20 + w) + '\n', QStringLiteral("p%1.csv").arg(w));
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(MARKWELL_CLI_PATH), args);
    }
    int saved = 0;
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        if (writer->exitCode() == 0) ++saved;
    }
    ASSERT_GT(saved, 0);
    // One line a save, each starting where the one before it ended: none
    // lost, doubled or taken for a change made outside Markwell.
    const QStringList lines = rows(history());
    ASSERT_EQ(lines.size(), saved);
    QString next = QString::fromStdString(readGradeFile(classPath())->assignments[0].namegrade[0]).section(u'~', 1);
    for (const QString& line : lines) {
        const QStringList cells = line.split(u'\t');
        EXPECT_EQ(cells[0], QStringLiteral("markwell-cli set-points"));
        EXPECT_EQ(cells[4], next) << line.toStdString();
        next = cells[3];
    }
    EXPECT_EQ(next, QStringLiteral("7"));
}

TEST_F(HistoryCommand, ADamagedDatabaseIsSaidOnceAndTheClassStillSaves) {
    history();
    QFile database(GradeHistory::historyDatabasePath());
    ASSERT_TRUE(database.open(QIODevice::WriteOnly | QIODevice::Truncate));
    database.write(QByteArray(8192, 'x'));
    database.close();
    const CliRun first = runCli(setPoints("Ann,9\n"));
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.err.count(QStringLiteral("a new one was started")), 1) << first.err.toStdString();
    const CliRun second = runCli(setPoints("Ann,10\n"));
    EXPECT_FALSE(second.err.contains(QStringLiteral("damaged"))) << second.err.toStdString();
    // The history starts afresh from the class as the first save found it.
    EXPECT_EQ(rows(history()), (QStringList{"markwell-cli set-points\tAnn\tQuiz 1\t9\t10\tscore",
                                            "markwell-cli set-points\tAnn\tQuiz 1\t7\t9\tscore"}));
}

}  // namespace
