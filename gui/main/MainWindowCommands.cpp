// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window's own commands: the document, printing the page shown, and help.

#include "gui/main/MainWindow.h"

#include "core/printout/PrintCopy.h"
#include "gui/help/AboutDialog.h"
#include "gui/help/HelpCenter.h"
#include "gui/main/SeatingCommands.h"
#include "gui/main/TableCommands.h"
#include "gui/pages/AttendancePage.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

void MainWindow::newClass() {
    commands_->newClass();
}

void MainWindow::newClassFrom() {
    commands_->newClassFrom();
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

Sheet MainWindow::attendanceCopy() const {
    return attendancePrintCopy(attendancePage_->sheet(), document().attendFile, attendancePage_->month(),
                               attendancePage_->year(), windowLocale());
}

void MainWindow::printAttendance() {
    const Result<PrintOutcome> printed = printSheet(this, dialogs_, attendanceCopy());
    if (!printed) dialogs_.warn(this, tr("The attendance could not be printed: ") + printed.message());
}

void MainWindow::printPage() {
    switch (page_) {
    case Page::Grades: table_->printGradesWithNames(); break;
    case Page::Attendance: printAttendance(); break;
    case Page::Seating: seatingCommands_->printSeating(); break;
    }
}

void MainWindow::previewPrint() {
    if (page_ == Page::Seating) {
        seatingCommands_->previewSeating();
        return;
    }
    const Sheet copy = page_ == Page::Attendance ? attendanceCopy() : table_->gradesCopy(false);
    if (Result<void> previewed = previewSheet(this, dialogs_, copy); !previewed) {
        dialogs_.warn(this, tr("The pages could not be printed: ") + previewed.message());
    }
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
