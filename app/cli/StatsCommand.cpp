#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/ReportArguments.h"
#include "core/grading/GradesTable.h"
#include "core/reports/ClassStatistics.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct StatsCommand {
    Q_DECLARE_TR_FUNCTIONS(StatsCommand)
};

const QString kAssignment = QStringLiteral("--assignment");
const QString kIndex = QStringLiteral("--index");
const QString kOverall = QStringLiteral("--overall");
const QString kGrouping = QStringLiteral("--grouping");
const QString kMissing = QStringLiteral("--missing");

// The usage error of a wrong combination, or an empty text.
QString combinationError(const ReportArguments& args) {
    const int chosen = args.countOf({kAssignment, kIndex, kOverall});
    if (args.has(kMissing)) {
        if (chosen > 0 || args.has(kGrouping)) return StatsCommand::tr("stats: --missing stands alone");
        const QString kind = args.value(kMissing);
        if (kind != QLatin1String("absent") && kind != QLatin1String("zero")) {
            return StatsCommand::tr("stats: --missing takes absent or zero");
        }
        return {};
    }
    if (args.has(kOverall) && !args.has(kGrouping)) return StatsCommand::tr("stats: --overall is for --grouping");
    if (chosen != 1) {
        return args.has(kGrouping) ? StatsCommand::tr("stats: choose one of --assignment TITLE, --index N, --overall")
                                   : StatsCommand::tr("stats: choose one of --assignment TITLE, --index N");
    }
    return {};
}

}  // namespace

// stats FILE (--assignment TITLE | --index N): the statistics of an assignment;
// stats FILE --grouping (--assignment TITLE | --index N | --overall): how many
// earned each letter; stats FILE --missing absent|zero: each student's missing work.
int runStats(const QStringList& args, const Console& console) {
    const Result<ReportArguments> parsed =
        parseReportArguments(QStringLiteral("stats"), args, 1, {kOverall, kGrouping}, {kAssignment, kIndex, kMissing});
    if (!parsed) return console.usage(parsed.message());
    if (const QString error = combinationError(*parsed); !error.isEmpty()) return console.usage(error);

    const QString path = parsed->positional[0];
    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    if (parsed->has(kMissing)) {
        const MissingKind kind = parsed->value(kMissing) == QLatin1String("zero") ? MissingKind::Zero : MissingKind::Absent;
        printSheet(missingWorkSheet(grades.sheet, kind), console);
        return kExitOk;
    }
    if (parsed->has(kOverall)) {
        printSheet(groupingSheet(*cls, grades.sheet, std::nullopt), console);
        return kExitOk;
    }
    int exitCode = kExitOk;
    const std::optional<int> assignment =
        chooseAssignment(QStringLiteral("stats"), *cls, *parsed, path, console, exitCode);
    if (!assignment) return exitCode;
    printSheet(parsed->has(kGrouping) ? groupingSheet(*cls, grades.sheet, *assignment)
                                      : statisticsSheet(*cls, grades.sheet, *assignment),
               console);
    return kExitOk;
}

}  // namespace markwell::cli
