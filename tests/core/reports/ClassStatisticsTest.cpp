// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The "Grade Information" tables, worked out by hand.

#include "core/grading/GradesTable.h"
#include "core/reports/ClassStatistics.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace markwell;
using namespace markwell::test;

namespace {

// A class of one assignment with these marks, one student each.
ClassRecord oneAssignment(const std::vector<std::string>& marks, double total) {
    return makeClass(numberedNames(marks.size()), {{"Test 1", "Test", total, marks}});
}

QStringList statistics(const ClassRecord& cls, int assignment = 0) {
    return tableText(statisticsSheet(cls, buildGradesTable(cls).sheet, assignment));
}

QStringList grouping(const ClassRecord& cls, std::optional<int> assignment) {
    return tableText(groupingSheet(cls, buildGradesTable(cls).sheet, assignment));
}

}  // namespace

TEST(Statistics, EvenCountTakesTheLowerMiddleMarkAndTheDeviationIsAroundTheExactMean) {
    EXPECT_EQ(statistics(oneAssignment({"100", "70", "90", "80"}, 100)),
              (QStringList{"Description|Points|Percentage", "Minimum Grade|70|70.00%", "Maximum Grade|100|100.00%",
                           "Total Possible|100|100.00%", "Median|80.00|80.00%", "Mean|85.00|85.00%",
                           // sqrt(500 / 3) = 12.91
                           "Standard Deviation|12.90|12.90%"}));
    // Mean 1.6667 shows as 1.67; the deviation is around 1.6667: sqrt(0.6667 / 2) = 0.577.
    const QStringList small = statistics(oneAssignment({"1", "2", "2"}, 4));
    EXPECT_EQ(small.mid(4), (QStringList{"Median|2.00|50.00%", "Mean|1.67|41.70%", "Standard Deviation|0.58|14.40%"}));
    // Around the rounded mean 1230 it would be 6.40.
    EXPECT_EQ(statistics(oneAssignment({"1234", "1235"}, 2000)).at(6), QStringLiteral("Standard Deviation|0.71|0.04%"));
}

TEST(Statistics, MinimumAndMaximumAreTheCountedMarksWhateverTheirSize) {
    const QStringList big = statistics(oneAssignment({"9500", "-", "12000.5", "abc", ""}, 10000));
    // The mean 10750.25 to three digits.
    EXPECT_EQ(big.mid(1, 5),
              (QStringList{"Minimum Grade|9500|95.00%", "Maximum Grade|12000.5|120.00%", "Total Possible|10000|100.00%",
                           "Median|9500.00|95.00%", "Mean|10800.00|108.00%"}));

    const QStringList negative = statistics(oneAssignment({"-3", "5"}, 10));
    EXPECT_EQ(negative.at(1), QStringLiteral("Minimum Grade|-3|-30.00%"));
    EXPECT_EQ(negative.at(5), QStringLiteral("Mean|1.00|10.00%"));  // a sum below 0 still divides
}

TEST(Statistics, NothingCountedGivesZerosAndASingleMarkNoDeviation) {
    EXPECT_EQ(statistics(oneAssignment({"-", "-"}, 50)),
              (QStringList{"Description|Points|Percentage", "Minimum Grade|0|0.00%", "Maximum Grade|0|0.00%",
                           "Total Possible|50|100.00%", "Median|0.00|0.00%", "Mean|0.00|0.00%",
                           "Standard Deviation|0.00|0.00%"}));
    const QStringList one = statistics(oneAssignment({"7", "-"}, 10));
    EXPECT_EQ(one.mid(4), (QStringList{"Median|7.00|70.00%", "Mean|7.00|70.00%", "Standard Deviation|0.00|0.00%"}));
}

TEST(Statistics, AClassWithoutStudentsTakesThePossiblePointsFromTheAssignment) {
    // The heading row is the table's last row: its title "50" is no total.
    ClassRecord cls = oneAssignment({}, 20);
    cls.assignments[0].title = "50";
    EXPECT_EQ(statistics(cls), (QStringList{"Description|Points|Percentage", "Minimum Grade|0|0.00%",
                                            "Maximum Grade|0|0.00%", "Total Possible|20|100.00%", "Median|0.00|0.00%",
                                            "Mean|0.00|0.00%", "Standard Deviation|0.00|0.00%"}));
}

TEST(Statistics, NoPossiblePointsGivesNoPercentages) {
    EXPECT_EQ(statistics(oneAssignment({"3", "5"}, 0)).mid(1, 5),
              (QStringList{"Minimum Grade|3|0.00%", "Maximum Grade|5|0.00%", "Total Possible|0|0.00%",
                           "Median|3.00|0.00%", "Mean|4.00|0.00%"}));
}

