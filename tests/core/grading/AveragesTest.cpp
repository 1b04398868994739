// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Plain and weighted averages as the Average column shows them, the letter
// grade that follows the shown average, and letters looked up in the three
// kinds of grade scale.

#include "core/grading/GradesAssembly.h"
#include "core/grading/GradesTable.h"
#include "core/grading/LetterGrade.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace markwell;
using namespace markwell::test;

namespace {

// The Average and Grade of the first student of a one-assignment class.
QString averageAndGrade(const std::string& points, double total) {
    const GradesTable table = buildGradesTable(makeClass({"Ann"}, {{"A", "Test", total, {points}}}));
    return table.sheet.text(2, 4) + QLatin1Char('|') + table.sheet.text(2, 5);
}

ClassRecord weighted(ClassRecord cls, WeightedGrades weights) {
    weights.enabled = true;
    cls.weightGrades = weights;
    return cls;
}

QString letter(const CurrentGradeScale& scale, double average) {
    return LetterGrader(scale).letter(100, average);
}

// The first student's row of the class with these weights switched on.
QString weightedRow(ClassRecord cls, const WeightedGrades& weights) {
    return rowText(buildGradesTable(weighted(std::move(cls), weights)).sheet, 2);
}

}  // namespace

// Four significant digits or two decimals, whichever is coarser; ten
// thousand percent or more in the exponent form. The letter follows the
// average as shown: 89.996% shows as 90.00% and earns the A that starts at
// 90. A student without possible points has no letter.
TEST(PlainAverage, TheAverageAsShownAndItsLetter) {
    const std::tuple<const char*, double, const char*> cases[] = {
        {"874.56", 1000, "87.46%|B"}, {"1034.56", 1000, "103.50%|A"}, {"5", 64, "7.81%|F"},
        {"2", 3, "66.67%|D"},         {"899.96", 1000, "90.00%|A"},   {"899.94", 1000, "89.99%|B"},
        {"150", 1, "1.5E4%|A"},       {"123456", 1, "1.235E7%|A"},    {"-", 10, "0.00%|-"},
        {"0", 10, "0.00%|F"}};
    for (const auto& [points, total, shown] : cases) {
        EXPECT_EQ(averageAndGrade(points, total), QString::fromLatin1(shown)) << points << " of " << total;
    }
}

// The largest weight is the reference and ties keep the earlier type; no
// weight above zero counts every type fully; a negative weight (only a
// damaged file holds one) counts as 0.
TEST(WeightFactorsTest, SmallerWeightsAreFactorsOfTheLargest) {
    const WeightFactors testAndQuiz = weightFactors({0, 60, 40, 0, 0, 0, true});
    EXPECT_EQ(testAndQuiz.referenceType, 1);
    EXPECT_EQ(testAndQuiz.factor, (std::array<double, 6>{0, 1, 40.0 / 60.0, 0, 0, 0}));
    const WeightFactors tie = weightFactors({10, 45, 45, 0, 0, 0, true});
    EXPECT_EQ(tie.referenceType, 1);
    EXPECT_EQ(tie.factor, (std::array<double, 6>{10.0 / 45.0, 1, 1, 0, 0, 0}));
    const WeightFactors none = weightFactors({0, 0, 0, 0, 0, 0, true});
    EXPECT_EQ(none.referenceType, 0);
    EXPECT_EQ(none.factor, (std::array<double, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(weightFactors({-20, 50, 0, 0, 0, 0, true}).factor, (std::array<double, 6>{0, 1, 0, 0, 0, 0}));
}

TEST(WeightedAverage, IsAWeightedRatioOfThePointsThatCount) {
    // Test 90 of 100 and Homework 10 of 10, weighted 50 each: 100 of 110.
    EXPECT_EQ(weightedRow(makeClass({"Ann"}, {{"T", "Test", 100, {"90"}}, {"H", "Homework", 10, {"10"}}}),
                          {0, 50, 0, 50, 0, 0, true}),
              "Ann|90|10|100|90.91%|A");
    // An assignment without total counts nothing; plain, the bonus would count: 95 of 100.
    EXPECT_EQ(weightedRow(makeClass({"Ann"}, {{"T", "Test", 100, {"90"}}, {"Bonus", "Test", 0, {"5"}}}),
                          {0, 100, 0, 0, 0, 0, true}),
              "Ann|90|5|95|90.00%|A");
    // Only extra credit gives zero and no letter.
    EXPECT_EQ(weightedRow(makeClass({"Ann"}, {{"Bonus", "Other", 0, {"5"}}}), {0, 0, 0, 0, 0, 100, true}),
              "Ann|5|5|0.00%|-");
    // Two students called Ann: the row shows the later 70, the weighted
    // average counts both entries, 160 of 200.
    EXPECT_EQ(weightedRow(makeClass({"Ann", "Ann"}, {{"T", "Test", 100, {"90", "70"}}}), {0, 100, 0, 0, 0, 0, true}),
              "Ann|70|70|80.00%|B");
    // Everything weighted 0 but the test, which Ann has as "-": the weighted
    // average is 0.00% yet the quiz gives plain possible points, so a letter.
    EXPECT_EQ(weightedRow(makeClass({"Ann"}, {{"T", "Test", 100, {"-"}}, {"Q", "Quiz", 10, {"9"}}}),
                          {0, 100, 0, 0, 0, 0, true}),
              "Ann|-|9|9|0.00%|F");
}

// Test 100 and Quiz 10 with a weight each, and the Average they give.
TEST(WeightedAverage, SmallerWeightsScaleTheirTypeAgainstTheLargest) {
    struct Case {
        const char* what;
        const char* test;
        const char* quiz;
        WeightedGrades weights;
        const char* average;
    };
    for (const Case& c : {
             // The quiz's 6 of 10 count as 4 of 6.667: 84 of 106.667. Plain: 86 of 110.
             Case{"test 60, quiz 40", "80", "6", {0, 60, 40, 0, 0, 0, true}, "78.75%"},
             Case{"tied, either is the reference", "80", "5", {0, 50, 50, 0, 0, 0, true}, "77.27%"},
             // Plain, the quiz's 0 of 10 would count: 90 of 110.
             Case{"quiz weighted 0", "90", "0", {0, 100, 0, 0, 0, 0, true}, "90.00%"},
             Case{"all weights 0: every type counts fully", "90", "5", {0, 0, 0, 0, 0, 0, true}, "86.36%"},
         }) {
        const ClassRecord cls =
            weighted(makeClass({"Ann"}, {{"T", "Test", 100, {c.test}}, {"Q", "Quiz", 10, {c.quiz}}}), c.weights);
        EXPECT_EQ(buildGradesTable(cls).sheet.text(2, 5), QString::fromLatin1(c.average)) << c.what;
    }
}

TEST(WeightedAverage, DroppedCellsAreLeftOut) {
    ClassRecord cls = weighted(
        makeClass({"Ann"}, {{"T1", "Test", 100, {"40"}}, {"T2", "Test", 100, {"80"}}, {"Q", "Quiz", 10, {"9"}}}),
        {0, 50, 50, 0, 0, 0, true});
    cls.lowScoreInfo.drop_type = 1;  // drops the 9 of the quiz, the lowest raw score
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 4}}));
    EXPECT_EQ(table.sheet.text(2, 6), QStringLiteral("60.00%"));  // 120 of 200
}

