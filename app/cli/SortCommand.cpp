// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/editing/ClassChanges.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"

namespace markwell::cli {
namespace {

constexpr char kDescendingOption[] = "descending";

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

// sort FILE.grs COLUMN [--descending] [-o OUT.grs]: the sort command of the
// grades page, then the class saved as Save (or Save As, with -o) saves it,
// attendance and seats included, and the table printed as `show` prints it.
int runSort(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const QString columnText = args.positional[1];
    const bool descending = args.isSet(kDescendingOption);
    const auto sortOnColumn = [&](const Document& document) -> std::variant<Change, Refused> {
        const Sheet table = buildGradesTable(document.classRecord).sheet;
        if (!GradesLayout::of(table).hasStudentRows()) {
            console.error(QStringLiteral("sort: %1 has no students to sort").arg(path));
            return Refused{kExitFailed};
        }
        const int column = findColumn(table, columnText);
        if (column == 0) {
            return Refused{
                console.usage(QStringLiteral("sort: \"%1\" is not a column of the table (1 to %2, or a heading)")
                                  .arg(columnText, QString::number(table.maxCol())))};
        }
        return sortChange(column, table.text(GradesLayout::kHeadingRow, column), descending);
    };
    const auto sortedTable = [](const Document& sorted, const QString&) {
        return buildGradesTable(sorted.classRecord).sheet.toTsv(CellRange::all());
    };
    return runClassChange(args.command, path, args.output, sortOnColumn, sortedTable, console);
}

constexpr OptionDeclaration kSortOptions[] = {
    {kDescendingOption, nullptr, "Highest first."},
};
constexpr const char* kSortArguments[] = {"FILE.grs", "COLUMN"};
constexpr Command kSort{.name = "sort",
                        .usage = "sort FILE.grs COLUMN [--descending] [-o OUT.grs]",
                        .summary = "Sort the class on a column, save it and print the table.",
                        .run = runSort,
                        .options = kSortOptions,
                        .arguments = kSortArguments,
                        .output = OutputPlace::Option,
                        .writesClass = true,
                        .changesClass = true,
                        .place = 50};
const CommandRegistration kSortListed{kSort};

}  // namespace

}  // namespace markwell::cli
