// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Grade entry stores row y into entry y; named rows go to the k-th student
// of their name.

#include "tests/core/grading/GradesFixture.h"

#include "core/editing/GradeEntry.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using Entries = std::vector<std::string>;

}  // namespace

TEST(GradeEntry, TheGridShowsEveryEntryInListOrder) {
    const Sheet sheet = gradeEntrySheet(twoAnns().assignments[0]);
    EXPECT_EQ(sheet.colHeading(1), QStringLiteral("Names"));
    EXPECT_EQ(sheet.colHeading(2), QStringLiteral("Points"));
    EXPECT_EQ(tableText(sheet), (QStringList{"Ann|1", "Bo|2", "Ann|3"}));
}

TEST(GradeEntry, RowYIsEntryYSoTheSecondAnnKeepsHerOwnPoints) {
    ClassRecord cls = twoAnns();
    ASSERT_TRUE(setEntryPoints(cls.assignments[0], 2, QStringLiteral(" 9.5 ")).ok());
    ASSERT_TRUE(setEntryPoints(cls.assignments[0], 0, QStringLiteral("-")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~-", "Bo~2", "Ann~9.5"}));
    ASSERT_TRUE(setEntryPoints(cls.assignments[0], 1, QString()).ok());
    EXPECT_EQ(cls.assignments[0].namegrade[1], "Bo~0");

    const AssignmentInfo before = cls.assignments[0];
    EXPECT_FALSE(setEntryPoints(cls.assignments[0], 1, QStringLiteral("12-")).ok());
    EXPECT_FALSE(setEntryPoints(cls.assignments[0], 3, QStringLiteral("1")).ok());
    EXPECT_EQ(cls.assignments[0], before);
}

TEST(GradeEntry, TotalAndClear) {
    AssignmentInfo quiz = twoAnns().assignments[0];
    ASSERT_TRUE(setTotal(quiz, QStringLiteral("12.5")).ok());
    EXPECT_EQ(quiz.total, 12.5);
    EXPECT_FALSE(setTotal(quiz, QStringLiteral("1e2")).ok());
    EXPECT_EQ(quiz.total, 12.5);
    ASSERT_TRUE(setTotal(quiz, QStringLiteral(" ")).ok());
    EXPECT_EQ(quiz.total, 0);

    quiz.total = 10;
    clearPoints(quiz);
    EXPECT_EQ(quiz.namegrade, (Entries{"Ann~0", "Bo~0", "Ann~0"}));
    EXPECT_EQ(quiz.total, 0);

    AssignmentInfo empty;  // a class without students: nothing to clear
    empty.total = 10;
    clearPoints(empty);
    EXPECT_EQ(empty.total, 10);
}

TEST(GradeEntry, NamedRowsGoToTheStudentsOfThatNameInOrder) {
    ClassRecord cls = twoAnns();
    const std::vector<RowProblem> problems = setPointsByName(cls, 0, {{2, "Ann", "40"}, {3, " Ann ", "41"}});
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~40", "Bo~2", "Ann~41"}));

    // Every bad row is reported and nothing is stored.
    const ClassRecord before = cls;
    const std::vector<RowProblem> refused =
        setPointsByName(cls, 0, {{2, "Bo", "7"}, {3, "Cy", "1"}, {4, "Bo", "2"}, {5, "Ann", "1e5"}});
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[0].line, 3);
    EXPECT_TRUE(refused[0].reason.contains(QStringLiteral("Cy")));
    EXPECT_EQ(refused[1].line, 4);
    EXPECT_EQ(refused[2].line, 5);
    EXPECT_EQ(cls, before);
}
