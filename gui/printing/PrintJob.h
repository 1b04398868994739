// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "render/paging/Printout.h"
#include "render/table/SheetPrintout.h"

class QPrinter;
class QWidget;

namespace markwell {

class PrintProgress;
class UserDialogs;

// Prints the printout after the print dialog. A cancelled dialog prints
// nothing and is not a failure; a printer that fails gives its message. Long
// printouts show their progress with a Cancel button; a cancelled job is
// Cancelled.
Result<PrintOutcome> printPrintout(QWidget* parent, UserDialogs& dialogs, Printout& printout);

// Shows the printout's pages in the print preview, from where they can be
// printed too. Fails when printing from the preview failed.
Result<void> previewPrintout(QWidget* parent, UserDialogs& dialogs, Printout& printout);

// The same for a sheet, printed as SheetPrintout lays it out.
Result<PrintOutcome> printSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                                const PrintoutOptions& options = {});

Result<void> previewSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                          const PrintoutOptions& options = {});

// Prepares a printer for the printout: its title as the job name, and the
// page every printout starts from (see PageSetup.h) turned as it asks.
void preparePrinter(QPrinter& printer, const Printout& printout);

// Draws the printout on a printer the print dialog has set up. A PDF file
// ("Print to File") is drawn at the resolution of markwell-cli's PDF files,
// beside its final place, and put there only when finished, so that a
// failed or cancelled job leaves no partial file.
Result<PrintOutcome> printOn(QPrinter& printer, Printout& printout, PrintProgress* progress);

}  // namespace markwell
