// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Printing a sheet through the print dialog and the preview: what the
// dialog's answers print, progress and Cancel, and PDF files from the dialog
// that match markwell-cli's page for page.

#include "gui/printing/PrintJob.h"
#include "gui/shared/PageProgressDialog.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ScriptedDialogs.h"
#include "tests/support/PdfImage.h"
#include "tests/support/PdfText.h"
#include "tests/support/PupilTable.h"
#include "tests/support/TestFiles.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

Sheet classTable(int students, int assignments) {
    Sheet s = pupilTable(students, assignments);
    s.print().header = QStringLiteral("&L/home/teacher/period2.grs&R&D");
    s.print().title = QStringLiteral("/home/teacher/period2.grs");
    return s;
}

// Prints through the print dialog to a PDF file; true when every page was printed.
bool printedTo(ScriptedDialogs& dialogs, const Sheet& sheet, const QString& path) {
    dialogs.printToPdf(path);
    const Result<PrintOutcome> printed = printSheet(nullptr, dialogs, sheet);
    return printed.ok() && *printed == PrintOutcome::Printed;
}

// The first column and row with anything drawn, in pixels from the edge.
QPoint firstInk(const QImage& page) {
    QPoint ink(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixelColor(x, y).lightness() > 200) continue;
            ink.setX(std::min(ink.x(), x));
            ink.setY(std::min(ink.y(), y));
        }
    }
    return ink;
}

}  // namespace

class PrintJobTest : public QObject {
    Q_OBJECT
private slots:
    void printDialogAnswersDecideWhatIsPrinted() {
        QTemporaryDir dir;
        Sheet s = classTable(4, 2);
        s.print().title = QStringLiteral("period2.grs");
        QApplication::clipboard()->setText(QStringLiteral("the teacher's own clipboard"));
        ScriptedDialogs dialogs;
        dialogs.cancelPrint();
        const auto cancelled = printSheet(nullptr, dialogs, s);
        QVERIFY(cancelled.ok());
        QCOMPARE(*cancelled, PrintOutcome::Cancelled);
        QCOMPARE(dialogs.texts(Kind::Printer), QStringList{"period2.grs"});
        QCOMPARE(dialogs.count(Kind::Progress), 0);
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        dialogs.printToPdf(path);
        const auto printed = printSheet(nullptr, dialogs, s);
        QVERIFY(printed.ok());
        QCOMPARE(*printed, PrintOutcome::Printed);
        QVERIFY(QFile::exists(path));
        if (havePdfToText()) QVERIFY(pdfText(path).contains(QStringLiteral("Pupil 4")));

        // A printer that cannot write its output is a failure with a message.
        dialogs.printToPdf(dir.filePath(QStringLiteral("no-such-folder/printed.pdf")));
        const auto failed = printSheet(nullptr, dialogs, s);
        QVERIFY(!failed.ok());
        QVERIFY(!failed.message().isEmpty());

        // The preview draws through the same pages.
        dialogs.previewPdf = dir.filePath(QStringLiteral("preview.pdf"));
        QVERIFY(previewSheet(nullptr, dialogs, s).ok());
        QCOMPARE(dialogs.count(Kind::Preview), 1);
        QVERIFY(QFile::exists(dialogs.previewPdf));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the teacher's own clipboard"));
    }

