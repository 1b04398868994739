#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesTable.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct ShowCommand {
    Q_DECLARE_TR_FUNCTIONS(ShowCommand)
};

}  // namespace

// show FILE.grs [--dropped]: the grades table as the grades page shows it
// after opening the file, or the cells the lowest-score rule dropped.
int runShow(const QStringList& args, const Console& console) {
    QString path;
    bool dropped = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--dropped")) {
            dropped = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return console.usage(ShowCommand::tr("show: unknown option \"%1\"").arg(arg));
        } else if (path.isEmpty()) {
            path = arg;
        } else {
            return console.usage(ShowCommand::tr("show: one grade file only"));
        }
    }
    if (path.isEmpty()) return console.usage(ShowCommand::tr("show: no grade file given"));

    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const GradesTable table = buildGradesTable(*cls);
    if (!dropped) {
        printSheet(table.sheet, console);
        return kExitOk;
    }
    Sheet list;
    list.setMaxCol(3);
    int row = 0;
    for (const DroppedCell& cell : table.dropCellIndex) {
        if (!cell.namesCell()) continue;
        ++row;
        list.setNumber(row, 1, cell.row);
        list.setNumber(row, 2, cell.col);
        list.setText(row, 3, table.sheet.text(cell.row, cell.col));
    }
    list.setMaxRow(row);
    printSheet(list, console);
    return kExitOk;
}

}  // namespace markwell::cli
