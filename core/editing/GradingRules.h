// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"

#include <cstdint>

namespace markwell {

// The class-wide rules that turn points into averages: the weights of the
// six assignment types and the rule for dropping lowest scores.

inline constexpr std::int32_t kMaxWeight = 100;

// The sum of the six weights.
std::int32_t weightSum(const WeightedGrades& weights);

// Gives the class new weights. Each is a whole percentage from 0 to 100, and
// weights that are used must add up to exactly 100 ("Percentage values do
// not equal to 100%"). The class is unchanged when they are refused.
Result<void> setWeights(ClassRecord& cls, const WeightedGrades& weights);

// The rule as the drop dialog shows it: a `drop_type` it does not know drops
// nothing, so it shows as "Don't drop lowest score"; the six type flags only
// count (and only show) with the by-type rule.
DropLowScoreInfo dropRuleAsShown(const DropLowScoreInfo& rule);

// Gives the class a new dropping rule, stored as dropRuleAsShown gives it
// (a rule other than by type keeps all six flags false). A `drop_type` other
// than none, overall and by type is refused.
Result<void> setDropRule(ClassRecord& cls, const DropLowScoreInfo& rule);

}  // namespace markwell
