// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/printing/PrintJob.h"

#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"
#include "render/paging/PageSetup.h"
#include "render/paging/PdfFile.h"
#include "render/paging/PrintProgress.h"

#include <QApplication>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPrinter>

namespace markwell {
namespace {

QString text(const char* source) {
    return QCoreApplication::translate("PrintJob", source);
}

// The print preview draws on a printer whose engine records pages; nothing
// goes to a file then, whatever the printer's file name.
bool isPreview(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

// The pages chosen in the print dialog: all, or a range of them.
PageRange pagesChosen(const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 0) return {};
    return {printer.fromPage(), printer.toPage()};
}

Result<PrintOutcome> printToPdfFile(QPrinter& printer, Printout& printout, PrintProgress* progress) {
    const QString target = printer.outputFileName();
    printer.setResolution(kPdfResolution);
    Result<PrintOutcome> printed = printToFileAtomically(target, [&](const QString& tempPath) {
        printer.setOutputFileName(tempPath);
        return printPages(printout, printer, progress, pagesChosen(printer));
    });
    printer.setOutputFileName(target);
    return printed;
}

}  // namespace

void preparePrinter(QPrinter& printer, const Printout& printout) {
    // The job is named after the class's file; its folder is left out, as the
    // print dialog proposes "<home>/<job name>.pdf" for printing to a file and
    // a job named after a full path made it propose a folder that is not there.
    const QString title = QFileInfo(printout.title()).fileName();
    printer.setDocName(title.isEmpty() ? QStringLiteral("Markwell") : title);
    printer.setCreator(QStringLiteral("Computerized Markwell"));
    printer.setPageLayout(pageLayoutFor(printout));
}

Result<PrintOutcome> printOn(QPrinter& printer, Printout& printout, PrintProgress* progress) {
    if (!isPreview(printer)) printer.setPageLayout(withMinimumMargins(printer.pageLayout()));
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() && !isPreview(printer)) {
        return printToPdfFile(printer, printout, progress);
    }
    Result<PrintOutcome> printed = printPages(printout, printer, progress, pagesChosen(printer));
    if (printed && printer.printerState() == QPrinter::Error) {
        return fail(text("The printer \"%1\" reported an error.").arg(printer.printerName()));
    }
    return printed;
}

Result<PrintOutcome> printPrintout(QWidget* parent, UserDialogs& dialogs, Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, printout);
    if (!dialogs.choosePrinter(parent, printer)) return PrintOutcome::Cancelled;
    if (!printer.isValid()) return fail(text("The printer \"%1\" cannot be used.").arg(printer.printerName()));
    const std::unique_ptr<PrintProgress> progress = dialogs.showProgress(parent, text("Printing page %1 of %2..."));
    return printOn(printer, printout, progress.get());
}

Result<void> previewPrintout(QWidget* parent, UserDialogs& dialogs, Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, printout);
    Result<void> outcome;
    dialogs.showPrintPreview(parent, printer, [&](QPrinter* target) {
        // Over the preview window, which is the one open while it draws.
        QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent;
        const std::unique_ptr<PrintProgress> progress = dialogs.showProgress(over, text("Preparing page %1 of %2..."));
        if (const Result<PrintOutcome> printed = printOn(*target, printout, progress.get()); !printed) {
            outcome = printed.error();
        }
    });
    return outcome;
}

namespace {

// A table printed from the window writes its numbers as the window does.
PrintoutOptions inWindowLanguage(PrintoutOptions options) {
    options.decimalPoint = windowDecimalPoint();
    return options;
}

}  // namespace

Result<PrintOutcome> printSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                                const PrintoutOptions& options) {
    SheetPrintout printout(sheet, inWindowLanguage(options));
    return printPrintout(parent, dialogs, printout);
}

Result<void> previewSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet, const PrintoutOptions& options) {
    SheetPrintout printout(sheet, inWindowLanguage(options));
    return previewPrintout(parent, dialogs, printout);
}

}  // namespace markwell
