// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli history: the table as scripts read it, its filters, a class
// changed by another program, forgetting a student; every write of a
// command recorded once, with where it came from, also by writers at once
// and with a damaged database.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include "core/files/AtomicFile.h"
#include "core/files/GradeFile.h"
#include "core/history/GradeHistory.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace markwell;
using namespace markwell::test;

namespace {

const QString kHistory = QStringLiteral("history");
const QString kHeading = QStringLiteral("When\tFrom\tStudent\tAssignment\tOld\tNew\tWhat\n");

class HistoryCommand : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        cls_ = makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"7", "8"}}});
        writeClass();
    }
    QString classPath() const { return path("period1.grs"); }
    // The grade file as a program that is not Markwell writes it.
    void writeClass() { ASSERT_TRUE(writeFileAtomically(classPath(), serializeGradeFile(cls_).value())); }
    CliRun history(const QStringList& options = {}) const {
        return runCli(QStringList{kHistory, classPath()} + options);
    }
    // set-points of Quiz 1 from a CSV of "name,points" lines.
    QStringList setPoints(const QByteArray& lines, const QString& csvName = QStringLiteral("p.csv")) const {
        const QString csv = path(csvName);
        EXPECT_TRUE(writeFileAtomically(csv, "name,points\n" + lines));
        return {"set-points", classPath(), "--assignment", "Quiz 1", csv};
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

    ClassRecord cls_;
};

TEST_F(HistoryCommand, AClassChangedByAnotherProgramIsRecordedOnceWithItsExactDifferences) {
    EXPECT_EQ(history().out, kHeading);  // no history yet: the class is only taken as it is

    cls_.assignments[0].namegrade[1] = "Bo~-";
    cls_.assignments[0].total = 12;
    cls_.students.emplace_back().name = "Cy";
    cls_.comments.push_back({"Cy", ""});
    cls_.assignments[0].namegrade.push_back("Cy~9");
    writeClass();
    const QStringList expected = {
        "changed outside Markwell\t\tQuiz 1\t10\t12\tpossible points",
        "changed outside Markwell\tCy\t\t\t\tstudent added",
        "changed outside Markwell\tBo\tQuiz 1\t8\t-\tscore",
        "changed outside Markwell\tCy\tQuiz 1\t\t9\tscore",
    };
    EXPECT_EQ(rows(history()), expected);
    EXPECT_EQ(rows(history()), expected);  // recorded once

    EXPECT_EQ(rows(history({"--student", "cy"})).size(), 2);
    EXPECT_EQ(rows(history({"--assignment", "QUIZ 1"})).size(), 3);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
    EXPECT_EQ(rows(history({"--since", today, "--until", today})).size(), 4);
    EXPECT_TRUE(rows(history({"--until", yesterday})).isEmpty());
}

TEST_F(HistoryCommand, ForgettingAStudentRemovesEveryLineOfTheirsButNotWithFilters) {
    // What is not a day, a class that is not there and --forget with filters are refused.
    for (const char* day : {"2026-13-01", "3 Nov 2026", "2026-11-3"})
        expectRefused({kHistory, classPath(), "--since", day}, 2, "YYYY-MM-DD");
    expectRefused({kHistory, classPath(), "--forget", "Ann", "--student", "Bo"}, 2);
    expectRefused({kHistory, path("none.grs")}, 1);

    history();
    cls_.assignments[0].namegrade[0] = "Ann~1";
    cls_.assignments[0].namegrade[1] = "Bo~2";
    writeClass();
    EXPECT_EQ(outputOf({kHistory, classPath(), "--forget", "ann"}),
              QStringLiteral("Forgot 1 line of ann in the history of %1.\n").arg(classPath()));
    EXPECT_EQ(rows(history()), QStringList{"changed outside Markwell\tBo\tQuiz 1\t8\t2\tscore"});
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
    const QString restored = path("restored.grs");
    outputOf({"versions", classPath(), "--restore", "1", "-o", restored});
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
        EXPECT_EQ(cells[0], "markwell-cli set-points");
        EXPECT_EQ(cells[4], next) << line.toStdString();
        next = cells[3];
    }
    EXPECT_EQ(next, "7");
}

TEST_F(HistoryCommand, ADamagedDatabaseIsSaidOnceAndTheClassStillSaves) {
    history();
    ASSERT_TRUE(writeWholeFile(GradeHistory::historyDatabasePath(), QByteArray(8192, 'x')));
    const CliRun first = runCli(setPoints("Ann,9\n"));
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.err.count("a new one was started"), 1) << first.err.toStdString();
    const CliRun second = runCli(setPoints("Ann,10\n"));
    EXPECT_FALSE(second.err.contains("damaged")) << second.err.toStdString();
    // The history starts afresh from the class as the first save found it.
    EXPECT_EQ(rows(history()), (QStringList{"markwell-cli set-points\tAnn\tQuiz 1\t9\t10\tscore",
                                            "markwell-cli set-points\tAnn\tQuiz 1\t7\t9\tscore"}));
}

}  // namespace
