// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli new, import-students, add-assignment, set-points and
// set-total: one summary line on success; on refusal every reason on stderr,
// exit 1 and no file touched; exit 2 for usage errors.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using EditCommands = CliFolder;

const QString kNew = QStringLiteral("new");
const QString kImport = QStringLiteral("import-students");
const QString kAdd = QStringLiteral("add-assignment");
const QString kPoints = QStringLiteral("set-points");
const QString kTotal = QStringLiteral("set-total");

}  // namespace

TEST_F(EditCommands, NewWritesTheClassFileNewGivesAndNeverOverwritesUnasked) {
    const CliRun made = runCli({kNew, path("c.grs")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(made.out,
              QStringLiteral("Created %1: a new class with the grade scale \"<Default>\".\n").arg(path("c.grs")));
    const ClassRecord cls = read(path("c.grs"));
    EXPECT_TRUE(cls.students.empty() && cls.assignments.empty());
    EXPECT_EQ(cls.gradeScale.name, "<Default>");
    EXPECT_EQ(cls.gradeScale.num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");
    EXPECT_EQ(fileContents(path("c.ATD")), QByteArray());
    EXPECT_EQ(fileContents(path("c.SEA")).size(), 232);

    ASSERT_EQ(runCli({kAdd, path("c.grs"), QStringLiteral("--title=Quiz"), QStringLiteral("--type=Quiz")}).exitCode, 0);
    const QByteArray before = classBytes(path("c.grs"));
    const CliRun again = runCli({kNew, path("c.grs")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("--force")));
    EXPECT_EQ(classBytes(path("c.grs")), before);
    EXPECT_EQ(runCli({kNew, path("c.grs"), QStringLiteral("--force")}).exitCode, 0);
    EXPECT_TRUE(read(path("c.grs")).assignments.empty());

    const CliRun unknownScale = runCli({kNew, path("d.grs"), QStringLiteral("--scale"), QStringLiteral("Curve")});
    EXPECT_EQ(unknownScale.exitCode, 1);
    EXPECT_TRUE(unknownScale.err.contains(QStringLiteral("\"Curve\"")));
    EXPECT_FALSE(QFile::exists(path("d.grs")) || QFile::exists(path("d.ATD")));
    EXPECT_EQ(runCli({kNew, path("d.txt")}).exitCode, 2);
    EXPECT_EQ(runCli({kNew}).exitCode, 2);
}

TEST_F(EditCommands, ImportStudentsAddsEveryRowOrNone) {
    ASSERT_EQ(runCli({kNew, path("c.grs")}).exitCode, 0);
    ASSERT_EQ(runCli({kAdd, path("c.grs"), QStringLiteral("--title=Quiz"), QStringLiteral("--type=Quiz")}).exitCode, 0);
    const QString good = write("good.csv", "\xEF\xBB\xBFname,id,comment\r\n"
                                           "Zo\xC3\xAB O'Brien,Z-1,\"Front row.\r\nLikes maps.\"\r\n"
                                           "\"Lee, Ann\",A-2,\r\n");
    const CliRun imported = runCli({kImport, path("c.grs"), good});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("Imported 2 students into %1, which now has 2.\n").arg(path("c.grs")));
    const ClassRecord cls = read(path("c.grs"));
    ASSERT_EQ(cls.students.size(), 2u);
    EXPECT_EQ(cls.students[0].name, "Zo\xEB O'Brien");
    EXPECT_EQ(cls.students[1].name, "Lee, Ann");
    EXPECT_EQ(cls.comments[0].desc, "Front row.\r\nLikes maps.");
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Zo\xEB O'Brien~0", "Lee, Ann~0"}));

    const QByteArray before = classBytes(path("c.grs"));
    const QString bad = write("bad.csv", "name,state\nBo,TX\nlee; ann,NY\n\"lee, ANN\",NY\nCy,Texas\n");
    const CliRun refused = runCli({kImport, path("c.grs"), bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, QString());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("bad.csv: line 4: \"lee, ANN\" is already in the class")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("bad.csv: line 5: The state is 5 characters long")));
    EXPECT_TRUE(refused.err.contains(QStringLiteral("2 rows refused; nothing was written")));
    EXPECT_EQ(classBytes(path("c.grs")), before);

    EXPECT_EQ(runCli({kImport, path("c.grs"), write("cols.csv", "name,grade\nBo,A\n")}).exitCode, 1);
    EXPECT_EQ(runCli({kImport, path("c.grs"), write("quote.csv", "name\n\"Bo\n")}).exitCode, 1);
    EXPECT_EQ(runCli({kImport, path("c.grs"), path("missing.csv")}).exitCode, 1);
    EXPECT_EQ(classBytes(path("c.grs")), before);
    EXPECT_EQ(runCli({kImport, path("c.grs")}).exitCode, 2);
}

TEST_F(EditCommands, ImportStudentsNamesEveryControlCharacterAndKeepsPercentSigns) {
    ASSERT_EQ(runCli({kNew, path("c.grs")}).exitCode, 0);
    const QByteArray before = classBytes(path("c.grs"));
    const QString bad = write("bad.csv", "name,city,comment\n"
                                         "\"Ann\nLee\",X,\n"
                                         "Bo %1,X,\n"
                                         "bo %1,%2,\"Two\nlines\"\n"
                                         "Cy,Oak\tRidge,\n");
    const CliRun refused = runCli({kImport, path("c.grs"), bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("markwell-cli: %1: line 2: The name cannot hold a line break: \"Ann Lee\".\n"
                                          "markwell-cli: %1: line 5: \"bo %2\" is also on line 4\n"
                                          "markwell-cli: %1: line 7: The city cannot hold a tab: \"Oak Ridge\".\n"
                                          "markwell-cli: %1: 3 rows refused; nothing was written\n")
                               .arg(bad, QStringLiteral("%1")));
    EXPECT_EQ(classBytes(path("c.grs")), before);
}

TEST_F(EditCommands, StatsOfAClassWithoutStudentsGiveTheAssignmentsTotal) {
    ASSERT_EQ(runCli({kNew, path("e.grs")}).exitCode, 0);
    ASSERT_EQ(runCli({kAdd, path("e.grs"), QStringLiteral("--title"), QStringLiteral("50"), QStringLiteral("--type"),
                      QStringLiteral("Test"), QStringLiteral("--total"), QStringLiteral("20")})
                  .exitCode,
              0);
    const CliRun stats =
        runCli({QStringLiteral("stats"), path("e.grs"), QStringLiteral("--index"), QStringLiteral("1")});
    ASSERT_EQ(stats.exitCode, 0) << stats.err.toStdString();
    EXPECT_TRUE(stats.out.contains(QStringLiteral("\nTotal Possible\t20\t100.00%\n"))) << stats.out.toStdString();
}

TEST_F(EditCommands, ChangesGoToTheOutputFileWithItsSiblings) {
    ASSERT_EQ(runCli({kNew, path("c.grs")}).exitCode, 0);
    const QByteArray before = classBytes(path("c.grs"));
    const CliRun imported =
        runCli({kImport, path("c.grs"), write("s.csv", "name\nAnn\n"), QStringLiteral("-o"), path("d.grs")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(classBytes(path("c.grs")), before);
    EXPECT_EQ(read(path("d.grs")).students.size(), 1u);
    EXPECT_TRUE(QFile::exists(path("d.ATD")) && QFile::exists(path("d.SEA")));
    EXPECT_EQ(runCli({kImport, path("c.grs"), path("s.csv"), QStringLiteral("-o"), path("d.txt")}).exitCode, 2);
}

TEST_F(EditCommands, AssignmentsTotalsAndPoints) {
    ClassRecord cls = makeClass({"Ann", "Bo", "Ann"}, {});
    ASSERT_TRUE(writeGradeFile(path("c.grs"), cls).ok());

    const CliRun added = runCli({kAdd, path("c.grs"), QStringLiteral("--title"), QStringLiteral(" Lab 1 "),
                                 QStringLiteral("--type"), QStringLiteral("lab"), QStringLiteral("--total"),
                                 QStringLiteral("25"), QStringLiteral("--description"), QStringLiteral("Pendulum")});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("Added \"Lab 1\" (assignment 1) to %1: Lab, total 25.\n").arg(path("c.grs")));

    // The two Anns take their rows in order; Bo keeps his points.
    const QString points = write("p.csv", "name,points\nAnn,20\nAnn, 12.5 \n");
    const CliRun stored =
        runCli({kPoints, path("c.grs"), QStringLiteral("--assignment"), QStringLiteral("Lab 1"), points});
    ASSERT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    EXPECT_EQ(stored.out, QStringLiteral("Stored 2 points of \"Lab 1\" (assignment 1) in %1.\n").arg(path("c.grs")));
    EXPECT_EQ(read(path("c.grs")).assignments[0].namegrade, (std::vector<std::string>{"Ann~20", "Bo~0", "Ann~12.5"}));

    const CliRun total =
        runCli({kTotal, path("c.grs"), QStringLiteral("--index"), QStringLiteral("1"), QStringLiteral("30")});
    ASSERT_EQ(total.exitCode, 0) << total.err.toStdString();
    EXPECT_EQ(read(path("c.grs")).assignments[0].total, 30);

    const QByteArray before = classBytes(path("c.grs"));
    const CliRun unknown = runCli(
        {kPoints, path("c.grs"), QStringLiteral("--index=1"), write("q.csv", "name,points\nBo,5\nZed,3\nAnn,1e5\n")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("q.csv: line 3: no student is named \"Zed\"")));
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("q.csv: line 4: \"1e5\" is not a number of points")));
    EXPECT_EQ(runCli({kTotal, path("c.grs"), QStringLiteral("--index=1"), QStringLiteral("1e3")}).exitCode, 1);
    EXPECT_EQ(runCli({kTotal, path("c.grs"), QStringLiteral("--index=2"), QStringLiteral("3")}).exitCode, 1);
    EXPECT_EQ(runCli({kTotal, path("c.grs"), QStringLiteral("--assignment=Lab"), QStringLiteral("3")}).exitCode, 1);
    EXPECT_EQ(runCli({kAdd, path("c.grs"), QStringLiteral("--title=X"), QStringLiteral("--type=X"),
                      QStringLiteral("--total=abc")})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({kAdd, path("c.grs"), QStringLiteral("--title=X"), QStringLiteral("--type=Quiz"),
                      QStringLiteral("--total=abc")})
                  .exitCode,
              1);
    EXPECT_EQ(classBytes(path("c.grs")), before);

    // Usage errors.
    EXPECT_EQ(runCli({kTotal, path("c.grs"), QStringLiteral("--index=1"), QStringLiteral("--assignment=Lab 1"),
                      QStringLiteral("3")})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({kTotal, path("c.grs"), QStringLiteral("3")}).exitCode, 2);
    EXPECT_EQ(runCli({kAdd, path("c.grs"), QStringLiteral("--title=X")}).exitCode, 2);
    EXPECT_EQ(runCli({kPoints, path("c.grs"), QStringLiteral("--index=1"), points, QStringLiteral("--bogus")}).exitCode,
              2);
    EXPECT_EQ(classBytes(path("c.grs")), before);
}

// Titles and file names are the teacher's text: a "%1" in them stays as typed
// in every summary and refusal, however many numbers the line also carries.
TEST_F(EditCommands, PercentSignsInTitlesAndFileNamesStayAsTyped) {
    ASSERT_TRUE(writeGradeFile(path("c%1.grs"), makeClass({"Ann"}, {})).ok());

    const CliRun added =
        runCli({kAdd, path("c%1.grs"), QStringLiteral("--title=Bonus %1"), QStringLiteral("--type=Quiz")});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("Added \"Bonus %1\" (assignment 1) to ") + path("c%1.grs") +
                             QStringLiteral(": Quiz, total 0.\n"));

    const CliRun imported = runCli({kImport, path("c%1.grs"), write("s.csv", "name\nBo\n")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out,
              QStringLiteral("Imported 1 student into ") + path("c%1.grs") + QStringLiteral(", which now has 2.\n"));

    const CliRun refused =
        runCli({kPoints, path("c%1.grs"), QStringLiteral("--index=1"), write("p%1.csv", "name,points\nZed,3\n")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(path("p%1.csv") + QStringLiteral(": line 2: no student is named \"Zed\"")))
        << refused.err.toStdString();
}
