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

using EditCommands = CliFolder;

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

TEST_F(EditCommands, ImportStudentsAddsEveryRowOrNone) {
    ASSERT_EQ(runCli({"new", path("c.grs")}).exitCode, 0);
    ASSERT_EQ(runCli({"add-assignment", path("c.grs"), "--title=Quiz", "--type=Quiz"}).exitCode, 0);
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

TEST_F(EditCommands, ImportStudentsNamesEveryControlCharacterAndKeepsPercentSigns) {
    ASSERT_EQ(runCli({"new", path("c.grs")}).exitCode, 0);
    const QByteArray before = classBytes(path("c.grs"));
    const QString bad = write("bad.csv", "name,city,comment\n"
                                         "\"Ann\nLee\",X,\n"
                                         "Bo %1,X,\n"
                                         "bo %1,%2,\"Two\nlines\"\n"
                                         "Cy,Oak\tRidge,\n");
    const CliRun refused = runCli({"import-students", path("c.grs"), bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("markwell-cli: %1: line 2: The name cannot hold a line break: \"Ann Lee\".\n"
                                          "markwell-cli: %1: line 5: \"bo %2\" is also on line 4\n"
                                          "markwell-cli: %1: line 7: The city cannot hold a tab: \"Oak Ridge\".\n"
                                          "markwell-cli: %1: 3 rows refused; nothing was written\n")
                               .arg(bad, "%1"));
    EXPECT_EQ(classBytes(path("c.grs")), before);
}

TEST_F(EditCommands, AssignmentsTotalsAndPoints) {
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

    const CliRun total = runCli({"set-total", path("c.grs"), "--index", "1", "30"});
    ASSERT_EQ(total.exitCode, 0) << total.err.toStdString();
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

    // Usage errors.
    expectRefused({"set-total", path("c.grs"), "--index=1", "--assignment=Lab 1", "3"}, 2);
    expectRefused({"set-total", path("c.grs"), "3"}, 2);
    expectRefused({"add-assignment", path("c.grs"), "--title=X"}, 2);
    expectRefused({"set-points", path("c.grs"), "--index=1", points, "--bogus"}, 2);
    EXPECT_EQ(classBytes(path("c.grs")), before);
}

// Titles and file names are the teacher's text: a "%1" in them stays as typed
// in every summary and refusal, however many numbers the line also carries.
TEST_F(EditCommands, PercentSignsInTitlesAndFileNamesStayAsTyped) {
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
