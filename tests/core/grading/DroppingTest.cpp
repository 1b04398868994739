// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The lowest-score rules: which cell is dropped, what it takes from the
// totals, and what the table records for the red marking.

#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

constexpr int kFinal = 0, kTest = 1, kQuiz = 2, kLab = 4;

ClassRecord lowestOverall(ClassRecord cls) {
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

}  // namespace

TEST(DropLowestOverall, EqualScoresDropTheLeftOne) {
    const GradesTable table =
        buildGradesTable(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"7"}}, {"Q2", "Quiz", 10, {"7"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}}));
    // The Total column keeps both; the average is 7 of 10.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|7|7|14|70.00%|C"));
    EXPECT_EQ(table.sheet.format(2, 2).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 3).font.color, colour::kBlack);
}

TEST(DropLowestOverall, AllDashesDropNothingAndRecordNoCell) {
    const GradesTable table =
        buildGradesTable(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"-"}}, {"Q2", "Quiz", 10, {"-"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{-1, -1}}));
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|-|-|0|0.00%|-"));
    EXPECT_EQ(table.sheet.format(2, 2).font.color, colour::kBlack);
}

TEST(DropLowestOverall, TheOnlyCountedScoreIsDroppedLeavingNothing) {
    const GradesTable table =
        buildGradesTable(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"-"}}, {"Q2", "Quiz", 10, {"6"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 3}}));
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|-|6|6|0.00%|-"));
}

TEST(DropLowestOverall, ScoresOfAHundredThousandOrMoreAreNeverDropped) {
    const GradesTable table = buildGradesTable(
        lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"100000"}}, {"Q2", "Quiz", 10, {"100001"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{-1, -1}}));
}

TEST(DropLowestOverall, EveryRowRecordsItsCellInRowOrder) {
    const GradesTable table = buildGradesTable(lowestOverall(
        makeClass({"Ann", "Bo", "Cy"}, {{"Q1", "Quiz", 10, {"3", "9", "5"}}, {"Q2", "Quiz", 10, {"8", "2", "5"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}, {4, 2}}));
    EXPECT_EQ(studentColumn(table.sheet, 5), (QStringList{"80.00%", "90.00%", "50.00%"}));
}

TEST(DropLowestByType, TheLowestQuizGoesWithItsOwnPossiblePoints) {
    // 8 of 10 is dropped before 9 of 20: raw points, not percentages.
    ClassRecord cls = makeClass(
        {"Ann"}, {{"Quiz 1", "Quiz", 10, {"8"}}, {"Quiz 2", "Quiz", 20, {"9"}}, {"Test 1", "Test", 50, {"5"}}});
    dropByType(cls, {kQuiz});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}}));
    // 9 + 5 of 20 + 50 = 20%; the Total column still shows 22.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|8|9|5|22|20.00%|F"));
}

TEST(DropLowestByType, EveryEntryOfASharedNameTakesPart) {
    // Two students called Ann share a row, which shows the later entries
    // (9 and 7); the rule walks all four entries and drops the 6 of Q1.
    ClassRecord cls = makeClass({"Ann", "Ann"}, {{"Q1", "Quiz", 10, {"6", "9"}}, {"Q2", "Quiz", 10, {"8", "7"}}});
    dropByType(cls, {kQuiz});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}}));
    // Row cells 9 + 7 = 16 of 20, less 6 and Q1's 10: 10 of 10.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|9|7|16|100.00%|A"));
}

TEST(DropRules, AnUnknownRuleDropsNothing) {
    ClassRecord cls = makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"2"}}, {"Q2", "Quiz", 10, {"8"}}});
    cls.lowScoreInfo.drop_type = 7;
    const GradesTable table = buildGradesTable(cls);
    EXPECT_TRUE(table.dropCellIndex.empty());
    EXPECT_EQ(table.sheet.text(2, 5), QStringLiteral("50.00%"));
}

TEST(PointTotalsOfOneRow, ReadTheCellsAsTheyStandNow) {
    ClassRecord cls = makeClass({"Ann", "Bo"}, {{"Q1", "Quiz", 10, {"3", "9"}}, {"Q2", "Quiz", 20, {"8", "2"}}});
    cls.lowScoreInfo.drop_type = 1;
    GradesTable table = buildGradesTable(cls);
    std::vector<DroppedCell> dropped;
    PointTotals bo = PointTotalsCalculator(table.sheet, cls).forRow(3, &dropped);
    EXPECT_EQ(bo.earned, 9);     // 11 less the 2 of Q2
    EXPECT_EQ(bo.possible, 10);  // 30 less Q2's 20
    EXPECT_EQ(dropped, (std::vector<DroppedCell>{{3, 3}}));

    // A value typed into the table counts until the next rebuild.
    table.sheet.setNumber(3, 3, 15);
    bo = PointTotalsCalculator(table.sheet, cls).forRow(3);
    EXPECT_EQ(bo.earned, 15);
    EXPECT_EQ(bo.possible, 20);
    // Rows outside the student rows have nothing.
    EXPECT_EQ(PointTotalsCalculator(table.sheet, cls).forRow(5).possible, 0);
}

