// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/GradingRules.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

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

TEST(DropRule, OnlyTheByTypeRuleKeepsItsFlags) {
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
}

TEST(DropRule, AnUnknownRuleShowsAsWhatItDoesDropNothing) {
    // Shown as "by type" (what the dialog used to do) OK would make it drop.
    EXPECT_EQ(dropRuleAsShown(rule(7, {true, true})), rule(droprule::kNone));
    EXPECT_EQ(dropRuleAsShown(rule(-3)), rule(droprule::kNone));
    EXPECT_EQ(dropRuleAsShown(rule(1, {true})), rule(droprule::kLowestOverall));
    EXPECT_EQ(dropRuleAsShown(rule(2, {true, false, true})), rule(2, {true, false, true}));
}
