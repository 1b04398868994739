#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct SortCommand {
    Q_DECLARE_TR_FUNCTIONS(SortCommand)
};

struct SortArguments {
    QString path;
    QString column;
    QString output;
    bool descending = false;
};

// The error message, or an empty string when the arguments are complete.
QString parseSortArguments(const QStringList& args, SortArguments& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--descending")) {
            out.descending = true;
        } else if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
            if (i + 1 >= args.size()) return SortCommand::tr("sort: %1 needs a file name").arg(arg);
            out.output = args[++i];
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return SortCommand::tr("sort: unknown option \"%1\"").arg(arg);
        } else if (out.path.isEmpty()) {
            out.path = arg;
        } else if (out.column.isEmpty()) {
            out.column = arg;
        } else {
            return SortCommand::tr("sort: unexpected argument \"%1\"").arg(arg);
        }
    }
    if (out.path.isEmpty()) return SortCommand::tr("sort: no grade file given");
    if (out.column.isEmpty()) return SortCommand::tr("sort: no column given");
    if (!out.output.isEmpty() && !isGradeFileName(out.output)) {
        return SortCommand::tr("sort: the output file must end in .grs, as its .ATD and .SEA files are named after it");
    }
    return {};
}

// A column number, or the heading of a column ("Average"), first exactly,
// then without regard to letter case. 0 when neither names a column.
int findColumn(const Sheet& sheet, const QString& column) {
    bool isNumber = false;
    const int number = column.toInt(&isNumber);
    if (isNumber) return number >= 1 && number <= sheet.maxCol() ? number : 0;
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int col = 1; col <= sheet.maxCol(); ++col) {
            if (sheet.text(GradesLayout::kHeadingRow, col).compare(column, cs) == 0) return col;
        }
    }
    return 0;
}

}  // namespace

// sort FILE.grs COLUMN [--descending] [-o OUT.grs]: the sort command of the
// grades page, then the class saved as Save (or Save As, with -o) saves it,
// attendance and seats included, and the table printed as `show` prints it.
int runSort(const QStringList& args, const Console& console) {
    SortArguments a;
    if (const QString problem = parseSortArguments(args, a); !problem.isEmpty()) return console.usage(problem);

    const QString output = a.output.isEmpty() ? a.path : a.output;
    const std::optional<ChangeLocks> locks = lockForChange({a.path, output}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(a.path, console, true);
    if (!document) return kExitFailed;
    ClassRecord& cls = document->classRecord;
    GradesTable table = buildGradesTable(cls);
    if (!GradesLayout::of(table.sheet).hasStudentRows()) {
        console.error(SortCommand::tr("sort: %1 has no students to sort").arg(a.path));
        return kExitFailed;
    }
    const int column = findColumn(table.sheet, a.column);
    if (column == 0) {
        return console.usage(SortCommand::tr("sort: \"%1\" is not a column of the table (1 to %2, or a heading)")
                                 .arg(a.column, QString::number(table.sheet.maxCol())));
    }
    sortClass(cls, table, column, a.descending);

    if (!saveClassDocument(*document, output, console)) return kExitFailed;
    printSheet(table.sheet, console);
    return kExitOk;
}

}  // namespace markwell::cli