// Which cell each rule drops for one student, and the average left. Extra
// credit (no possible points) is never the score a rule forgives, and the
// rules count only the assignments worth points.
TEST(DropRules, EachRuleDropsItsCellAndLeavesItsAverage) {
    struct Case {
        const char* what;
        std::int32_t rule;
        std::vector<AssignmentSpec> assignments;
        std::vector<DroppedCell> dropped;
        QString average;
        std::vector<int> flagged = {kQuiz};  // under the by-type rule
    };
    const std::vector<Case> cases = {
        {"overall: raw points decide, not percentages: a 4 of 4 goes before 50 of 100",
         droprule::kLowestOverall,
         {{"Test", "Test", 100, {"50"}}, {"Quiz", "Quiz", 4, {"4"}}},
         {{2, 3}},
         QStringLiteral("50.00%")},
        {"overall: one assignment drops and records nothing",
         droprule::kLowestOverall,
         {{"Q1", "Quiz", 10, {"3"}}},
         {},
         QStringLiteral("30.00%")},
        // Test before Quiz before Lab; the Lab has no assignment and records -1.
        // Left: Q2 6 + T1 70 + F 50 = 126 of 210; of the tied quizzes the earlier goes.
        {"by type: flagged types drop in type order",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}},
          {"T1", "Test", 100, {"70"}},
          {"Q2", "Quiz", 10, {"6"}},
          {"T2", "Test", 100, {"65"}},
          {"F", "Final", 100, {"50"}}},
         {{2, 5}, {2, 2}, {2, -1}},
         QStringLiteral("60.00%"),
         {kQuiz, kTest, kLab}},
        {"by type: a flagged type without assignments changes nothing",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Q2", "Quiz", 10, {"8"}}},
         {{2, -1}},
         QStringLiteral("70.00%"),
         {kLab}},
        {"by type: a single score of a flagged type goes when the class has two assignments",
         droprule::kLowestPerType,
         {{"F", "Final", 100, {"40"}}, {"Q1", "Quiz", 10, {"8"}}},
         {{2, 2}},
         QStringLiteral("80.00%"),
         {kFinal}},
        {"by type: one assignment drops nothing but records each flagged type",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"3"}}},
         {{2, -1}, {2, -1}},
         QStringLiteral("30.00%"),
         {kTest, kQuiz}},
        {"by type: dashes and assignments of no type are never dropped",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"-"}}, {"Untyped", "", 10, {"1"}}, {"Q2", "Quiz", 10, {"9"}}},
         {{2, 4}},
         QStringLiteral("10.00%")},
        {"overall: the bonus is lowest, the weaker real score goes",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"80"}}, {"Bonus", "Other", 0, {"5"}}, {"T2", "Test", 100, {"60"}}},
         {{2, 4}},
         QStringLiteral("85.00%")},
        {"overall: several bonuses, one dash",
         droprule::kLowestOverall,
         {{"B1", "Other", 0, {"1"}},
          {"Q1", "Quiz", 10, {"-"}},
          {"B2", "Quiz", 0, {"0"}},
          {"Q2", "Quiz", 10, {"7"}},
          {"Q3", "Quiz", 10, {"9"}}},
         {{2, 5}},
         QStringLiteral("100.00%")},
        {"overall: one real assignment beside extra credit drops nothing",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"70"}}, {"Bonus", "Test", 0, {"3"}}},
         {},
         QStringLiteral("73.00%")},
        {"overall: only bonuses scored records no cell",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"-"}}, {"T2", "Test", 100, {"-"}}, {"Bonus", "Test", 0, {"3"}}},
         {{-1, -1}},
         QStringLiteral("0.00%")},
        {"by type: the flagged type's bonus stays",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Bonus", "Quiz", 0, {"2"}}, {"Q2", "Quiz", 10, {"8"}}},
         {{2, 2}},
         QStringLiteral("100.00%")},
        {"by type: a type of bonuses only records no cell",
         droprule::kLowestPerType,
         {{"T1", "Test", 50, {"40"}}, {"T2", "Test", 50, {"30"}}, {"Bonus", "Quiz", 0, {"2"}}},
         {{2, -1}},
         QStringLiteral("72.00%")},
        {"by type: one real assignment beside extra credit drops nothing",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Bonus", "Quiz", 0, {"1"}}, {"B2", "Quiz", 0, {"1"}}},
         {{2, -1}},
         QStringLiteral("80.00%")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClassRecord cls = makeClass({"Ann"}, {});
        for (const AssignmentSpec& a : c.assignments) {
            cls.assignments.push_back(makeClass({"Ann"}, {a}).assignments.front());
        }
        if (c.rule == droprule::kLowestPerType) {
            for (int type : c.flagged) cls.lowScoreInfo.setFlag(type, true);
        }
        cls.lowScoreInfo.drop_type = c.rule;
        const GradesTable table = buildGradesTable(cls);
        EXPECT_EQ(table.dropCellIndex, c.dropped);
        EXPECT_EQ(table.sheet.text(2, GradesLayout::of(table.sheet).averageCol()), c.average);
    }
}
