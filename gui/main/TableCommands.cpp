// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/TableCommands.h"

#include "core/editing/ClassChanges.h"
#include "core/editing/TypedPoints.h"
#include "core/printout/PrintCopy.h"
#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"
#include "gui/main/MainActions.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/StoredFont.h"
#include "gui/shared/UserDialogs.h"

#include <QAction>

namespace markwell {

TableCommands::TableCommands(const CommandContext& context) : context_(context) {
    const MainActions& actions = context_.actions;
    context_.onTriggered(actions.sortAscending, this, [this] { sortAscending(); });
    context_.onTriggered(actions.sortDescending, this, [this] { sortDescending(); });
    context_.onTriggered(actions.font, this, [this] { chooseFont(); });
    context_.onTriggered(actions.gridLines, this, [this] { toggleGridLines(); });
    context_.onTriggered(actions.copy, this, [this] { copySelection(); });
    context_.onTriggered(actions.printWithNames, this, [this] { printGradesWithNames(); });
    context_.onTriggered(actions.printWithIds, this, [this] { printGradesWithIds(); });
    context_.pages.grades->setPointsHandler(
        [this](int row, int col, const QString& text) { return storeTypedPoints(row, col, text); });
}

const Sheet& TableCommands::table() const {
    return context_.open.grades().sheet;
}

void TableCommands::changeLook(const Change& change) {
    // The look of the table changes, not its rows: the view stays where it is.
    (void)context_.apply(change, ChangeScope::look(table().activeRow(), table().activeCol()));
}

bool TableCommands::storeTypedPoints(int row, int col, const QString& text) {
    // Only the student's row changes: the window redoes it in place.
    return context_.apply(typedPointsChange(table(), row, col, text), ChangeScope::rowPoints(row, col)).ok();
}

void TableCommands::sortClass(bool descending) {
    const Sheet& sheet = table();
    const CellRange selection = sheet.resolve(sheet.selection());
    // The heading the teacher sees names the step: "Sort by Average".
    const QString heading = sheet.text(1, selection.c1);
    const Change sort = sortChange(selection.c1, heading, descending);
    // No student to sort is no change, and nothing to say.
    (void)context_.open.apply(sort, ChangeScope::everything().at(selection.r1, selection.c1));
}

void TableCommands::sortAscending() {
    sortClass(false);
}

void TableCommands::sortDescending() {
    sortClass(true);
}

void TableCommands::chooseFont() {
    const GridProperties& props = context_.open.document().classRecord.gridProps;
    const std::optional<StoredFont> font =
        askStoredFont(context_.dialogs, context_.window, gridFontOf(props), capacity::kFontName,
                      tr("The font \"%1\" cannot be kept with the class; please choose another."));
    if (!font) return;
    // Kept in the grade file, so a change that asks to be saved.
    changeLook(classChange(tr("Font"), [font = *font](ClassRecord& cls) -> Result<void> {
        setGridFont(cls.gridProps, font);
        return {};
    }));
}

void TableCommands::toggleGridLines() {
    changeLook(gridLinesChange(!context_.open.document().classRecord.gridProps.grid_lines));
}

void TableCommands::copySelection() {
    if (context_.pages.shown() == Page::Attendance) context_.pages.attendance->view()->copySelection();
    else context_.pages.grades->view()->copySelection();
}

Sheet TableCommands::gradesCopy(bool withIds) const {
    const Document& document = context_.open.document();
    return gradesPrintCopy(table(), document.classRecord.students, document.markwellFile, withIds);
}

void TableCommands::printGrades(bool withIds) {
    const Result<PrintOutcome> printed = printSheet(context_.window, context_.dialogs, gradesCopy(withIds));
    if (!printed) context_.dialogs.warn(context_.window, tr("The grades could not be printed: ") + printed.message());
}

void TableCommands::printGradesWithNames() {
    printGrades(false);
}

void TableCommands::printGradesWithIds() {
    printGrades(true);
}

}  // namespace markwell
