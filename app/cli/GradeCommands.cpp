// add-assignment, set-points and set-total: assignments and their points
// without windows, as the assignment list and grade entry change them.

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/EditSupport.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"
#include "core/editing/AssignmentEditing.h"
#include "core/editing/CsvImport.h"
#include "core/editing/GradeEntry.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct GradeCommands {
    Q_DECLARE_TR_FUNCTIONS(GradeCommands)
};


}  // namespace

// add-assignment FILE.grs --title T --type TYPE [--total N] [--description D] [-o OUT.grs]
int runAddAssignment(const QStringList& args, const Console& console) {
    const QString command = QStringLiteral("add-assignment");
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("title"), QStringLiteral("The title."), QStringLiteral("T")},
        {QStringLiteral("type"), QStringLiteral("Final, Test, Quiz, Homework, Lab or Other."), QStringLiteral("TYPE")},
        {QStringLiteral("total"), QStringLiteral("The possible points."), QStringLiteral("N")},
        {QStringLiteral("description"), QStringLiteral("The description."), QStringLiteral("D")},
    });
    if (!parseEditArguments(parser, command, args, 1, console)) return kExitUsage;
    if (!parser.isSet(QStringLiteral("title")) || !parser.isSet(QStringLiteral("type"))) {
        return console.usage(GradeCommands::tr("add-assignment: --title and --type are needed"));
    }
    // The type as the class keeps it, whatever the letter case typed.
    const int typeIndex = assignmentTypeIndexTyped(parser.value(QStringLiteral("type")));
    const QString type = typeIndex < 0 ? QString() : assignmentTypeName(typeIndex);
    if (type.isEmpty()) {
        return console.usage(GradeCommands::tr("add-assignment: --type takes Final, Test, Quiz, Homework, Lab or Other"));
    }
    const QString path = parser.positionalArguments().front();
    const QString output = outputOf(parser).isEmpty() ? path : outputOf(parser);
    const std::optional<ChangeLocks> locks = lockForChange({path, output}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    ClassRecord& cls = document->classRecord;

    const AssignmentForm form{parser.value(QStringLiteral("title")), type, parser.value(QStringLiteral("description"))};
    const Result<std::size_t> added = addAssignment(cls, form);
    if (!added) {
        console.error(QStringLiteral("%1: %2").arg(command, added.message()));
        return kExitFailed;
    }
    AssignmentInfo& assignment = cls.assignments[*added];
    if (const Result<void> total = setTotal(assignment, parser.value(QStringLiteral("total"))); !total) {
        console.error(QStringLiteral("%1: %2").arg(command, total.message()));
        return kExitFailed;
    }
    if (!saveClassDocument(*document, output, console)) return kExitFailed;
    console.printLine(GradeCommands::tr("Added %1 to %2: %3, total %4.")
                          .arg(assignmentName(cls, *added), output, type, generalQText(assignment.total)));
    return kExitOk;
}

// set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]
int runSetPoints(const QStringList& args, const Console& console) {
    const QString command = QStringLiteral("set-points");
    QCommandLineParser parser;
    addAssignmentOptions(parser);
    if (!parseEditArguments(parser, command, args, 2, console)) return kExitUsage;
    const QString path = parser.positionalArguments()[0];
    const QString csvPath = parser.positionalArguments()[1];
    const QString output = outputOf(parser).isEmpty() ? path : outputOf(parser);
    const std::optional<ChangeLocks> locks = lockForChange({path, output}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    ClassRecord& cls = document->classRecord;
    const ChosenAssignment chosen = chosenAssignment(parser, command, cls, console);
    if (!chosen.index) return chosen.exitCode;
    const std::optional<CsvTable> table = readCsvFile(csvPath, console);
    if (!table) return kExitFailed;

    if (const std::vector<RowProblem> problems = setPointRows(cls, *chosen.index, *table); !problems.empty()) {
        reportRows(csvPath, problems, console);
        return kExitFailed;
    }
    if (!classOutputSparesInputs(output, {csvPath}, console)) return kExitFailed;
    if (!saveClassDocument(*document, output, console)) return kExitFailed;
    console.printLine(GradeCommands::tr("Stored %1 points of %2 in %3.")
                          .arg(QString::number(table->rows.size()), assignmentName(cls, *chosen.index), output));
    return kExitOk;
}

// set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]
int runSetTotal(const QStringList& args, const Console& console) {
    const QString command = QStringLiteral("set-total");
    QCommandLineParser parser;
    addAssignmentOptions(parser);
    if (!parseEditArguments(parser, command, args, 2, console)) return kExitUsage;
    const QString path = parser.positionalArguments()[0];
    const QString output = outputOf(parser).isEmpty() ? path : outputOf(parser);
    const std::optional<ChangeLocks> locks = lockForChange({path, output}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    ClassRecord& cls = document->classRecord;
    const ChosenAssignment chosen = chosenAssignment(parser, command, cls, console);
    if (!chosen.index) return chosen.exitCode;

    AssignmentInfo& assignment = cls.assignments[*chosen.index];
    if (const Result<void> total = setTotal(assignment, parser.positionalArguments()[1]); !total) {
        console.error(QStringLiteral("%1: %2").arg(command, total.message()));
        return kExitFailed;
    }
    if (!saveClassDocument(*document, output, console)) return kExitFailed;
    console.printLine(GradeCommands::tr("Set the total of %1 to %2 in %3.")
                          .arg(assignmentName(cls, *chosen.index), generalQText(assignment.total), output));
    return kExitOk;
}

}  // namespace markwell::cli