TEST(Statistics, FifteenHundredMarksAllCount) {
    std::vector<std::string> marks;
    for (int i = 1; i <= 1500; ++i) marks.push_back(std::to_string(i));
    // The mean is 750.5 of 1500.
    EXPECT_EQ(statistics(oneAssignment(marks, 1500)).mid(1, 5),
              (QStringList{"Minimum Grade|1|0.07%", "Maximum Grade|1500|100.00%", "Total Possible|1500|100.00%",
                           "Median|750.00|50.00%", "Mean|751.00|50.00%"}));
}

TEST(Statistics, AssignmentsAreChosenByPosition) {
    const ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz", "Quiz", 10, {"4", "6"}}, {"Quiz", "Quiz", 20, {"20", "10"}}});
    EXPECT_EQ(statistics(cls, 1).mid(3, 3),
              (QStringList{"Total Possible|20|100.00%", "Median|10.00|50.00%", "Mean|15.00|75.00%"}));
}

TEST(Grouping, OverallCountsTheGradeColumnsLetters) {
    // Ann A, Bo C, Cy "-" (nothing counts: not an F), Di F.
    const ClassRecord cls = makeClass({"Ann", "Bo", "Cy", "Di"}, {{"Test", "Test", 100, {"95", "75", "-", "10"}}});
    EXPECT_EQ(grouping(cls, std::nullopt),
              (QStringList{"Grade|Count|Percentage", "A|1|33.33%", "B|0|0.00%", "C|1|33.33%", "D|0|0.00%", "F|1|33.33%",
                           "||", "Total|3|100.00%"}));
}

TEST(Grouping, AnAssignmentCountsItsCountedMarksInPercentAsShown) {
    const ClassRecord cls = makeClass({"Ann", "Bo", "Cy"}, {{"Essay", "Test", 1000, {"899.96", "-", "899.94"}},
                                                            {"Bonus", "Other", 0, {"5", "5", "5"}}});
    EXPECT_EQ(grouping(cls, 0).mid(1, 2), (QStringList{"A|1|50.00%", "B|1|50.00%"}));
    EXPECT_EQ(grouping(cls, 0).last(), QStringLiteral("Total|2|100.00%"));
    // A total of 0 counts nobody.
    EXPECT_EQ(grouping(cls, 1).last(), QStringLiteral("Total|0|100.00%"));
    EXPECT_EQ(grouping(cls, 1).at(1), QStringLiteral("A|0|0.00%"));
}

TEST(Grouping, LettersFollowTheScaleAndAnUnknownKindIsStandard) {
    ClassRecord cls = makeClass({"Ann"}, {{"Test", "Test", 100, {"88"}}});
    cls.gradeScale = expandedScale();
    const QStringList expanded = grouping(cls, std::nullopt);
    EXPECT_EQ(expanded.size(), 15);
    EXPECT_EQ(expanded.at(3), QStringLiteral(" B+|1|100.00%"));
    cls.gradeScale = passFailScale();
    EXPECT_EQ(grouping(cls, 0),
              (QStringList{"Grade|Count|Percentage", "Pass|1|100.00%", "Fail|0|0.00%", "||", "Total|1|100.00%"}));
    cls.gradeScale = standardScale();
    cls.gradeScale.scale_type = 7;
    EXPECT_EQ(grouping(cls, 0).at(2), QStringLiteral("B|1|100.00%"));
}

TEST(MissingWork, AbsentAndZeroListTheTitlesOfAssignmentsThatCount) {
    ClassRecord cls = makeClass({"Ann", "Bo", "Cy"}, {{"Quiz 1", "Quiz", 10, {"-", "0", "5"}},
                                                      {"Lab", "Lab", 20, {"abc", "0", "5"}},
                                                      {"Bonus", "Other", 0, {"-", "0", "5"}},
                                                      {"Say \"hi\", all", "Other", 5, {"-", "3", "5"}}});
    cls.assignments[1].namegrade.pop_back();  // Cy has no entry for the lab
    const Sheet grades = buildGradesTable(cls).sheet;
    EXPECT_EQ(
        tableText(missingWorkSheet(grades, MissingKind::Absent)),
        (QStringList{"Students|Assignments", "Ann|\"Quiz 1\",Lab,\"Say \"\"hi\"\", all\"", "Bo|< None >", "Cy|Lab"}));
    EXPECT_EQ(tableText(missingWorkSheet(grades, MissingKind::Zero)),
              (QStringList{"Students|Assignments", "Ann|< None >", "Bo|\"Quiz 1\",Lab", "Cy|< None >"}));
}

TEST(MissingWork, AClassWithoutStudentsHasTheHeadingOnly) {
    const ClassRecord cls = makeClass({}, {{"Quiz 1", "Quiz", 10, {}}});
    EXPECT_EQ(tableText(missingWorkSheet(buildGradesTable(cls).sheet, MissingKind::Absent)),
              (QStringList{"Students|Assignments"}));
}
