// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesTable.h"
#include "core/reports/ClassStatistics.h"

namespace markwell::cli {
namespace {

const QString kAssignment = QStringLiteral("assignment");
const QString kIndex = QStringLiteral("index");
const QString kOverall = QStringLiteral("overall");
const QString kGrouping = QStringLiteral("grouping");
const QString kMissing = QStringLiteral("missing");

// The usage error of a wrong combination, or an empty text.
QString combinationError(const CommandArguments& args) {
    const int chosen = args.countOf({kAssignment, kIndex, kOverall});
    if (args.isSet(kMissing)) {
        if (chosen > 0 || args.isSet(kGrouping)) return QStringLiteral("stats: --missing stands alone");
        const QString kind = args.value(kMissing);
        if (kind != QLatin1String("absent") && kind != QLatin1String("zero")) {
            return QStringLiteral("stats: --missing takes absent or zero");
        }
        return {};
    }
    if (args.isSet(kOverall) && !args.isSet(kGrouping)) return QStringLiteral("stats: --overall is for --grouping");
    if (chosen != 1) {
        return args.isSet(kGrouping) ? QStringLiteral("stats: choose one of --assignment TITLE, --index N, --overall")
                                     : QStringLiteral("stats: choose one of --assignment TITLE, --index N");
    }
    return {};
}

}  // namespace

// stats FILE (--assignment TITLE | --index N): the statistics of an assignment;
// stats FILE --grouping (--assignment TITLE | --index N | --overall): how many
// earned each letter; stats FILE --missing absent|zero: each student's missing work.
int runStats(const CommandArguments& args, const Console& console) {
    if (const QString error = combinationError(args); !error.isEmpty()) return console.usage(error);

    const QString path = args.positional[0];
    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    if (args.isSet(kMissing)) {
        const MissingKind kind =
            args.value(kMissing) == QLatin1String("zero") ? MissingKind::Zero : MissingKind::Absent;
        printSheet(missingWorkSheet(grades.sheet, kind), console);
        return kExitOk;
    }
    if (args.isSet(kOverall)) {
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
    printSheet(args.isSet(kGrouping) ? groupingSheet(*cls, grades.sheet, assignment)
                                     : statisticsSheet(*cls, grades.sheet, assignment),
               console);
    return kExitOk;
}

}  // namespace markwell::cli
