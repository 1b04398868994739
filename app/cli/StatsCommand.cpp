// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesTable.h"
#include "core/reports/ClassStatistics.h"

namespace markwell::cli {
namespace {

constexpr char kMissingOption[] = "missing";
constexpr char kGroupingOption[] = "grouping";

// The usage error of a wrong combination, or an empty text.
QString combinationError(const CommandArguments& args) {
    const int chosen = args.countOf({kAssignmentOption, kIndexOption, kOverallOption});
    if (args.isSet(kMissingOption)) {
        if (chosen > 0 || args.isSet(kGroupingOption)) return QStringLiteral("stats: --missing stands alone");
        const QString kind = args.value(kMissingOption);
        if (kind != QLatin1String("absent") && kind != QLatin1String("zero")) {
            return QStringLiteral("stats: --missing takes absent or zero");
        }
        return {};
    }
    if (args.isSet(kOverallOption) && !args.isSet(kGroupingOption))
        return QStringLiteral("stats: --overall is for --grouping");
    if (chosen != 1) {
        return args.isSet(kGroupingOption)
                   ? QStringLiteral("stats: choose one of --assignment TITLE, --index N, --overall")
                   : QStringLiteral("stats: choose one of --assignment TITLE, --index N");
    }
    return {};
}

// stats FILE (--assignment TITLE | --index N): the statistics of an assignment;
// stats FILE --grouping (--assignment TITLE | --index N | --overall): how many
// earned each letter; stats FILE --missing absent|zero: each student's missing work.
int runStats(const CommandArguments& args, const Console& console) {
    if (const QString error = combinationError(args); !error.isEmpty()) return console.usage(error);

    const QString path = args.positional[0];
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    if (args.isSet(kMissingOption)) {
        const MissingKind kind =
            args.value(kMissingOption) == QLatin1String("zero") ? MissingKind::Zero : MissingKind::Absent;
        printSheet(missingWorkSheet(grades.sheet, kind), console);
        return kExitOk;
    }
    if (args.isSet(kOverallOption)) {
        printSheet(groupingSheet(*cls, grades.sheet, std::nullopt), console);
        return kExitOk;
    }
    const std::optional<AssignmentChoice> choice = assignmentChoiceOf(args, console);
    if (!choice) return kExitUsage;
    const Result<std::size_t> chosen = chosenAssignment(*cls, *choice);
    if (!chosen) {
        console.error(QStringLiteral("stats: %1").arg(chosen.message()));
        return kExitFailed;
    }
    const int assignment = static_cast<int>(*chosen);
    printSheet(args.isSet(kGroupingOption) ? groupingSheet(*cls, grades.sheet, assignment)
                                           : statisticsSheet(*cls, grades.sheet, assignment),
               console);
    return kExitOk;
}

constexpr OptionDeclaration kStatsOptions[] = {
    kAssignmentTitle,
    kAssignmentIndex,
    {kGroupingOption, nullptr, "How many earned each letter."},
    {kOverallOption, nullptr, "Of the overall grades (--grouping)."},
    {kMissingOption, "KIND", "Each student's missing work: absent or zero."},
};
constexpr Command kStats{
    .name = "stats",
    .usage = "stats FILE.grs (--assignment TITLE | --index N) | --grouping (--assignment TITLE | --index N | "
             "--overall) | --missing absent|zero",
    .summary = "Print an assignment's statistics, how many earned each letter, or each student's "
               "missing work.",
    .run = runStats,
    .options = kStatsOptions,
    .arguments = kGradeFile,
    .readsClass = true,
    .place = 250};
const CommandRegistration kStatsListed{kStats};

}  // namespace

}  // namespace markwell::cli
