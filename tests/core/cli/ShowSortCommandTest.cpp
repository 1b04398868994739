// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show and sort on grade files written by the tests.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"

#include "core/common/Cp1252.h"
#include "core/files/AttendanceFile.h"
#include "core/files/SeatingFile.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

// Rule 1 never drops the Bonus (worth no points): Zoë's 8 and Ann's 6.5 go,
// and Bo's 38, his only score worth points.
//   Zoë  8 + 41 + 9 = 58, less 8 of 10:      50 of 50 = 100.00%  "A "
//   Ann  6.5 + 47 + 0 = 53.5, less 6.5 of 10: 47 of 50 = 94.00%  "A "
//   Bo   - + 38 + 5 = 43, less 38 of 50:      5 of 0 = 0.00%     "-"
// The scale is not in the settings store, so the file's bounds stay.
ClassRecord fixtureClass() {
    const std::string zoe = cp1252::fromUnicode(QStringLiteral("Zo\u00eb O'Brien")).value();
    ClassRecord cls = makeClass({zoe, "Ann Lee", "Bo Chen"}, {{"Quiz\t1", "Quiz", 10, {"8", "6.5", "-"}},
                                                              {"Test 1", "Test", 50, {"41", "47", "38"}},
                                                              {"Bonus", "Other", 0, {"9", "0", "5"}}});
    cls.gradeScale = expandedScale();
    cls.gradeScale.name = "Expanded for tests";
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

const QString kHeading = QStringLiteral("Names\tQuiz 1\tTest 1\tBonus\tTotal\tAverage\tGrade\n");
const QString kZoe = QStringLiteral("Zo\u00eb O'Brien\t8\t41\t9\t58\t100.00%\tA \n");
const QString kAnn = QStringLiteral("Ann Lee\t6.5\t47\t0\t53.5\t94.00%\tA \n");
const QString kBo = QStringLiteral("Bo Chen\t-\t38\t5\t43\t0.00%\t-\n");
const QString kFooter = QStringLiteral("\t\t\t\t\t\t\nTotal\t10\t50\t0\t60\t\t\n");

class ShowSortCommand : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        ASSERT_TRUE(writeGradeFile(path(), fixtureClass()).ok());
    }
    using CliFolder::path;
    QString path() const { return path("period3.grs"); }
};

}  // namespace