    void aCancelledJobLeavesNoFile() {
        QTemporaryDir dir;
        const Sheet s = classTable(400, 3);
        ScriptedDialogs dialogs;
        const QString path = dir.filePath(QStringLiteral("class.pdf"));
        QVERIFY(!writeFile(path, "the PDF printed last week").isEmpty());

        // Cancel pressed while page 2 is due: the job stops there, and the file
        // chosen in the dialog is neither replaced nor cut short.
        dialogs.cancelAtPage = 2;
        dialogs.printToPdf(path);
        const auto printed = printSheet(nullptr, dialogs, s);
        QVERIFY(printed.ok());
        QCOMPARE(*printed, PrintOutcome::Cancelled);
        QCOMPARE(dialogs.count(Kind::Progress), 1);
        QCOMPARE(dialogs.progressPages, (std::vector<int>{1, 2}));
        QCOMPARE(fileContents(path), QByteArray("the PDF printed last week"));
        QCOMPARE(filesIn(dir.path()), QStringList{"class.pdf"});

        // Printing to a new file from the preview, cancelled: no file at all.
        dialogs.clearRecord();
        dialogs.previewPdf = dir.filePath(QStringLiteral("from-preview.pdf"));
        QVERIFY(previewSheet(nullptr, dialogs, s).ok());
        QCOMPARE(dialogs.count(Kind::Progress), 1);
        QVERIFY(!QFile::exists(dialogs.previewPdf));

        // Run to the end, every page is reported and the file is replaced.
        dialogs.clearRecord();
        dialogs.cancelAtPage.reset();
        QVERIFY(printedTo(dialogs, s, path));
        QVERIFY(fileContents(path).startsWith("%PDF-"));
        const int pages = static_cast<int>(dialogs.progressPages.size());
        QVERIFY(pages >= 5);
        QCOMPARE(dialogs.progressPages.back(), pages);
        if (havePdfToText()) QCOMPARE(pdfPageCount(path), pages);

        // The progress dialog's own Cancel stops the job before the next page.
        QWidget window;
        PageProgressDialog progress(&window, QStringLiteral("Computerized Markwell"), QStringLiteral("Page %1 of %2"));
        QVERIFY(progress.pageStarting(1, 40));
        QCOMPARE(progress.dialog().maximum(), 40);
        QCOMPARE(progress.dialog().labelText(), QStringLiteral("Page 1 of 40"));
        QVERIFY(progress.pageStarting(2, 40));
        progress.dialog().cancel();
        QVERIFY(!progress.pageStarting(3, 40));
    }

    void theDialogsPdfHasTheCliPagesThePagesChosenAndMargins() {
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const Sheet s = classTable(150, 12);
        ScriptedDialogs dialogs;
        const QString fromDialog = dir.filePath(QStringLiteral("dialog.pdf"));
        QVERIFY(printedTo(dialogs, s, fromDialog));
        const QString fromCli = dir.filePath(QStringLiteral("cli.pdf"));
        QCOMPARE(*writeSheetPdf(s, fromCli), PrintOutcome::Printed);
        QVERIFY(pdfPageCount(fromCli) >= 3);
        QCOMPARE(pdfPageCount(fromDialog), pdfPageCount(fromCli));
        QCOMPARE(pdfPageSize(fromDialog), pdfPageSize(fromCli));
        QCOMPARE(pdfText(fromDialog), pdfText(fromCli));

        // The pages chosen in the dialog are those printed.
        const Sheet tall = classTable(300, 3);
        const QString all = dir.filePath(QStringLiteral("all.pdf"));
        QVERIFY(printedTo(dialogs, tall, all));
        const int pages = pdfPageCount(all);
        QVERIFY(pages >= 5);

        // Pages 2 and 3 only, numbered as in the whole printout; the progress counts those.
        dialogs.clearRecord();
        dialogs.printerPages = std::pair(2, 3);
        const QString some = dir.filePath(QStringLiteral("some.pdf"));
        QVERIFY(printedTo(dialogs, tall, some));
        QCOMPARE(pdfPageCount(some), 2);
        const QString text = pdfText(some);
        QVERIFY(text.contains(QStringLiteral("Page 2 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("Page 3 of %1").arg(pages)));
        QVERIFY(!text.contains(QStringLiteral("Page 1 of")));
        QCOMPARE(dialogs.progressPages, (std::vector<int>{1, 2}));

        // A range beyond the last page prints the last page.
        dialogs.printerPages = std::pair(pages + 5, pages + 9);
        const QString beyond = dir.filePath(QStringLiteral("beyond.pdf"));
        QVERIFY(printedTo(dialogs, tall, beyond));
        QCOMPARE(pdfPageCount(beyond), 1);
        QVERIFY(pdfText(beyond).contains(QStringLiteral("Page %1 of %1").arg(pages)));

        // Margins set to nothing in the dialog still leave 10 mm of paper.
        if (!havePdfToPpm()) QSKIP("pdftoppm is not installed");
        const QString edgeToEdge = dir.filePath(QStringLiteral("no-margins.pdf"));
        dialogs.printerPages.reset();
        dialogs.printerMargins = QMarginsF(0, 0, 0, 0);
        QVERIFY(printedTo(dialogs, s, edgeToEdge));
        const int dpi = 72;
        const double tenMillimetres = 10 / 25.4 * dpi;
        const QPoint ink = firstInk(pdfPageImage(edgeToEdge, 1, dpi));
        QVERIFY2(ink.x() >= tenMillimetres - 1 && ink.y() >= tenMillimetres - 1,
                 qPrintable(QStringLiteral("ink at %1, %2").arg(ink.x()).arg(ink.y())));
    }
};

MARKWELL_GUI_TEST_MAIN(PrintJobTest)
#include "PrintJobTest.moc"
