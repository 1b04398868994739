// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The "Grade Information" tables and what the graph charts, read from the
// grades table as shown, worked out by hand.

#include "core/grading/GradesTable.h"
#include "core/reports/BarGraph.h"
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

// "label=value" for every bar ("label=-" for no mark, whose value must be
// 0), after the title and the axis titles.
QStringList described(const BarGraph& graph) {
    QStringList lines{graph.title, graph.valueAxisTitle + QLatin1Char('/') + graph.categoryAxisTitle};
    for (const GraphBar& bar : graph.bars) {
        const QString value = bar.marked       ? QString::number(bar.value)
                              : bar.value == 0 ? QStringLiteral("-")
                                               : QStringLiteral("-?");
        lines << QStringLiteral("%1=%2").arg(bar.label, value);
    }
    return lines;
}

ClassRecord quizClass() {
    return makeClass(
        {"Ann", "Bo"},
        {{"Quiz", "Quiz", 10, {"8", "-"}}, {"Quiz", "Quiz", 20, {"5", "20"}}, {"Bonus", "Other", 0, {"3", "1"}}});
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

TEST(Statistics, NothingCountedOrNoStudentsGiveZerosAndASingleMarkNoDeviation) {
    EXPECT_EQ(statistics(oneAssignment({"-", "-"}, 50)),
              (QStringList{"Description|Points|Percentage", "Minimum Grade|0|0.00%", "Maximum Grade|0|0.00%",
                           "Total Possible|50|100.00%", "Median|0.00|0.00%", "Mean|0.00|0.00%",
                           "Standard Deviation|0.00|0.00%"}));
    const QStringList one = statistics(oneAssignment({"7", "-"}, 10));
    EXPECT_EQ(one.mid(4), (QStringList{"Median|7.00|70.00%", "Mean|7.00|70.00%", "Standard Deviation|0.00|0.00%"}));
    // The heading row is the table's last row: its title "50" is no total.
    ClassRecord cls = oneAssignment({}, 20);
    cls.assignments[0].title = "50";
    EXPECT_EQ(statistics(cls), (QStringList{"Description|Points|Percentage", "Minimum Grade|0|0.00%",
                                            "Maximum Grade|0|0.00%", "Total Possible|20|100.00%", "Median|0.00|0.00%",
                                            "Mean|0.00|0.00%", "Standard Deviation|0.00|0.00%"}));
    // No possible points give no percentages.
    EXPECT_EQ(statistics(oneAssignment({"3", "5"}, 0)).mid(1, 5),
              (QStringList{"Minimum Grade|3|0.00%", "Maximum Grade|5|0.00%", "Total Possible|0|0.00%",
                           "Median|3.00|0.00%", "Mean|4.00|0.00%"}));
}

TEST(Statistics, FifteenHundredMarksAllCountAndAssignmentsAreChosenByPosition) {
    std::vector<std::string> marks;
    for (int i = 1; i <= 1500; ++i) marks.push_back(std::to_string(i));
    // The mean is 750.5 of 1500.
    EXPECT_EQ(statistics(oneAssignment(marks, 1500)).mid(1, 5),
              (QStringList{"Minimum Grade|1|0.07%", "Maximum Grade|1500|100.00%", "Total Possible|1500|100.00%",
                           "Median|750.00|50.00%", "Mean|751.00|50.00%"}));
    const ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz", "Quiz", 10, {"4", "6"}}, {"Quiz", "Quiz", 20, {"20", "10"}}});
    // Assignments are chosen by position.
    EXPECT_EQ(statistics(cls, 1).mid(3, 3),
              (QStringList{"Total Possible|20|100.00%", "Median|10.00|50.00%", "Mean|15.00|75.00%"}));
}

TEST(Grouping, AnAssignmentCountsItsCountedMarksInPercentAsShownAndOverallTheGradeColumn) {
    const ClassRecord cls = makeClass({"Ann", "Bo", "Cy"}, {{"Essay", "Test", 1000, {"899.96", "-", "899.94"}},
                                                            {"Bonus", "Other", 0, {"5", "5", "5"}}});
    EXPECT_EQ(grouping(cls, 0).mid(1, 2), (QStringList{"A|1|50.00%", "B|1|50.00%"}));
    EXPECT_EQ(grouping(cls, 0).last(), QStringLiteral("Total|2|100.00%"));
    // A total of 0 counts nobody.
    EXPECT_EQ(grouping(cls, 1).last(), QStringLiteral("Total|0|100.00%"));
    EXPECT_EQ(grouping(cls, 1).at(1), QStringLiteral("A|0|0.00%"));
    // Overall, the grade column's letters: Ann A, Bo C, Cy "-" (nothing counts: not an F), Di F.
    const ClassRecord test = makeClass({"Ann", "Bo", "Cy", "Di"}, {{"Test", "Test", 100, {"95", "75", "-", "10"}}});
    EXPECT_EQ(grouping(test, std::nullopt),
              (QStringList{"Grade|Count|Percentage", "A|1|33.33%", "B|0|0.00%", "C|1|33.33%", "D|0|0.00%", "F|1|33.33%",
                           "||", "Total|3|100.00%"}));
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
    // A class without students has the heading only.
    EXPECT_EQ(tableText(missingWorkSheet(buildGradesTable(makeClass({}, {{"Quiz 1", "Quiz", 10, {}}})).sheet,
                                         MissingKind::Absent)),
              (QStringList{"Students|Assignments"}));
}

TEST(BarGraph, AStudentsMarksAndARepeatedTitleChartOnlyTheOneChosen) {
    const Sheet grades = buildGradesTable(quizClass()).sheet;
    EXPECT_EQ(described(studentGraph(grades, 3, GraphValues::Points)),
              (QStringList{"Bo", "Points/Assignments", "Quiz=-", "Quiz=20", "Bonus=1"}));
    EXPECT_EQ(described(studentGraph(grades, 2, GraphValues::Percentage)),
              (QStringList{"Ann", "Percentage/Assignments", "Quiz=80", "Quiz=25", "Bonus=0"}));
    // A repeated title charts only the assignment chosen.
    EXPECT_EQ(described(assignmentGraph(grades, 1, GraphValues::Points)),
              (QStringList{"Quiz", "Points/Students", "Ann=5", "Bo=20"}));
    EXPECT_EQ(described(assignmentGraph(grades, 0, GraphValues::Percentage)),
              (QStringList{"Quiz", "Percentage/Students", "Ann=80", "Bo=-"}));
    // A total of 0 gives bars of 0 in percent: marks, unlike a "-".
    EXPECT_EQ(described(assignmentGraph(grades, 2, GraphValues::Percentage)).mid(2), (QStringList{"Ann=0", "Bo=0"}));
}

TEST(BarGraph, OverallChartsTheTotalAndTheAverageAsShown) {
    ClassRecord cls = quizClass();
    const Sheet grades = buildGradesTable(cls).sheet;
    // Ann 16 of 30 = 53.33%, Bo 21 of 20 = 105.00%.
    EXPECT_EQ(described(overallGraph(grades, GraphValues::Points)),
              (QStringList{"Overall", "Points/Students", "Ann=16", "Bo=21"}));
    EXPECT_EQ(described(overallGraph(grades, GraphValues::Percentage)).mid(2), (QStringList{"Ann=53.33", "Bo=105"}));

    // Weighted, the extra credit counts for nothing: Ann 13 of 30 = 43.33%.
    cls.weightGrades = {0, 0, 50, 0, 0, 50, true};
    EXPECT_EQ(overallGraph(buildGradesTable(cls).sheet, GraphValues::Percentage).bars.at(0).value, 43.33);
}

TEST(BarGraph, AZeroIsAMarkWithItsBarADashOrNoAssignmentIsNoBar) {
    const Sheet grades = buildGradesTable(makeClass({"Ann", "Bo"}, {{"Quiz", "Quiz", 10, {"0", "-"}}})).sheet;
    for (const GraphValues values : {GraphValues::Points, GraphValues::Percentage}) {
        EXPECT_EQ(described(assignmentGraph(grades, 0, values)).mid(2), (QStringList{"Ann=0", "Bo=-"}));
        EXPECT_EQ(described(studentGraph(grades, 3, values)).mid(2), QStringList{"Quiz=-"});
    }
    EXPECT_EQ(described(overallGraph(grades, GraphValues::Points)).mid(2).first(), QStringLiteral("Ann=0"));
    // No assignments, no bars.
    const Sheet none = buildGradesTable(makeClass({"Ann"}, {})).sheet;
    EXPECT_TRUE(overallGraph(none, GraphValues::Points).bars.empty());
    EXPECT_TRUE(overallGraph(none, GraphValues::Percentage).bars.empty());
    EXPECT_TRUE(studentGraph(none, 2, GraphValues::Points).bars.empty());
}