// Each scale's letters, inclusive at the bottom; expanded letters keep
// their spaces.
TEST(LetterGradeLookup, EachKindOfScaleGivesItsLetters) {
    const CurrentGradeScale scales[] = {standardScale(), expandedScale(), passFailScale()};
    const std::tuple<int, double, const char*> cases[] = {
        {0, 100, "A"},   {0, 90, "A"},  {0, 89.99, "B"}, {0, 80, "B"},      {0, 60, "D"},
        {0, 59.99, "F"}, {0, 0, "F"},   {0, 250, "A"},   {1, 94, "A "},     {1, 93.99, "A-"},
        {1, 88, " B+"},  {1, 83, "B "}, {1, 80.5, "B-"}, {1, 77, " C+"},    {1, 69, " D+"},
        {1, 60, "D-"},   {1, 12, "F "}, {2, 75, "Pass"}, {2, 74.99, "Fail"}};
    for (const auto& [scale, average, expected] : cases) {
        EXPECT_EQ(letter(scales[scale], average), QString::fromLatin1(expected))
            << scales[scale].name << " " << average;
    }
}

// Only the low bounds and their order decide; when no letter matches, the
// last letter is given; an unknown kind is read as standard.
TEST(LetterGradeLookup, OddAndDamagedScalesStillGiveALetter) {
    // B's high bound of 85 leaves a gap to A's 90 that is never looked at.
    EXPECT_EQ(letter({"Gaps", 1, "90,100,80,85,70,79,60,69,0,59"}, 87), QStringLiteral("B"));
    EXPECT_EQ(letter(standardScale(), -5), QStringLiteral("F"));
    EXPECT_EQ(letter({"High", 2, "75,100,40,74"}, 30), QStringLiteral("Fail"));
    // Fewer bounds than letters: never read past the list.
    EXPECT_EQ(letter({"Short", 1, "90,100,80,89.9"}, 85), QStringLiteral("B"));
    EXPECT_EQ(letter({"Short", 1, "90,100,80,89.9"}, 50), QStringLiteral("F"));
    EXPECT_EQ(letter({"Empty", 0, ""}, 50), QStringLiteral("F "));
    // A bound that is not a number gives no letter.
    EXPECT_EQ(letter({"Typo", 1, "90,100,eighty,89.9,70,79.9,60,69.9,0,59.9"}, 85), QStringLiteral("C"));
    EXPECT_EQ(letter({"Odd", 9, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"}, 85), QStringLiteral("B"));
    EXPECT_EQ(scaleLetterTexts({"Odd", 9, ""}).size(), 5u);
    // No possible points give a dash whatever the average.
    const LetterGrader standard(standardScale());
    EXPECT_EQ(standard.letter(0, 95), QStringLiteral("-"));
    EXPECT_EQ(standard.letter(0.5, 95), QStringLiteral("A"));
}
