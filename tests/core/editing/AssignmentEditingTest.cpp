// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Adding, changing and importing assignments keeps the point lists whole;
// grade entry stores row y into entry y, and named rows go to the k-th
// student of their name; weights and the drop rule are checked before they
// are kept.

#include "tests/core/grading/GradesFixture.h"

#include "core/editing/AssignmentEditing.h"
#include "core/editing/GradeEntry.h"
#include "core/editing/GradingRules.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using Entries = std::vector<std::string>;

ClassRecord threeStudents() {
    return makeClass({"Ann", "MaryAnn", "Bo"}, {{"Quiz", "Quiz", 10, {"8", "9", "-"}}});
}

AssignmentForm form(const char* title, const char* type, const char* description = "") {
    return {QString::fromUtf8(title), QString::fromUtf8(type), QString::fromUtf8(description)};
}

WeightedGrades weights(std::array<std::int32_t, 6> values, bool use) {
    WeightedGrades w;
    for (int i = 0; i < 6; ++i) w.setWeight(i, values[static_cast<std::size_t>(i)]);
    w.enabled = use;
    return w;
}

DropLowScoreInfo rule(std::int32_t type, std::array<bool, 6> flags = {}) {
    DropLowScoreInfo r;
    r.drop_type = type;
    for (int i = 0; i < 6; ++i) r.setFlag(i, flags[static_cast<std::size_t>(i)]);
    return r;
}

}  // namespace

