// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The individual report's two tables, worked out by hand.

#include "core/grading/GradesTable.h"
#include "core/reports/IndividualReport.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

QStringList overall(const ClassRecord& cls, int student) {
    return tableText(individualOverallSheet(cls, buildGradesTable(cls).sheet, student));
}

QStringList byType(const ClassRecord& cls, int student) {
    return tableText(individualTypeSheet(cls, student));
}

}  // namespace

TEST(IndividualReport, OverallRowsAreEachAssignmentAndTheTotalsRowIsTheGradesPages) {
    // Ann: 9 of 10, "-" of 100, 45 of 50, 3 extra-credit points of 0.
    const ClassRecord cls = makeClass({"Ann", "Anne"}, {{"Quiz 1", "Quiz", 10, {"9", "2"}},
                                                        {"Test 1", "Test", 100, {"-", "100"}},
                                                        {"Lab 1", "Lab", 50, {"45", "1"}},
                                                        {"Bonus", "Other", 0, {"3", "0"}}});
    EXPECT_EQ(overall(cls, 0), (QStringList{
                                   "Assignments|Points|Total|Percent|Grade",
                                   "Quiz 1|9|10|90.00%|A",
                                   "Test 1|-|100|-|-",
                                   "Lab 1|45|50|90.00%|A",
                                   "Bonus|3|0|-|-",
                                   "||||",
                                   // Every total is added, "-" too; the Average is the grades page's
                                   // (9 + 45 + 3) / (10 + 50) = 95.00%.
                                   "Total|57|160|95.00%|A",
                               }));
    // Anne is not Ann: only her own entries.
    EXPECT_EQ(overall(cls, 1).at(1), QStringLiteral("Quiz 1|2|10|20.00%|F"));
    EXPECT_EQ(overall(cls, 1).at(6), QStringLiteral("Total|103|160|64.38%|D"));
}

TEST(IndividualReport, TotalsRowFollowsWeightsAndDroppingWhereTheRowsAboveDoNot) {
    ClassRecord cls = makeClass(
        {"Ann"}, {{"Quiz 1", "Quiz", 10, {"2"}}, {"Quiz 2", "Quiz", 10, {"10"}}, {"Test 1", "Test", 100, {"90"}}});
    dropByType(cls, {2});  // the 2 on Quiz 1 goes
    cls.weightGrades = {0, 50, 50, 0, 0, 0, true};
    const GradesTable grades = buildGradesTable(cls);
    const Sheet sheet = individualOverallSheet(cls, grades.sheet, 0);
    // Quiz 10 of 10 and Test 90 of 100 at equal weights: 100 of 110 = 90.91%.
    EXPECT_EQ(grades.sheet.text(2, 6), QStringLiteral("90.91%"));
    EXPECT_EQ(rowText(sheet, 6), QStringLiteral("Total|102|120|90.91%|A"));
    EXPECT_EQ(rowText(sheet, 2), QStringLiteral("Quiz 1|2|10|20.00%|F"));
}

TEST(IndividualReport, TypeRowsCountOnlyMarksThatCount) {
    // 90 on one 100-point test and "-" on another is 90%, not 45%.
    const ClassRecord cls = makeClass({"Ann"}, {{"Test 1", "Test", 100, {"90"}},
                                                {"Test 2", "Test", 100, {"-"}},
                                                {"Quiz 1", "Quiz", 10, {"0"}},
                                                {"Bonus", "Homework", 0, {"5"}},
                                                {"Mystery", "", 50, {"50"}},
                                                {"Odd", "test", 50, {"40"}}});
    EXPECT_EQ(byType(cls, 0), (QStringList{
                                  "Type|Points|Total|Percent|Grade",
                                  "Final|0|0|0.00%|-",  // no assignments
                                  "Test|90|100|90.00%|A", "Quiz|0|10|0.00%|F",
                                  "Homework|5|0|-|-",  // extra credit only
                                  "Lab|0|0|0.00%|-",
                                  "Other|0|0|0.00%|-",  // no type, or a misspelt one, joins no row
                              }));
}

TEST(IndividualReport, MissingEmptyAndUnreadableMarksCountLikeTheMark) {
    ClassRecord cls = makeClass(
        {"Ann", "Bo"},
        {{"Quiz 1", "Quiz", 10, {"", "5"}}, {"Quiz 2", "Quiz", 10, {"abc", "5"}}, {"Quiz 3", "Quiz", 10, {"8", "5"}}});
    cls.assignments[2].namegrade.erase(cls.assignments[2].namegrade.begin());  // Ann has no entry
    EXPECT_EQ(overall(cls, 0).mid(1, 3), (QStringList{"Quiz 1||10|-|-", "Quiz 2|abc|10|-|-", "Quiz 3||10|-|-"}));
    EXPECT_EQ(byType(cls, 0).at(3), QStringLiteral("Quiz|0|0|0.00%|-"));
}

