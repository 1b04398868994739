// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/TableCommands.h"

#include "core/editing/ClassChanges.h"
#include "core/editing/TypedPoints.h"
#include "core/printout/PrintCopy.h"
#include "gui/document/ClassHistory.h"
#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/StoredFont.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/UserDialogs.h"

#include <QAction>

namespace markwell {

TableCommands::TableCommands(MainWindow& window, ClassHistory& history, UserDialogs& dialogs,
                             const MainActions& actions)
    : window_(window), history_(history), dialogs_(dialogs) {
    window_.connectCommand(actions.sortAscending, [this] { sortAscending(); });
    window_.connectCommand(actions.sortDescending, [this] { sortDescending(); });
    window_.connectCommand(actions.font, [this] { chooseFont(); });
    window_.connectCommand(actions.gridLines, [this] { toggleGridLines(); });
    window_.connectCommand(actions.copy, [this] { copySelection(); });
    window_.connectCommand(actions.printWithNames, [this] { printGradesWithNames(); });
    window_.connectCommand(actions.printWithIds, [this] { printGradesWithIds(); });
    window_.gradesPage()->setPointsHandler(
        [this](int row, int col, const QString& text) { return storeTypedPoints(row, col, text); });
}

void TableCommands::applyChange(const Change& change) {
    // The look of the table changes, not its rows: the view stays where it is.
    const Sheet& sheet = window_.gradesTable().sheet;
    const int row = sheet.activeRow();
    const int col = sheet.activeCol();
    if (Result<void> applied = history_.apply(change, ClassHistory::Refresh::ByCaller); !applied) {
        dialogs_.warn(&window_, applied.message());
        return;
    }
    window_.rebuildGradesKeepingPlace(row, col);
}

bool TableCommands::storeTypedPoints(int row, int col, const QString& text) {
    const Change typed = typedPointsChange(window_.gradesTable().sheet, row, col, text);
    if (Result<void> stored = history_.apply(typed, ClassHistory::Refresh::ByCaller); !stored) {
        dialogs_.warn(&window_, stored.message());
        return false;
    }
    window_.showTypedPoints(row, col);
    return true;
}

void TableCommands::sortClass(bool descending) {
    const Sheet& sheet = window_.gradesTable().sheet;
    const CellRange selection = sheet.resolve(sheet.selection());
    // The heading the teacher sees names the step: "Sort by Average".
    const QString heading = sheet.text(1, selection.c1);
    const Change sort = sortChange(selection.c1, heading, descending);
    // No student to sort is no change, and nothing to say.
    if (!history_.apply(sort, ClassHistory::Refresh::ByCaller)) return;
    window_.rebuildGradesKeepingPlace(selection.r1, selection.c1);
}

void TableCommands::sortAscending() {
    sortClass(false);
}

void TableCommands::sortDescending() {
    sortClass(true);
}

void TableCommands::chooseFont() {
    const GridProperties& props = window_.document().classRecord.gridProps;
    const std::optional<StoredFont> font =
        askStoredFont(dialogs_, &window_, gridFontOf(props), capacity::kFontName,
                      tr("The font \"%1\" cannot be kept with the class; please choose another."));
    if (!font) return;
    // Kept in the grade file, so a change that asks to be saved.
    applyChange(classChange(tr("Font"), [font = *font](ClassRecord& cls) -> Result<void> {
        setGridFont(cls.gridProps, font);
        return {};
    }));
}

void TableCommands::toggleGridLines() {
    applyChange(gridLinesChange(!window_.document().classRecord.gridProps.grid_lines));
}

void TableCommands::copySelection() {
    if (window_.currentPage() == Page::Attendance) window_.attendancePage()->view()->copySelection();
    else window_.gradesPage()->view()->copySelection();
}

Sheet TableCommands::gradesCopy(bool withIds) const {
    const Document& document = window_.document();
    return gradesPrintCopy(window_.gradesTable().sheet, document.classRecord.students, document.markwellFile, withIds);
}

void TableCommands::printGrades(bool withIds) {
    const Result<PrintOutcome> printed = printSheet(&window_, dialogs_, gradesCopy(withIds));
    if (!printed) dialogs_.warn(&window_, tr("The grades could not be printed: ") + printed.message());
}

void TableCommands::printGradesWithNames() {
    printGrades(false);
}

void TableCommands::printGradesWithIds() {
    printGrades(true);
}

}  // namespace markwell
