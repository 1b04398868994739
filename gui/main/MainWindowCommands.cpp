// The main window's commands: the document, printing, the table and help.

#include "gui/main/MainWindow.h"

#include "gui/pages/StoredFont.h"
#include "gui/shared/UserDialogs.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/GridFormatting.h"
#include "core/grading/SortClass.h"
#include "core/grading/StudentRowUpdate.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/help/AboutDialog.h"
#include "gui/help/HelpCenter.h"
#include "gui/main/SeatingCommands.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/printing/PrintJob.h"
#include "core/printout/PrintCopy.h"

namespace markwell {

void MainWindow::newClass() {
    commands_->newClass();
}

void MainWindow::openClass() {
    commands_->open();
}

void MainWindow::saveClass() {
    commands_->save();
}

void MainWindow::saveClassAs() {
    commands_->saveAs();
}

Sheet MainWindow::gradesCopy(bool withIds) const {
    return gradesPrintCopy(grades_.sheet, document_.classRecord.students, document_.markwellFile, withIds);
}

Sheet MainWindow::attendanceCopy() const {
    return attendancePrintCopy(attendancePage_->sheet(), document_.attendFile, attendancePage_->month(),
                               attendancePage_->year());
}

void MainWindow::printGrades(bool withIds) {
    const Result<PrintOutcome> printed = printSheet(this, dialogs_, gradesCopy(withIds));
    if (!printed) dialogs_.warn(this, tr("The grades could not be printed: ") + printed.message());
}

void MainWindow::printAttendance() {
    const Result<PrintOutcome> printed = printSheet(this, dialogs_, attendanceCopy());
    if (!printed) dialogs_.warn(this, tr("The attendance could not be printed: ") + printed.message());
}

void MainWindow::printPage() {
    switch (page_) {
    case Page::Grades: printGrades(false); break;
    case Page::Attendance: printAttendance(); break;
    case Page::Seating: seatingCommands_->printSeating(); break;
    }
}

void MainWindow::printGradesWithNames() {
    printGrades(false);
}

void MainWindow::printGradesWithIds() {
    printGrades(true);
}

void MainWindow::previewPrint() {
    if (page_ == Page::Seating) {
        seatingCommands_->previewSeating();
        return;
    }
    const Sheet copy = page_ == Page::Attendance ? attendanceCopy() : gradesCopy(false);
    if (Result<void> previewed = previewSheet(this, dialogs_, copy); !previewed) {
        dialogs_.warn(this, tr("The pages could not be printed: ") + previewed.message());
    }
}

void MainWindow::copySelection() {
    if (page_ == Page::Attendance) attendancePage_->view()->copySelection();
    else gradesPage_->view()->copySelection();
}

void MainWindow::toggleGridLines() {
    GridProperties& props = document_.classRecord.gridProps;
    props.grid_lines = !props.grid_lines;
    // Kept in the grade file, so a change that asks to be saved.
    setDirty();
    grades_.sheet.setShowGridLines(props.grid_lines);
    gradesPage_->view()->reload();
    applyCommandStates();
}

void MainWindow::chooseFont() {
    GridProperties& props = document_.classRecord.gridProps;
    const std::optional<StoredFont> font =
        askStoredFont(dialogs_, this, gridFontOf(props), capacity::kFontName,
                      tr("The font \"%1\" cannot be kept with the class; please choose another."));
    if (!font) return;
    setGridFont(props, *font);
    setDirty();
    const ClassRecord& cls = document_.classRecord;
    updateGridProperties(grades_.sheet, static_cast<int>(cls.students.size()), static_cast<int>(cls.assignments.size()),
                         props, grades_.dropCellIndex, cls.lowScoreInfo.drop_type, true);
    gradesPage_->showTable(&grades_.sheet);
}

void MainWindow::sortClass(bool descending) {
    const CellRange selection = grades_.sheet.resolve(grades_.sheet.selection());
    if (!markwell::sortClass(document_.classRecord, grades_, selection.c1, descending)) return;
    setDirty();
    gradesPage_->showTableKeepingPlace(&grades_.sheet, selection.r1, selection.c1);
    refreshAttendanceClass();
}

void MainWindow::sortAscending() {
    sortClass(false);
}

void MainWindow::sortDescending() {
    sortClass(true);
}

void MainWindow::takeEditedClass(const ClassRecord& edited) {
    // OK without a change leaves the class as saved.
    if (edited == document_.classRecord) return;
    replaceClass(edited);
}

void MainWindow::editStudentList() {
    StudentListDialog dialog(document_.classRecord, dialogs_, document_.markwellFile, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // A renamed student's attendance, every month of it, takes the new name.
    for (const StudentRename& rename : dialog.renames()) document_.attendance.renameStudent(rename.from, rename.to);
    takeEditedClass(dialog.classRecord());
}

void MainWindow::editAssignmentList() {
    AssignmentListDialog dialog(document_.classRecord, dialogs_, document_.markwellFile, this);
    if (dialog.exec() != QDialog::Accepted) return;
    takeEditedClass(dialog.classRecord());
}

void MainWindow::editGrades() {
    EditGradesDialog dialog(document_.classRecord, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    takeEditedClass(dialog.classRecord());
}

bool MainWindow::storeTypedPoints(int row, int col, const QString& text) {
    if (Result<void> stored = markwell::storeTypedPoints(document_.classRecord, grades_.sheet, row, col, text); !stored) {
        dialogs_.warn(this, stored.message());
        return false;
    }
    setDirty();
    // Only the student's row changes: it is redone in place, as a rebuild would.
    if (const std::optional<RowUpdate> update = updateStudentRow(grades_, document_.classRecord, row)) {
        gradesPage_->showChangedRow(row, update->resizedCols);
    } else {
        grades_ = buildGradesTable(document_.classRecord);
        // The view moves on from here as the key that ended the edit says.
        gradesPage_->showTableKeepingPlace(&grades_.sheet, row, col);
    }
    updateToolBar();
    return true;
}

void MainWindow::showAbout() {
    auto* about = new AboutDialog(dialogs_, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void MainWindow::showHelp() {
    if (help_) help_->showHelpFor(pages_->currentWidget());
}

}  // namespace markwell
