#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/ReportArguments.h"
#include "core/export/SheetFile.h"
#include "core/grading/GradesTable.h"
#include "core/reports/IndividualReport.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct StudentCommand {
    Q_DECLARE_TR_FUNCTIONS(StudentCommand)
};

}  // namespace

// student FILE NAME [--type] [-o OUT]: the individual report of the first
// student of that name: the Overall table, or by type; -o also writes the
// Overall table as the e-mail command attaches it (.xls, .xlsx or .csv).
int runStudent(const QStringList& args, const Console& console) {
    const Result<ReportArguments> parsed = parseReportArguments(
        QStringLiteral("student"), args, 2, {QStringLiteral("--type")}, {QStringLiteral("-o"), QStringLiteral("--output")});
    if (!parsed) return console.usage(parsed.message());
    if (parsed->countOf({QStringLiteral("-o"), QStringLiteral("--output")}) > 1) {
        return console.usage(StudentCommand::tr("student: one output file only"));
    }
    const QString path = parsed->positional[0];
    const QString output = parsed->has(QStringLiteral("-o")) ? parsed->value(QStringLiteral("-o"))
                                                             : parsed->value(QStringLiteral("--output"));
    if (!output.isEmpty() && !outputSparesInputs(output, classFilePathsFor(path), console)) return kExitFailed;
    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const std::optional<int> student = chooseStudent(*cls, parsed->positional[1], path, console);
    if (!student) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    const Sheet overall = individualOverallSheet(*cls, grades.sheet, *student);
    printSheet(parsed->has(QStringLiteral("--type")) ? individualTypeSheet(*cls, *student) : overall, console);

    if (output.isEmpty()) return kExitOk;
    if (const Result<void> written = writeSheetFile(overall, output); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace markwell::cli