TEST(AssignmentEditing, AddAndUpdateNeedTitleAndTypeGiveZeroPointsAndKeepThem) {
    ClassRecord cls = threeStudents();
    const Result<std::size_t> added = addAssignment(cls, form("  Lab 1 ", "Lab", " Pendulum\nbring a watch "));
    ASSERT_TRUE(added.ok()) << added.message().toStdString();
    const AssignmentInfo& lab = cls.assignments[*added];
    EXPECT_EQ(lab.title, "Lab 1");
    EXPECT_EQ(lab.assign_type, "Lab");
    EXPECT_EQ(lab.description, "Pendulum\r\nbring a watch");
    EXPECT_EQ(lab.total, 0);
    EXPECT_EQ(lab.namegrade, (Entries{"Ann~0", "MaryAnn~0", "Bo~0"}));
    ASSERT_TRUE(updateAssignment(cls, 0, form(" Pop quiz ", "Test", "surprise")).ok());
    EXPECT_EQ(cls.assignments[0].title, "Pop quiz");
    EXPECT_EQ(cls.assignments[0].assign_type, "Test");
    EXPECT_EQ(cls.assignments[0].total, 10);
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-"}));
    cls = threeStudents();
    const ClassRecord before = cls;
    EXPECT_EQ(addAssignment(cls, form("  ", "Quiz")).message(), QStringLiteral("Invalid assignment title!"));
    EXPECT_EQ(addAssignment(cls, form("Quiz 2", "")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_EQ(addAssignment(cls, form("Quiz 2", "quiz")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_FALSE(addAssignment(cls, form(std::string(256, 't').c_str(), "Quiz")).ok());
    EXPECT_FALSE(addAssignment(cls, form("Quiz 2", "Quiz", std::string(501, 'd').c_str())).ok());
    // Without a type an assignment would silently leave weights and dropping.
    EXPECT_EQ(updateAssignment(cls, 0, form("Quiz", "")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_EQ(updateAssignment(cls, 0, form("", "Quiz")).message(), QStringLiteral("Invalid assignment title!"));
    EXPECT_EQ(cls, before);
}

TEST(AssignmentEditing, DeleteMoveClearAndImport) {
    ClassRecord cls = threeStudents();
    ASSERT_TRUE(addAssignment(cls, form("Test", "Test")).ok());
    ASSERT_TRUE(moveAssignment(cls, 1, MoveDirection::Up));
    EXPECT_EQ(cls.assignments[0].title, "Test");
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-"}));  // points move with it
    EXPECT_FALSE(moveAssignment(cls, 0, MoveDirection::Up));
    EXPECT_FALSE(moveAssignment(cls, 1, MoveDirection::Down));
    ASSERT_TRUE(deleteAssignment(cls, 0));
    EXPECT_FALSE(deleteAssignment(cls, 1));
    EXPECT_EQ(cls.assignments.size(), 1u);

    // Imported assignments come as they are, but with this class's students at 0.
    const AssignmentInfo foreign{"Final", "Chapters 1-9", "Final", 200, {"Zed~150"}};
    importAssignments(cls, {foreign, foreign});
    ASSERT_EQ(cls.assignments.size(), 3u);
    EXPECT_EQ(cls.assignments[2].title, "Final");
    EXPECT_EQ(cls.assignments[2].description, "Chapters 1-9");
    EXPECT_EQ(cls.assignments[2].total, 0);
    EXPECT_EQ(cls.assignments[2].namegrade, (Entries{"Ann~0", "MaryAnn~0", "Bo~0"}));

    clearAssignments(cls);
    EXPECT_TRUE(cls.assignments.empty());
    EXPECT_EQ(cls.students.size(), 3u);
}

TEST(GradeEntry, RowYIsEntryYSoTheSecondAnnKeepsHerOwnPoints) {
    const Sheet sheet = gradeEntrySheet(twoAnns().assignments[0]);
    EXPECT_EQ(sheet.colHeading(1), QStringLiteral("Names"));
    EXPECT_EQ(sheet.colHeading(2), QStringLiteral("Points"));
    EXPECT_EQ(tableText(sheet), (QStringList{"Ann|1", "Bo|2", "Ann|3"}));
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

TEST(Weights, UsedWeightsAreWholePercentagesThatMakeAHundred) {
    ClassRecord cls;
    ASSERT_TRUE(setWeights(cls, weights({50, 30, 20, 0, 0, 0}, true)).ok());
    EXPECT_EQ(cls.weightGrades, weights({50, 30, 20, 0, 0, 0}, true));

    // Switching them off keeps the shares for later, whatever they add up to.
    ASSERT_TRUE(setWeights(cls, weights({50, 30, 0, 0, 0, 0}, false)).ok());
    EXPECT_EQ(cls.weightGrades, weights({50, 30, 0, 0, 0, 0}, false));

    const ClassRecord before = cls;
    const Result<void> short_ = setWeights(cls, weights({50, 30, 15, 0, 0, 0}, true));
    ASSERT_FALSE(short_.ok());
    EXPECT_EQ(short_.message(), QStringLiteral("Percentage values do not equal to 100%"));
    EXPECT_FALSE(setWeights(cls, weights({50, 30, 25, 0, 0, 0}, true)).ok());
    // Out of range, even when the sum is right.
    EXPECT_FALSE(setWeights(cls, weights({120, -20, 0, 0, 0, 0}, true)).ok());
    EXPECT_FALSE(setWeights(cls, weights({0, 0, 0, 0, 0, 101}, false)).ok());
    EXPECT_EQ(cls, before);
}

TEST(DropRule, OnlyTheByTypeRuleKeepsItsFlagsAndAnUnknownRuleShowsAsDroppingNothing) {
    ClassRecord cls;
    ASSERT_TRUE(setDropRule(cls, rule(droprule::kLowestPerType, {false, true, true, false, false, true})).ok());
    EXPECT_EQ(cls.lowScoreInfo, rule(2, {false, true, true, false, false, true}));
    ASSERT_TRUE(setDropRule(cls, rule(droprule::kLowestOverall, {true, true, true, true, true, true})).ok());
    EXPECT_EQ(cls.lowScoreInfo, rule(1));
    ASSERT_TRUE(setDropRule(cls, rule(droprule::kNone, {true})).ok());
    EXPECT_EQ(cls.lowScoreInfo, rule(0));

    const ClassRecord before = cls;
    EXPECT_FALSE(setDropRule(cls, rule(3)).ok());
    EXPECT_FALSE(setDropRule(cls, rule(-1)).ok());
    EXPECT_EQ(cls, before);
    // Shown as "by type" (what the dialog used to do) OK would make it drop.
    EXPECT_EQ(dropRuleAsShown(rule(7, {true, true})), rule(droprule::kNone));
    EXPECT_EQ(dropRuleAsShown(rule(-3)), rule(droprule::kNone));
    EXPECT_EQ(dropRuleAsShown(rule(1, {true})), rule(droprule::kLowestOverall));
    EXPECT_EQ(dropRuleAsShown(rule(2, {true, false, true})), rule(2, {true, false, true}));
}
