// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// How the grades table lays a class out: rows, columns, points, the Total row
// and the Total column, and what damaged point lists do to it.

#include "core/grading/GradesTable.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

TEST(GradesTableLayout, AClassFillsHeadingStudentRowsSeparatorAndTotalRow) {
    const ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"8", "-"}}, {"Test 1", "Test", 50, {"45", "30"}}});
    const GradesTable table = buildGradesTable(cls);
    // Ann 53 of 60 = 88.33% (B); Bo's "-" leaves the quiz out: 30 of 50 = 60% (D).
    EXPECT_EQ(tableText(table.sheet), (QStringList{"Names|Quiz 1|Test 1|Total|Average|Grade", "Ann|8|45|53|88.33%|B",
                                                   "Bo|-|30|30|60.00%|D", "|||||", "Total|10|50|60||"}));
    EXPECT_EQ(table.sheet.fixedCols(), 1);
    // Points and totals are numbers; "-", the assignment totals and the averages are text.
    EXPECT_EQ(table.sheet.kind(2, 2), CellKind::Number);
    EXPECT_EQ(table.sheet.kind(3, 2), CellKind::Text);
    EXPECT_EQ(table.sheet.kind(5, 2), CellKind::Text);
    EXPECT_EQ(table.sheet.kind(5, 4), CellKind::Number);
    EXPECT_EQ(table.sheet.kind(2, 5), CellKind::Text);
}

TEST(GradesTableLayout, ANameTwiceHasOneRowShowingItsLaterEntry) {
    const ClassRecord cls = makeClass({"Ann", "Bo", "Ann"}, {{"Quiz 1", "Quiz", 10, {"5", "7", "9"}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.sheet.maxRow(), 5);
    EXPECT_EQ(studentColumn(table.sheet, 1), (QStringList{"Ann", "Bo"}));
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|9|9|90.00%|A"));
}

TEST(GradesTableLayout, EntriesFindTheirRowByNameWhateverTheirPosition) {
    ClassRecord cls = makeClass({"Ann", "Bo", "Cy"}, {{"Q1", "Quiz", 10, {"1", "2", "3"}},
                                                      {"Q2", "Quiz", 10, {"4", "5", "6"}},
                                                      {"Q3", "Quiz", 10, {"7", "8", "9"}}});
    // The middle list in reverse order, an entry for nobody, and one without its "~".
    cls.assignments[1].namegrade = {"Cy~6", "Zed~10", "Bo~5", "Ann~4"};
    cls.assignments[2].namegrade.push_back("Ann");
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(studentColumn(table.sheet, 2), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(studentColumn(table.sheet, 3), (QStringList{"4", "5", "6"}));
    EXPECT_EQ(studentColumn(table.sheet, 4), (QStringList{"7", "8", "9"}));
    EXPECT_EQ(table.sheet.maxRow(), 6);  // Zed has no row
}

TEST(GradesTableLayout, ExtraCreditAndZeroTotalsAreShownAndSummedAsTheyAre) {
    const ClassRecord cls = makeClass(
        {"Ann"}, {{"Quiz 1", "Quiz", 10, {"12"}}, {"Bonus", "Other", 0, {"3"}}, {"Halves", "Homework", 0.5, {"0.25"}}});
    const GradesTable table = buildGradesTable(cls);
    // Earned 12 + 3 + 0.25 = 15.25 of 10.5 possible: 145.238...% shows as 145.2%.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|12|3|0.25|15.25|145.20%|A"));
    EXPECT_EQ(rowText(table.sheet, 4), QStringLiteral("Total|10|0|0.5|10.5||"));
}

TEST(GradesTableLayout, OnlyExtraCreditGivesNoAverageAndNoLetter) {
    const ClassRecord cls = makeClass({"Ann"}, {{"Bonus", "Other", 0, {"3"}}});
    EXPECT_EQ(rowText(buildGradesTable(cls).sheet, 2), QStringLiteral("Ann|3|3|0.00%|-"));
}

TEST(GradesTableLayout, StudentsWithoutAssignmentsHaveTheNameColumnOnly) {
    const ClassRecord cls = makeClass({"Ann", "Bo"}, {});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.sheet.fixedCols(), 0);
    EXPECT_EQ(tableText(table.sheet), (QStringList{"Names", "Ann", "Bo", QString(), "Total"}));
}

TEST(GradesTableLayout, AssignmentsWithoutStudentsKeepTheHeadingRowIntact) {
    ClassRecord cls = makeClass({}, {{"Quiz 1", "Quiz", 10, {}}, {"Test 1", "Test", 50, {}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(tableText(table.sheet), QStringList{"Names|Quiz 1|Test 1|Total|Average|Grade"});
    EXPECT_EQ(table.sheet.fixedCols(), 1);
    EXPECT_EQ(table.sheet.fixedRows(), 1);
}

TEST(GradesTableLayout, AnEmptyClassIsItsNamesHeadingKeptInView) {
    const GradesTable table = buildGradesTable(newClassRecord(standardScale()));
    EXPECT_EQ(tableText(table.sheet), QStringList{"Names"});
    EXPECT_EQ(table.sheet.fixedRows(), 1);
}

TEST(GradesTableDamagedLists, AMissingEntryStaysEmptyAndCountsLikeADash) {
    ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"8", "9"}}, {"Test 1", "Test", 50, {"45", "40"}}});
    cls.assignments[0].namegrade.pop_back();  // Bo has no quiz entry
    cls.lowScoreInfo.drop_type = 1;
    const GradesTable table = buildGradesTable(cls);
    // Bo: the empty quiz adds nothing to either total; the rule has only the
    // test to drop, which leaves 0 of 0.
    EXPECT_EQ(rowText(table.sheet, 3), QStringLiteral("Bo||40|40|0.00%|-"));
    EXPECT_EQ(table.sheet.kind(3, 2), CellKind::Empty);
    // Ann drops her quiz: 45 of 50.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|8|45|53|90.00%|A"));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}}));
}

TEST(GradesTableDamagedLists, PointsThatAreNotANumberAreShownAndCountLikeADash) {
    ClassRecord cls = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"eight"}}, {"Quiz 2", "Quiz", 10, {"7"}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|eight|7|7|70.00%|C"));
}

TEST(GradesTableNumbers, PointsAndTotalsShowTheirGeneralForm) {
    const ClassRecord cls = makeClass(
        {"Ann"}, {{"A", "Quiz", 17.5, {"0.1"}}, {"B", "Quiz", 2.5, {"0.2"}}, {"C", "Quiz", 0.125, {"007.50"}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(rowText(table.sheet, 2).section(QLatin1Char('|'), 0, 4), QStringLiteral("Ann|0.1|0.2|7.5|7.8"));
    EXPECT_EQ(rowText(table.sheet, 4).section(QLatin1Char('|'), 0, 4), QStringLiteral("Total|17.5|2.5|0.125|20.125"));
}
