// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/GradingRules.h"

#include "core/data/Tables.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct GradingRules {
    Q_DECLARE_TR_FUNCTIONS(GradingRules)
};

bool isKnownDropRule(std::int32_t dropType) {
    return dropType == droprule::kNone || dropType == droprule::kLowestOverall || dropType == droprule::kLowestPerType;
}

}  // namespace

std::int32_t weightSum(const WeightedGrades& weights) {
    std::int32_t sum = 0;
    for (int type = 0; type < kAssignmentTypeCount; ++type) sum += weights.weight(type);
    return sum;
}

Result<void> setWeights(ClassRecord& cls, const WeightedGrades& weights) {
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        const std::int32_t weight = weights.weight(type);
        if (weight < 0 || weight > kMaxWeight) {
            return fail(GradingRules::tr("The weight of %1 must be a whole number from 0 to 100, not %2.")
                            .arg(assignmentTypeLabel(type), QString::number(weight)));
        }
    }
    if (weights.enabled && weightSum(weights) != 100)
        return fail(GradingRules::tr("Percentage values do not equal to 100%"));
    cls.weightGrades = weights;
    return {};
}

DropLowScoreInfo dropRuleAsShown(const DropLowScoreInfo& rule) {
    if (rule.drop_type == droprule::kLowestPerType) return rule;
    DropLowScoreInfo shown;
    shown.drop_type = rule.drop_type == droprule::kLowestOverall ? droprule::kLowestOverall : droprule::kNone;
    return shown;
}

Result<void> setDropRule(ClassRecord& cls, const DropLowScoreInfo& rule) {
    if (!isKnownDropRule(rule.drop_type)) {
        return fail(GradingRules::tr("%1 is not a rule for dropping lowest scores.").arg(rule.drop_type));
    }
    cls.lowScoreInfo = dropRuleAsShown(rule);
    return {};
}

}  // namespace markwell
