// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Looking letters up in the three kinds of grade scale.

#include "core/grading/LetterGrade.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace markwell;
using namespace markwell::test;

namespace {
QString letter(const CurrentGradeScale& scale, double average) {
    return LetterGrader(scale).letter(100, average);
}
}  // namespace

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

TEST(LetterGradeLookup, NoPossiblePointsGiveADashWhateverTheAverage) {
    const LetterGrader standard(standardScale());
    EXPECT_EQ(standard.letter(0, 95), QStringLiteral("-"));
    EXPECT_EQ(standard.letter(0.5, 95), QStringLiteral("A"));
}

TEST(LetterGradeLookup, OnlyLowBoundsAndTheirOrderDecide) {
    // B's high bound of 85 leaves a gap to A's 90 that is never looked at.
    EXPECT_EQ(letter({"Gaps", 1, "90,100,80,85,70,79,60,69,0,59"}, 87), QStringLiteral("B"));
}

TEST(LetterGradeLookup, WhenNoLetterMatchesTheLastLetterIsGiven) {
    EXPECT_EQ(letter(standardScale(), -5), QStringLiteral("F"));
    EXPECT_EQ(letter({"High", 2, "75,100,40,74"}, 30), QStringLiteral("Fail"));
    // Fewer bounds than letters: never read past the list.
    EXPECT_EQ(letter({"Short", 1, "90,100,80,89.9"}, 85), QStringLiteral("B"));
    EXPECT_EQ(letter({"Short", 1, "90,100,80,89.9"}, 50), QStringLiteral("F"));
    EXPECT_EQ(letter({"Empty", 0, ""}, 50), QStringLiteral("F "));
    // A bound that is not a number gives no letter.
    EXPECT_EQ(letter({"Typo", 1, "90,100,eighty,89.9,70,79.9,60,69.9,0,59.9"}, 85), QStringLiteral("C"));
}

TEST(LetterGradeLookup, AnUnknownScaleKindIsReadAsStandard) {
    EXPECT_EQ(letter({"Odd", 9, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"}, 85), QStringLiteral("B"));
    EXPECT_EQ(scaleLetterTexts({"Odd", 9, ""}).size(), 5u);
}
