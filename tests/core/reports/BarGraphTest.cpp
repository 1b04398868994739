// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What the graph charts, read from the grades table as shown.

#include "core/grading/GradesTable.h"
#include "core/reports/BarGraph.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

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

TEST(BarGraph, AStudentsMarksInPointsAndPercent) {
    const Sheet grades = buildGradesTable(quizClass()).sheet;
    EXPECT_EQ(described(studentGraph(grades, 3, GraphValues::Points)),
              (QStringList{"Bo", "Points/Assignments", "Quiz=-", "Quiz=20", "Bonus=1"}));
    EXPECT_EQ(described(studentGraph(grades, 2, GraphValues::Percentage)),
              (QStringList{"Ann", "Percentage/Assignments", "Quiz=80", "Quiz=25", "Bonus=0"}));
}

TEST(BarGraph, ARepeatedTitleChartsOnlyTheAssignmentChosen) {
    const Sheet grades = buildGradesTable(quizClass()).sheet;
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

TEST(BarGraph, NoAssignmentsNoBars) {
    const Sheet grades = buildGradesTable(makeClass({"Ann"}, {})).sheet;
    EXPECT_TRUE(overallGraph(grades, GraphValues::Points).bars.empty());
    EXPECT_TRUE(overallGraph(grades, GraphValues::Percentage).bars.empty());
    EXPECT_TRUE(studentGraph(grades, 2, GraphValues::Points).bars.empty());
}

TEST(BarGraph, AZeroIsAMarkWithItsBarADashIsNoBar) {
    const Sheet grades = buildGradesTable(makeClass({"Ann", "Bo"}, {{"Quiz", "Quiz", 10, {"0", "-"}}})).sheet;
    for (const GraphValues values : {GraphValues::Points, GraphValues::Percentage}) {
        EXPECT_EQ(described(assignmentGraph(grades, 0, values)).mid(2), (QStringList{"Ann=0", "Bo=-"}));
        EXPECT_EQ(described(studentGraph(grades, 3, values)).mid(2), QStringList{"Quiz=-"});
    }
    EXPECT_EQ(described(overallGraph(grades, GraphValues::Points)).mid(2).first(), QStringLiteral("Ann=0"));
}
