// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesTable.h"

namespace markwell::cli {

// show FILE.grs [--dropped]: the grades table as the grades page shows it
// after opening the file, or the cells the lowest-score rule dropped.
int runShow(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const bool dropped = args.isSet(QStringLiteral("dropped"));
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
