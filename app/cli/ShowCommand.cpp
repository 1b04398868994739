// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/grading/GradesTable.h"

namespace markwell::cli {
namespace {

constexpr char kDroppedOption[] = "dropped";

// show FILE.grs [--dropped]: the grades table as the grades page shows it
// after opening the file, or the cells the lowest-score rule dropped.
int runShow(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const bool dropped = args.isSet(kDroppedOption);
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
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

constexpr OptionDeclaration kShowOptions[] = {
    {kDroppedOption, nullptr, "Print the dropped scores: row, column and text."},
};
constexpr Command kShow{.name = "show",
                        .usage = "show FILE.grs [--dropped]",
                        .summary = "Print the grades table (or the dropped scores).",
                        .run = runShow,
                        .options = kShowOptions,
                        .arguments = kGradeFile,
                        .readsClass = true,
                        .place = 40};
const CommandRegistration kShowListed{kShow};

}  // namespace

}  // namespace markwell::cli
