// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// weights, drop and use-scale: the class's grading rules, set as the Grades
// menu sets them, and the class saved with its sibling files.

#include "app/cli/ClassChanging.h"
#include "app/cli/Commands.h"
#include "app/cli/ScaleWords.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/editing/ClassChanges.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QFileInfo>

namespace markwell::cli {
namespace {

constexpr char kUseOption[] = "use";
constexpr char kNoUseOption[] = "no-use";
constexpr char kTypesOption[] = "types";

QString weightsSummary(const QString& file, const WeightedGrades& weights) {
    QStringList shares;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        shares << QStringLiteral("%1 %2").arg(assignmentTypeName(type), QString::number(weights.weight(type)));
    }
    const QString joined = shares.join(QStringLiteral(", "));
    return weights.enabled ? QStringLiteral("Weights of %1: %2; weighted averages on.").arg(file, joined)
                           : QStringLiteral("Weights of %1: %2; weighted averages off.").arg(file, joined);
}

QString dropSummary(const QString& file, const DropLowScoreInfo& rule) {
    switch (rule.drop_type) {
    case droprule::kLowestOverall: return QStringLiteral("Drop rule of %1: lowest score overall.").arg(file);
    case droprule::kLowestPerType: {
        QStringList types;
        for (int type = 0; type < kAssignmentTypeCount; ++type) {
            if (rule.flag(type)) types << assignmentTypeName(type);
        }
        return QStringLiteral("Drop rule of %1: lowest score by type (%2).")
            .arg(file, types.isEmpty() ? QStringLiteral("no type ticked") : types.join(QStringLiteral(", ")));
    }
    default: return QStringLiteral("Drop rule of %1: none.").arg(file);
    }
}

// weights FILE.grs FINAL TEST QUIZ HOMEWORK LAB OTHER [--use | --no-use] [-o OUT.grs]
int runWeights(const CommandArguments& args, const Console& console) {
    if (args.isSet(kUseOption) && args.isSet(kNoUseOption)) {
        return console.usage(QStringLiteral("weights: give --use or --no-use once"));
    }
    WeightedGrades weights;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        bool ok = false;
        const QString& typed = args.positional[type + 1];
        const int weight = typed.toInt(&ok);
        if (!ok) {
            return console.usage(QStringLiteral("weights: the weight of %1 must be a whole number, not \"%2\"")
                                     .arg(assignmentTypeName(type), typed));
        }
        weights.setWeight(type, weight);
    }
    std::optional<bool> use;
    if (args.isSet(kUseOption) || args.isSet(kNoUseOption)) use = args.isSet(kUseOption);
    // Without --use or --no-use the class keeps its switch.
    const auto withSwitch = [weights, use](const Document& document) mutable -> std::variant<Change, Refused> {
        weights.enabled = use.value_or(document.classRecord.weightGrades.enabled);
        return weightsChange(weights);
    };
    return runClassChange(
        args.command, args.positional[0], args.output, withSwitch,
        [](const Document& changed, const QString& saved) {
            return weightsSummary(QFileInfo(saved).fileName(), changed.classRecord.weightGrades);
        },
        console);
}

constexpr OptionDeclaration kWeightsOptions[] = {
    {kUseOption, nullptr, "Turn weighted averages on."},
    {kNoUseOption, nullptr, "Turn weighted averages off."},
};
constexpr const char* kWeightsArguments[] = {"FILE.grs", "FINAL", "TEST", "QUIZ", "HOMEWORK", "LAB", "OTHER"};
constexpr Command kWeights{
    .name = "weights",
    .usage = "weights FILE.grs FINAL TEST QUIZ HOMEWORK LAB OTHER [--use | --no-use] [-o OUT.grs]",
    .summary = "Set the weight of each assignment type (whole numbers 0-100, making 100 when used).",
    .run = runWeights,
    .options = kWeightsOptions,
    .arguments = kWeightsArguments,
    .output = OutputPlace::Option,
    .writesClass = true,
    .changesClass = true,
    .place = 170};
const CommandRegistration kWeightsListed{kWeights};

// drop FILE.grs none|overall|by-type [--types final,test,...] [-o OUT.grs]
int runDrop(const CommandArguments& args, const Console& console) {
    DropLowScoreInfo rule;
    const QString& name = args.positional[1];
    if (name == QLatin1String("none")) rule.drop_type = droprule::kNone;
    else if (name == QLatin1String("overall")) rule.drop_type = droprule::kLowestOverall;
    else if (name == QLatin1String("by-type")) rule.drop_type = droprule::kLowestPerType;
    else return console.usage(QStringLiteral("drop: \"%1\" is not a rule: none, overall or by-type").arg(name));
    if (args.isSet(kTypesOption)) {
        if (rule.drop_type != droprule::kLowestPerType) {
            return console.usage(QStringLiteral("drop: --types goes with by-type only"));
        }
        for (const QString& item : args.value(kTypesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int type = assignmentTypeIndexTyped(item.trimmed());
            if (type < 0) {
                return console.usage(QStringLiteral("drop: \"%1\" is not an assignment type "
                                                    "(final, test, quiz, homework, lab, other)")
                                         .arg(item.trimmed()));
            }
            rule.setFlag(type, true);
        }
    }
    return runClassChange(
        args.command, args.positional[0], args.output, dropRuleChange(rule),
        [](const Document& changed, const QString& saved) {
            return dropSummary(QFileInfo(saved).fileName(), changed.classRecord.lowScoreInfo);
        },
        console);
}

constexpr OptionDeclaration kDropOptions[] = {
    {kTypesOption, "LIST", "The types whose lowest score is dropped (by-type)."},
};
constexpr const char* kDropArguments[] = {"FILE.grs", "RULE"};
constexpr Command kDrop{
    .name = "drop",
    .usage = "drop FILE.grs none|overall|by-type [--types final,test,quiz,homework,lab,other] [-o OUT.grs]",
    .summary = "Set the rule for dropping each student's lowest scores.",
    .run = runDrop,
    .options = kDropOptions,
    .arguments = kDropArguments,
    .output = OutputPlace::Option,
    .writesClass = true,
    .changesClass = true,
    .place = 180};
const CommandRegistration kDropListed{kDrop};

// use-scale FILE.grs NAME [-o OUT.grs]: the scale of this computer's store
// becomes the class's, as OK in the Grade Scale window makes it.
int runUseScale(const CommandArguments& args, const Console& console) {
    const QString name = args.positional[1];
    QSettingsStore settings;
    const ScaleStore store(settings);
    const std::optional<StoredScale> scale = store.readScale(name.trimmed());
    if (!scale) {
        console.error(QStringLiteral("use-scale: there is no grade scale named \u201c%1\u201d").arg(name));
        return kExitFailed;
    }
    return runClassChange(
        args.command, args.positional[0], args.output, gradeScaleChange(*scale),
        [&scale](const Document&, const QString& saved) {
            return QStringLiteral("%1 uses the grade scale \u201c%2\u201d (%3).")
                .arg(QFileInfo(saved).fileName(), scale->name, kindWord(scale->kind));
        },
        console);
}

constexpr Command kUseScale{.name = "use-scale",
                            .usage = "use-scale FILE.grs NAME [-o OUT.grs]",
                            .summary = "Give the class a grade scale of this computer; its letter grades follow.",
                            .run = runUseScale,
                            .arguments = kGradeFileAndName,
                            .output = OutputPlace::Option,
                            .writesClass = true,
                            .changesClass = true,
                            .place = 200};
const CommandRegistration kUseScaleListed{kUseScale};

}  // namespace

}  // namespace markwell::cli
