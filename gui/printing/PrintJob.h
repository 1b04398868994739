#pragma once

#include "common/Result.h"
#include "printing/SheetPrintout.h"

class QPrinter;
class QTextDocument;
class QWidget;

namespace markwell {

class UserDialogs;

enum class PrintOutcome { Printed, Cancelled };

// Prints a sheet after the print dialog. A cancelled dialog prints nothing
// and is not a failure; a printer that fails gives its message.
Result<PrintOutcome> printSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                                const PrintoutOptions& options = {});

// Prints a laid-out text document after the print dialog, as printSheet does
// a sheet; `jobName` names the print job.
Result<PrintOutcome> printTextDocument(QWidget* parent, UserDialogs& dialogs, QTextDocument& document,
                                       const QString& jobName);

// Shows the pages in the print preview, from where they can be printed too.
// Fails when printing from the preview failed.
Result<void> previewSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet, const PrintoutOptions& options = {});

// Prepares a printer for the sheet: its title as the job name, and the
// orientation that needs fewer pages.
void preparePrinter(QPrinter& printer, const Sheet& sheet, const PrintoutOptions& options);

}  // namespace markwell
