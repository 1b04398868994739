// weights, drop and use-scale: the class's grading rules, set as the Grades
// menu sets them, and the class saved with its sibling files.

#include "app/cli/ClassEdit.h"
#include "app/cli/Commands.h"
#include "app/cli/ScaleWords.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/editing/GradingRules.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct RulesCommands {
    Q_DECLARE_TR_FUNCTIONS(RulesCommands)
};

QString weightsSummary(const QString& file, const WeightedGrades& weights) {
    QStringList shares;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        shares << QStringLiteral("%1 %2").arg(assignmentTypeName(type), QString::number(weights.weight(type)));
    }
    const QString joined = shares.join(QStringLiteral(", "));
    return weights.enabled ? RulesCommands::tr("Weights of %1: %2; weighted averages on.").arg(file, joined)
                       : RulesCommands::tr("Weights of %1: %2; weighted averages off.").arg(file, joined);
}

QString dropSummary(const QString& file, const DropLowScoreInfo& rule) {
    switch (rule.drop_type) {
    case droprule::kLowestOverall: return RulesCommands::tr("Drop rule of %1: lowest score overall.").arg(file);
    case droprule::kLowestPerType: {
        QStringList types;
        for (int type = 0; type < kAssignmentTypeCount; ++type) {
            if (rule.flag(type)) types << assignmentTypeName(type);
        }
        return RulesCommands::tr("Drop rule of %1: lowest score by type (%2).")
            .arg(file, types.isEmpty() ? RulesCommands::tr("no type ticked") : types.join(QStringLiteral(", ")));
    }
    default: return RulesCommands::tr("Drop rule of %1: none.").arg(file);
    }
}

}  // namespace

// weights FILE.grs FINAL TEST QUIZ HOMEWORK LAB OTHER [--use | --no-use] [-o OUT.grs]
int runWeights(const QStringList& arguments, const Console& console) {
    QStringList args = arguments;
    QString output;
    if (const QString problem = takeOutputOption(args, output); !problem.isEmpty()) {
        return console.usage(QStringLiteral("weights: ") + problem);
    }
    std::optional<bool> use;
    QStringList positional;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--use") || arg == QLatin1String("--no-use")) {
            if (use) return console.usage(RulesCommands::tr("weights: give --use or --no-use once"));
            use = arg == QLatin1String("--use");
        } else if (arg.startsWith(QLatin1String("--"))) {
            return console.usage(RulesCommands::tr("weights: unknown option \"%1\"").arg(arg));
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 1 + kAssignmentTypeCount) {
        return console.usage(RulesCommands::tr("weights: give the grade file and six weights "
                                               "(Final, Test, Quiz, Homework, Lab, Other)"));
    }
    WeightedGrades weights;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        bool ok = false;
        const int weight = positional[type + 1].toInt(&ok);
        if (!ok) {
            return console.usage(RulesCommands::tr("weights: the weight of %1 must be a whole number, not \"%2\"")
                                     .arg(assignmentTypeName(type), positional[type + 1]));
        }
        weights.setWeight(type, weight);
    }
    return changeClassFile(QStringLiteral("weights"), positional.front(), output,
                     [&weights, use](ClassRecord& cls, const QString& file) -> Result<QString> {
                         weights.enabled = use.value_or(cls.weightGrades.enabled);
                         if (Result<void> set = setWeights(cls, weights); !set) return set.error();
                         return weightsSummary(file, cls.weightGrades);
                     },
                     console);
}

// drop FILE.grs none|overall|by-type [--types final,test,...] [-o OUT.grs]
int runDrop(const QStringList& arguments, const Console& console) {
    QStringList args = arguments;
    QString output;
    if (const QString problem = takeOutputOption(args, output); !problem.isEmpty()) {
        return console.usage(QStringLiteral("drop: ") + problem);
    }
    std::optional<QString> types;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--types")) {
            if (i + 1 >= args.size()) return console.usage(RulesCommands::tr("drop: --types needs a list of types"));
            types = args[++i];
        } else if (args[i].startsWith(QLatin1String("--types="))) {
            types = args[i].mid(8);
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return console.usage(RulesCommands::tr("drop: unknown option \"%1\"").arg(args[i]));
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 2) {
        return console.usage(RulesCommands::tr("drop: give the grade file and none, overall or by-type"));
    }
    DropLowScoreInfo rule;
    const QString& name = positional[1];
    if (name == QLatin1String("none")) rule.drop_type = droprule::kNone;
    else if (name == QLatin1String("overall")) rule.drop_type = droprule::kLowestOverall;
    else if (name == QLatin1String("by-type")) rule.drop_type = droprule::kLowestPerType;
    else return console.usage(RulesCommands::tr("drop: \"%1\" is not a rule: none, overall or by-type").arg(name));
    if (types) {
        if (rule.drop_type != droprule::kLowestPerType) {
            return console.usage(RulesCommands::tr("drop: --types goes with by-type only"));
        }
        for (const QString& item : types->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int type = assignmentTypeIndexTyped(item.trimmed());
            if (type < 0) {
                return console.usage(RulesCommands::tr("drop: \"%1\" is not an assignment type "
                                                       "(final, test, quiz, homework, lab, other)")
                                         .arg(item.trimmed()));
            }
            rule.setFlag(type, true);
        }
    }
    return changeClassFile(QStringLiteral("drop"), positional[0], output,
                     [&rule](ClassRecord& cls, const QString& file) -> Result<QString> {
                         if (Result<void> set = setDropRule(cls, rule); !set) return set.error();
                         return dropSummary(file, cls.lowScoreInfo);
                     },
                     console);
}

// use-scale FILE.grs NAME [-o OUT.grs]: the scale of this computer's store
// becomes the class's, as OK in the Grade Scale window makes it.
int runUseScale(const QStringList& arguments, const Console& console) {
    QStringList args = arguments;
    QString output;
    if (const QString problem = takeOutputOption(args, output); !problem.isEmpty()) {
        return console.usage(QStringLiteral("use-scale: ") + problem);
    }
    if (args.size() != 2 || args[0].startsWith(QLatin1String("--"))) {
        return console.usage(RulesCommands::tr("use-scale: give the grade file and the name of a grade scale"));
    }
    const QString name = args[1];
    return changeClassFile(QStringLiteral("use-scale"), args[0], output,
                     [&name](ClassRecord& cls, const QString& file) -> Result<QString> {
                         QSettingsStore settings;
                         const ScaleStore store(settings);
                         const std::optional<StoredScale> scale = store.readScale(name.trimmed());
                         if (!scale) {
                             return fail(RulesCommands::tr("there is no grade scale named \u201c%1\u201d").arg(name));
                         }
                         if (Result<void> used = useGradeScale(cls, *scale); !used) return used.error();
                         return RulesCommands::tr("%1 uses the grade scale \u201c%2\u201d (%3).")
                             .arg(file, scale->name, kindWord(scale->kind));
                     },
                     console);
}

}  // namespace markwell::cli