TEST(IndividualReport, TheRowLetterFollowsThePercentAsShown) {
    const ClassRecord cls = makeClass({"Ann"}, {{"Essay", "Test", 1000, {"899.96"}}});
    EXPECT_EQ(overall(cls, 0).at(1), QStringLiteral("Essay|899.96|1000|90.00%|A"));
    EXPECT_EQ(byType(cls, 0).at(2), QStringLiteral("Test|899.96|1000|90.00%|A"));
}

TEST(IndividualReport, NoAssignmentsAndTheIdText) {
    const ClassRecord cls = makeClass({"Ann"}, {});
    EXPECT_EQ(overall(cls, 0), (QStringList{"Assignments|Points|Total|Percent|Grade", "||||", "Total|0|0||"}));
    StudentInfo s;
    EXPECT_EQ(studentIdText(s), QStringLiteral("N/A"));
    s.id = "A-\xE9";  // Windows-1252 é
    EXPECT_EQ(studentIdText(s), QStringLiteral("A-é"));
}

TEST(IndividualReport, MarksWrittenAsNumbersStayNumbersForSpreadsheets) {
    const ClassRecord cls = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"9.5"}}, {"Quiz 2", "Quiz", 10, {"08"}}});
    const Sheet sheet = individualOverallSheet(cls, buildGradesTable(cls).sheet, 0);
    EXPECT_EQ(sheet.kind(2, 2), CellKind::Number);
    EXPECT_EQ(sheet.kind(3, 2), CellKind::Text);  // shown exactly as stored
    EXPECT_EQ(sheet.text(3, 2), QStringLiteral("08"));
}

namespace {

QList<bool> redRows(const Sheet& sheet) {
    QList<bool> red;
    for (int row = 2; row <= sheet.maxRow(); ++row) {
        bool all = true;
        for (int col = 1; col <= sheet.maxCol(); ++col) all = all && sheet.format(row, col).font.color == colour::kRed;
        red << all;
    }
    return red;
}

}  // namespace

TEST(IndividualReport, DroppedScoresAreRedAsInTheGradesTableForEachStudent) {
    // Ann drops Quiz 1 (2 of 10), Anne Quiz 2 (1 of 10); no one drops a test.
    ClassRecord cls = makeClass({"Ann", "Anne"}, {{"Quiz 1", "Quiz", 10, {"2", "9"}},
                                                  {"Quiz 2", "Quiz", 10, {"10", "1"}},
                                                  {"Test 1", "Test", 100, {"90", "20"}}});
    EXPECT_EQ(redRows(individualOverallSheet(cls, buildGradesTable(cls).sheet, 0)),
              (QList<bool>{false, false, false, false, false}));
    dropByType(cls, {2});
    const GradesTable grades = buildGradesTable(cls);
    const Sheet ann = individualOverallSheet(cls, grades.sheet, 0);
    EXPECT_EQ(redRows(ann), (QList<bool>{true, false, false, false, false}));
    EXPECT_EQ(redRows(individualOverallSheet(cls, grades.sheet, 1)), (QList<bool>{false, true, false, false, false}));
    // The red is the grades table's: the same cells are red there.
    EXPECT_EQ(grades.sheet.format(2, 2).font.color, colour::kRed);
    EXPECT_EQ(grades.sheet.format(3, 3).font.color, colour::kRed);
    // Only the colour changes: the row keeps the report's font.
    EXPECT_EQ(ann.format(2, 1).font.name, ann.format(3, 1).font.name);
    EXPECT_EQ(ann.format(2, 1).font.size, ann.format(3, 1).font.size);

    // The lowest overall: Ann's 2 of 10 is also her lowest of all.
    cls.lowScoreInfo.drop_type = droprule::kLowestOverall;
    EXPECT_EQ(redRows(individualOverallSheet(cls, buildGradesTable(cls).sheet, 1)),
              (QList<bool>{false, true, false, false, false}));
}

TEST(IndividualReport, AWeightedAverageSaysSoUnderTheTable) {
    ClassRecord cls = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"5"}}, {"Test 1", "Test", 100, {"90"}}});
    EXPECT_EQ(tableText(individualOverallSheet(cls, buildGradesTable(cls).sheet, 0)).size(), 5);
    cls.weightGrades = {0, 80, 20, 0, 0, 0, true};
    const GradesTable grades = buildGradesTable(cls);
    const QStringList weighted = tableText(individualOverallSheet(cls, grades.sheet, 0));
    ASSERT_EQ(weighted.size(), 7);
    // The grades table's weighted average, not the Total row's 95 of 110 (86.36%).
    EXPECT_EQ(grades.sheet.text(2, 5), QStringLiteral("89.02%"));
    EXPECT_EQ(weighted.at(4), QStringLiteral("Total|95|110|89.02%|B"));
    EXPECT_EQ(weighted.at(5), QStringLiteral("||||"));
    EXPECT_EQ(weighted.at(6), QStringLiteral("Weighted average: see Why||||"));
}
