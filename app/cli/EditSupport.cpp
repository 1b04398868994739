#include "app/cli/EditSupport.h"

#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "core/common/Cp1252.h"
#include "core/editing/GradeEntry.h"
#include "core/files/FileBytes.h"

#include <QCoreApplication>


namespace markwell::cli {
namespace {

struct EditSupport {
    Q_DECLARE_TR_FUNCTIONS(EditSupport)
};

}  // namespace

bool parseEditArguments(QCommandLineParser& parser, const QString& command, const QStringList& args,
                        qsizetype positional, const Console& console) {
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Where to write the class."),
                      QStringLiteral("OUT.grs")});
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{command} + args)) {
        console.usage(QStringLiteral("%1: %2").arg(command, parser.errorText()));
        return false;
    }
    if (parser.positionalArguments().size() != positional) {
        console.usage(EditSupport::tr("%1: expected %2 file and value arguments, got %3")
                          .arg(command, QString::number(positional),
                               QString::number(parser.positionalArguments().size())));
        return false;
    }
    const QString output = outputOf(parser);
    if (!output.isEmpty() && !isGradeFileName(output)) {
        console.usage(EditSupport::tr("%1: the output file's name must end in .grs").arg(command));
        return false;
    }
    return true;
}

QString outputOf(const QCommandLineParser& parser) {
    return parser.value(QStringLiteral("output"));
}

std::optional<CsvTable> readCsvFile(const QString& path, const Console& console) {
    Result<CsvTable> table = readCsvTable(path);
    if (!table) {
        console.error(table.message());
        return std::nullopt;
    }
    return std::move(table).value();
}

void reportRows(const QString& path, const std::vector<RowProblem>& problems, const Console& console) {
    for (const QString& line : rowProblemLines(path, problems)) console.error(line);
}

void addAssignmentOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("assignment"), QStringLiteral("The assignment's title."), QStringLiteral("TITLE")},
        {QStringLiteral("index"), QStringLiteral("The assignment's number, from 1."), QStringLiteral("K")},
    });
}

ChosenAssignment chosenAssignment(const QCommandLineParser& parser, const QString& command, const ClassRecord& cls,
                                  const Console& console) {
    const bool byTitle = parser.isSet(QStringLiteral("assignment"));
    const bool byIndex = parser.isSet(QStringLiteral("index"));
    if (byTitle == byIndex) {
        return {std::nullopt, console.usage(EditSupport::tr("%1: name the assignment with either --assignment TITLE "
                                                            "or --index K")
                                                .arg(command))};
    }
    if (byTitle) {
        const Result<std::size_t> found = assignmentTitled(cls, parser.value(QStringLiteral("assignment")));
        if (!found) {
            console.error(
                EditSupport::tr("%1: %2 (use --index to name it by its number)").arg(command, found.message()));
            return {std::nullopt, kExitFailed};
        }
        return {*found, kExitOk};
    }
    bool isNumber = false;
    const int index = parser.value(QStringLiteral("index")).toInt(&isNumber);
    if (!isNumber || index < 1) {
        return {std::nullopt, console.usage(EditSupport::tr("%1: --index takes a number from 1").arg(command))};
    }
    if (static_cast<std::size_t>(index) > cls.assignments.size()) {
        console.error(EditSupport::tr("%1: the class has %2 assignments; there is no assignment %3")
                          .arg(command, QString::number(cls.assignments.size()), QString::number(index)));
        return {std::nullopt, kExitFailed};
    }
    return {static_cast<std::size_t>(index - 1), kExitOk};
}

QString assignmentName(const ClassRecord& cls, std::size_t index) {
    return EditSupport::tr("\"%1\" (assignment %2)")
        .arg(cp1252::toUnicode(cls.assignments[index].title), QString::number(index + 1));
}

}  // namespace markwell::cli
