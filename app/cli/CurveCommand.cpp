// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// curve: one assignment's scores moved by one rule, as Grades > Curve... does.

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/editing/Curve.h"
#include "core/reports/CurvePreview.h"

#include <optional>

namespace markwell::cli {
namespace {

constexpr char kAddOption[] = "add";
constexpr char kTopOption[] = "top";
constexpr char kMeanOption[] = "mean";
constexpr char kRoundOption[] = "round";
constexpr char kCapOption[] = "cap";

// LOW:HIGH=NEWLOW:NEWHIGH, four numbers of points.
bool readMap(const QString& text, CurveRule& rule) {
    const QStringList sides = text.split(QLatin1Char('='));
    if (sides.size() != 2) return false;
    const QStringList from = sides[0].split(QLatin1Char(':'));
    const QStringList to = sides[1].split(QLatin1Char(':'));
    if (from.size() != 2 || to.size() != 2) return false;
    const std::optional<double> low = parseNumber(from[0]);
    const std::optional<double> high = parseNumber(from[1]);
    const std::optional<double> newLow = parseNumber(to[0]);
    const std::optional<double> newHigh = parseNumber(to[1]);
    if (!low || !high || !newLow || !newHigh) return false;
    rule.low = *low;
    rule.high = *high;
    rule.newLow = *newLow;
    rule.newHigh = *newHigh;
    return true;
}

// The kind of curve and its number, from the one option of the four given.
std::optional<CurveRule> curveKindOf(const CommandArguments& args, const Console& console) {
    if (args.countOf({kAddOption, kTopOption, kMeanOption, kMapOption}) != 1) {
        console.usage(QStringLiteral("curve: give one of --add, --top, --mean and --map"));
        return std::nullopt;
    }
    CurveRule rule;
    if (args.isSet(kTopOption)) {
        rule.kind = CurveKind::Top;
    } else if (args.isSet(kAddOption)) {
        rule.kind = CurveKind::Add;
        const std::optional<double> points = parseNumber(args.value(kAddOption));
        if (!points) {
            console.usage(QStringLiteral("curve: --add takes a number of points"));
            return std::nullopt;
        }
        rule.points = *points;
    } else if (args.isSet(kMeanOption)) {
        rule.kind = CurveKind::Mean;
        const std::optional<double> percent = parseNumber(args.value(kMeanOption));
        if (!percent || !(*percent > 0)) {
            console.usage(QStringLiteral("curve: --mean takes a percentage above 0"));
            return std::nullopt;
        }
        rule.meanPercent = *percent;
    } else {
        rule.kind = CurveKind::Map;
        if (!readMap(args.value(kMapOption), rule)) {
            console.usage(QStringLiteral("curve: --map takes LOW:HIGH=NEWLOW:NEWHIGH, four numbers of points"));
            return std::nullopt;
        }
    }
    return rule;
}

std::optional<CurveRule> curveRuleOf(const CommandArguments& args, const Console& console) {
    std::optional<CurveRule> rule = curveKindOf(args, console);
    if (!rule) return std::nullopt;
    const QString rounding = args.isSet(kRoundOption) ? args.value(kRoundOption) : QStringLiteral("none");
    if (rounding == QLatin1String("1")) {
        rule->step = 1;
    } else if (rounding == QLatin1String("0.5")) {
        rule->step = 0.5;
    } else if (rounding != QLatin1String("none")) {
        console.usage(QStringLiteral("curve: --round takes 1, 0.5 or none"));
        return std::nullopt;
    }
    rule->cap = args.isSet(kCapOption);
    return rule;
}

// Every student's old and new score, then the line that counts them.
QString curveReport(const ClassRecord& cls, std::size_t assignment, const CurvedColumn& column) {
    return curvedScoresSheet(column).toTsv(CellRange::all()) +
           QStringLiteral("Curved %1 scores of \"%2\"\n")
               .arg(QString::number(column.changed), cp1252::toUnicode(cls.assignments[assignment].title));
}

struct CurveOfClass {
    std::size_t assignment = 0;
    QString report;
};

// The chosen assignment of the class and the report of its curve, or nothing
// after saying why the curve is refused.
std::optional<CurveOfClass> curveOn(const ClassRecord& cls, const AssignmentChoice& choice, const CurveRule& rule,
                                    const QString& command, const Console& console) {
    const Result<std::size_t> assignment = chosenAssignment(cls, choice);
    if (!assignment) {
        console.error(QStringLiteral("%1: %2").arg(command, assignment.message()));
        return std::nullopt;
    }
    const Result<CurvedColumn> column = curveAssignment(cls, *assignment, rule);
    if (!column) {
        console.error(QStringLiteral("%1: %2").arg(command, column.message()));
        return std::nullopt;
    }
    return CurveOfClass{*assignment, curveReport(cls, *assignment, *column)};
}

// curve FILE.grs (--assignment TITLE | --index K) (--add N | --top | --mean P | --map L:H=NL:NH)
//       [--round 1|0.5|none] [--cap] [--dry-run] [-o OUT.grs]
int runCurve(const CommandArguments& args, const Console& console) {
    const AssignmentChoice& choice = *args.assignment;
    const std::optional<CurveRule> rule = curveRuleOf(args, console);
    if (!rule) return kExitUsage;
    const QString path = args.positional[0];
    if (args.isSet(kDryRunOption)) {
        const std::optional<ClassRecord> cls = args.theClass.gradeFile();
        if (!cls) return kExitFailed;
        const std::optional<CurveOfClass> curve = curveOn(*cls, choice, *rule, args.command, console);
        if (!curve) return kExitFailed;
        console.print(curve->report);
        return kExitOk;
    }
    // The report comes from the class as opened, by the code the change runs.
    QString report;
    const auto curveOfClass = [&](const Document& document) -> std::variant<Change, Refused> {
        const std::optional<CurveOfClass> curve = curveOn(document.classRecord, choice, *rule, args.command, console);
        if (!curve) return Refused{kExitFailed};
        report = curve->report;
        return curveChange(document.classRecord, curve->assignment, *rule);
    };
    return runClassChange(
        args.command, path, args.output, curveOfClass, [&report](const Document&, const QString&) { return report; },
        console);
}

constexpr OptionDeclaration kCurveOptions[] = {
    kAssignmentTitle,
    kAssignmentIndex,
    {kAddOption, "N", "Add N points to every score."},
    {kTopOption, nullptr, "Scale so that the highest score becomes the possible points."},
    {kMeanOption, "P", "Scale so that the mean becomes P % of the possible points."},
    {kMapOption, "LOW:HIGH=NEWLOW:NEWHIGH", "Move scores along the line through two old and new scores, in points."},
    {kRoundOption, "1|0.5|none", "Round half up to this step (none by default)."},
    {kCapOption, nullptr, "No score above the possible points."},
    {kDryRunOption, nullptr, "Print the scores the curve would give; write nothing."},
};
constexpr Requirement kCurveRequirements[] = {kNeedsAssignment};
constexpr Command kCurve{.name = "curve",
                         .usage = "curve FILE.grs (--assignment TITLE | --index K) (--add N | --top | --mean P | --map "
                                  "LOW:HIGH=NEWLOW:NEWHIGH) [--round 1|0.5|none] [--cap] [--dry-run] [-o OUT.grs]",
                         .summary =
                             "Curve an assignment's scores; print every student's old and new score and how many "
                             "changed.",
                         .run = runCurve,
                         .options = kCurveOptions,
                         .arguments = kGradeFile,
                         .output = OutputPlace::Option,
                         .writesClass = true,
                         .readsClass = true,
                         .changesClass = true,
                         .requirements = kCurveRequirements,
                         .place = 130};
const CommandRegistration kCurveListed{kCurve};

}  // namespace

}  // namespace markwell::cli
