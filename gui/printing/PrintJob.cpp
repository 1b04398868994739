#include "printing/PrintJob.h"

#include "dialogs/UserDialogs.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace markwell {

void preparePrinter(QPrinter& printer, const Sheet& sheet, const PrintoutOptions& options) {
    // The job is named after the class's file; its folder is left out, as the
    // print dialog proposes "<home>/<job name>.pdf" for printing to a file and
    // a job named after a full path made it propose a folder that is not there.
    const QString title = QFileInfo(sheet.print().title).fileName();
    printer.setDocName(title.isEmpty() ? QStringLiteral("Markwell") : title);
    printer.setCreator(QStringLiteral("Computerized Markwell"));
    printer.setPageOrientation(SheetPrintout(sheet, options).suggestedOrientation(printer.pageLayout()));
}

namespace {

Result<void> checkPrinter(const QPrinter& printer) {
    if (!printer.isValid()) return fail(QStringLiteral("The printer \"%1\" cannot be used.").arg(printer.printerName()));
    return {};
}

Result<PrintOutcome> printerOutcome(const QPrinter& printer) {
    if (printer.printerState() == QPrinter::Error) {
        return fail(QStringLiteral("The printer \"%1\" reported an error.").arg(printer.printerName()));
    }
    return PrintOutcome::Printed;
}

}  // namespace

Result<PrintOutcome> printSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                                const PrintoutOptions& options) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, sheet, options);
    if (!dialogs.choosePrinter(parent, printer)) return PrintOutcome::Cancelled;
    if (Result<void> usable = checkPrinter(printer); !usable) return usable.error();
    if (Result<void> printed = SheetPrintout(sheet, options).print(printer); !printed) return printed.error();
    return printerOutcome(printer);
}

Result<PrintOutcome> printTextDocument(QWidget* parent, UserDialogs& dialogs, QTextDocument& document,
                                       const QString& jobName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName.isEmpty() ? QStringLiteral("Markwell") : jobName);
    printer.setCreator(QStringLiteral("Computerized Markwell"));
    if (!dialogs.choosePrinter(parent, printer)) return PrintOutcome::Cancelled;
    if (Result<void> usable = checkPrinter(printer); !usable) return usable.error();
    document.print(&printer);
    return printerOutcome(printer);
}

Result<void> previewSheet(QWidget* parent, UserDialogs& dialogs, const Sheet& sheet,
                          const PrintoutOptions& options) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, sheet, options);
    Result<void> outcome;
    dialogs.showPrintPreview(parent, printer, [&](QPrinter* target) {
        if (Result<void> printed = SheetPrintout(sheet, options).print(*target); !printed) outcome = printed;
    });
    return outcome;
}

}  // namespace markwell