TEST_F(ShowSortCommand, ShowPrintsTheTableAndNothingElse) {
    const CliRun run = runCli({QStringLiteral("show"), path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeading + kZoe + kAnn + kBo + kFooter);
    EXPECT_EQ(run.err, QString());
}

TEST_F(ShowSortCommand, ShowDroppedListsTheDroppedCells) {
    const CliRun run = runCli({QStringLiteral("show"), path(), QStringLiteral("--dropped")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("2\t2\t8\n3\t2\t6.5\n4\t3\t38\n"));
}

TEST_F(ShowSortCommand, SortWritesTheNewOrderElsewhereAndPrintsTheTable) {
    const QByteArray before = fileContents(path());
    const CliRun run = runCli({QStringLiteral("sort"), path(), QStringLiteral("6"), QStringLiteral("-o"),
                               path(QStringLiteral("sorted.grs"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kHeading + kBo + kAnn + kZoe + kFooter);
    EXPECT_EQ(fileContents(path()), before);

    // Reopened, the class keeps the order, comments and point lists with it.
    const Result<ClassRecord> sorted = readGradeFile(path(QStringLiteral("sorted.grs")));
    ASSERT_TRUE(sorted.ok()) << sorted.message().toStdString();
    EXPECT_EQ(studentNames(*sorted)[0], "Bo Chen");
    EXPECT_EQ(sorted->comments[0].desc, "comment of Bo Chen");
    EXPECT_EQ(sorted->assignments[1].namegrade[0], "Bo Chen~38");
    EXPECT_EQ(runCli({QStringLiteral("show"), path(QStringLiteral("sorted.grs"))}).out, run.out);
}

TEST_F(ShowSortCommand, SortByAHeadingDescendingWritesBackToTheFile) {
    const CliRun run =
        runCli({QStringLiteral("sort"), path(), QStringLiteral("names"), QStringLiteral("--descending")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kHeading + kZoe + kBo + kAnn + kFooter);
    EXPECT_EQ(runCli({QStringLiteral("show"), path()}).out, run.out);
}

TEST_F(ShowSortCommand, SortPutsNamesInTheOrderOfTheUsersLanguage) {
    std::vector<std::string> names;
    for (const QString& name : {QStringLiteral("Zo\u00eb"), QStringLiteral("\u00d6rjan"), QStringLiteral("emile"),
                                QStringLiteral("Oscar"), QStringLiteral("\u00c9mile")}) {
        names.push_back(cp1252::fromUnicode(name).value());
    }
    const ClassRecord cls = makeClass(names, {{"Quiz", "Quiz", 10, std::vector<std::string>(5, "5")}});
    const QString file = path(QStringLiteral("accents.grs"));
    const auto sortedNames = [&](const QString& locale) {
        EXPECT_TRUE(writeGradeFile(file, cls).ok());
        const CliRun run = runCli({QStringLiteral("sort"), file, QStringLiteral("1")},
                                  {QStringLiteral("LC_ALL=") + locale, QStringLiteral("LANG=") + locale});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QStringList names;
        for (const QString& line : run.out.split(QLatin1Char('\n')).mid(1, 5))
            names << line.section(QLatin1Char('\t'), 0, 0);
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(sortedNames(QStringLiteral("C")), QStringLiteral("emile \u00c9mile \u00d6rjan Oscar Zo\u00eb"));
    EXPECT_EQ(sortedNames(QStringLiteral("sv_SE.UTF-8")), QStringLiteral("emile \u00c9mile Oscar Zo\u00eb \u00d6rjan"));
}

TEST_F(ShowSortCommand, RefusalsSayWhyOnStderrAndChangeNothing) {
    const QByteArray before = fileContents(path());
    const CliRun missing = runCli({QStringLiteral("show"), path(QStringLiteral("missing.grs"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("missing.grs"))) << missing.err.toStdString();

    for (const QStringList& args :
         {QStringList{QStringLiteral("sort"), path(), QStringLiteral("8")},
          QStringList{QStringLiteral("sort"), path(), QStringLiteral("Homework")},
          QStringList{QStringLiteral("sort"), path()},
          QStringList{QStringLiteral("show"), path(), QStringLiteral("--drop")}, QStringList{QStringLiteral("show")}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out, QString());
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(fileContents(path()), before);

    ASSERT_TRUE(writeGradeFile(path(QStringLiteral("empty.grs")), makeClass({}, {{"Q", "Quiz", 10, {}}})).ok());
    const CliRun empty = runCli({QStringLiteral("sort"), path(QStringLiteral("empty.grs")), QStringLiteral("1")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("no students"))) << empty.err.toStdString();
}

TEST_F(ShowSortCommand, SortToAnotherNameTakesTheAttendanceAndSeatsAlongAllOrNothing) {
    ASSERT_TRUE(writeAttendanceFile(path("period3.ATD"), {attendanceRecord(9, 2025, "Ann Lee", "T"),
                                                          attendanceRecord(10, 2025, "Bo Chen", "T")})
                    .ok());
    SeatingChart chart;
    chart.seats.resize(1);
    chart.seats[0].name = "Bo Chen";
    chart.seats[0].left = 200;
    ASSERT_TRUE(writeSeatingFile(path(QStringLiteral("period3.SEA")), chart).ok());

    const CliRun run = runCli({QStringLiteral("sort"), path(), QStringLiteral("Average"), QStringLiteral("-o"),
                               path(QStringLiteral("ranked.grs"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(fileContents(path(QStringLiteral("ranked.ATD"))), fileContents(path(QStringLiteral("period3.ATD"))));
    EXPECT_EQ(readSeatingFile(path(QStringLiteral("ranked.SEA"))).value(), chart);

    // Only a .grs name can take the .ATD and .SEA files beside it.
    const QStringList before = filesIn(dir_.path());
    const CliRun wrongName = runCli({QStringLiteral("sort"), path(), QStringLiteral("1"), QStringLiteral("-o"),
                                     path(QStringLiteral("ranked.txt"))});
    EXPECT_EQ(wrongName.exitCode, 2);
    EXPECT_TRUE(wrongName.err.contains(QStringLiteral("must end in .grs"))) << wrongName.err.toStdString();

    // A field the files cannot hold writes none of them.
    ClassRecord foreign = fixtureClass();
    foreign.students[0].city = std::string(45, 'c');
    ASSERT_TRUE(writeGradeFile(path(), foreign).ok());
    QByteArray bytes = fileContents(path());
    bytes.replace(QByteArray(45, 'c') + '\0', QByteArray(46, 'c'));
    ASSERT_TRUE(writeWholeFile(path(), bytes));
    const CliRun refused = runCli({QStringLiteral("sort"), path(), QStringLiteral("1"), QStringLiteral("-o"),
                                   path(QStringLiteral("refused.grs"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Unable to create ") + path(QStringLiteral("refused.grs"))))
        << refused.err.toStdString();
    EXPECT_EQ(refused.out, QString());
    EXPECT_EQ(filesIn(dir_.path()), before);
}

TEST_F(ShowSortCommand, SortInPlaceKeepsADamagedAttendanceFileAndSaysSo) {
    QByteArray damaged(140, '\0');
    damaged[0] = 42;  // month 42
    write("period3.ATD", damaged);

    const CliRun run = runCli({QStringLiteral("sort"), path(), QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kHeading + kAnn + kBo + kZoe + kFooter);
    EXPECT_TRUE(run.err.contains(QStringLiteral("record 1 holds month 42"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("was kept as it was"))) << run.err.toStdString();
    EXPECT_EQ(fileContents(path(QStringLiteral("period3.ATD"))), damaged);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("period3.SEA"))));

    // Reading alone says nothing about it.
    EXPECT_EQ(runCli({QStringLiteral("show"), path()}).err, QString());
}
