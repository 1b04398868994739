// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Looking letters up in the three kinds of grade scale.

#include "core/grading/LetterGrade.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {
QString letter(const CurrentGradeScale& scale, double average) {
    return getLetterGrade(scale, 100, average);
}
}  // namespace

TEST(LetterGradeLookup, StandardBoundsAreInclusiveAtTheBottom) {
    const CurrentGradeScale s = standardScale();
    EXPECT_EQ(letter(s, 100), QStringLiteral("A"));
    EXPECT_EQ(letter(s, 90), QStringLiteral("A"));
    EXPECT_EQ(letter(s, 89.99), QStringLiteral("B"));
    EXPECT_EQ(letter(s, 80), QStringLiteral("B"));
    EXPECT_EQ(letter(s, 60), QStringLiteral("D"));
    EXPECT_EQ(letter(s, 59.99), QStringLiteral("F"));
    EXPECT_EQ(letter(s, 0), QStringLiteral("F"));
    EXPECT_EQ(letter(s, 250), QStringLiteral("A"));
}

TEST(LetterGradeLookup, ExpandedLettersKeepTheirSpaces) {
    const CurrentGradeScale s = expandedScale();
    EXPECT_EQ(letter(s, 94), QStringLiteral("A "));
    EXPECT_EQ(letter(s, 93.99), QStringLiteral("A-"));
    EXPECT_EQ(letter(s, 88), QStringLiteral(" B+"));
    EXPECT_EQ(letter(s, 83), QStringLiteral("B "));
    EXPECT_EQ(letter(s, 80.5), QStringLiteral("B-"));
    EXPECT_EQ(letter(s, 77), QStringLiteral(" C+"));
    EXPECT_EQ(letter(s, 69), QStringLiteral(" D+"));
    EXPECT_EQ(letter(s, 60), QStringLiteral("D-"));
    EXPECT_EQ(letter(s, 12), QStringLiteral("F "));
}

TEST(LetterGradeLookup, PassFail) {
    EXPECT_EQ(letter(passFailScale(), 75), QStringLiteral("Pass"));
    EXPECT_EQ(letter(passFailScale(), 74.99), QStringLiteral("Fail"));
}

TEST(LetterGradeLookup, NoPossiblePointsGiveADashWhateverTheAverage) {
    EXPECT_EQ(getLetterGrade(standardScale(), 0, 95), QStringLiteral("-"));
    EXPECT_EQ(getLetterGrade(standardScale(), 0.5, 95), QStringLiteral("A"));
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
