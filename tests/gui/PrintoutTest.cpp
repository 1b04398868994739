// The printout of a sheet: pages, repeated headings and names, the header
// sections, grid lines, PDF files, and the print dialog's answers.

#include "printing/PrintJob.h"
#include "printing/SheetPrintout.h"
#include "support/GuiTestMain.h"
#include "support/PdfText.h"
#include "support/ScriptedDialogs.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace markwell;
using markwell::testing::ScriptedDialogs;

namespace {

Sheet classTable(int students, int assignments) {
    Sheet s;
    s.setMaxRow(students + 1);
    s.setMaxCol(assignments + 1);
    s.setText(1, 1, QStringLiteral("Names"));
    for (int c = 2; c <= assignments + 1; ++c) s.setText(1, c, QStringLiteral("Quiz %1").arg(c - 1));
    for (int r = 2; r <= students + 1; ++r) {
        s.setText(r, 1, QStringLiteral("Pupil %1").arg(r - 1));
        for (int c = 2; c <= assignments + 1; ++c) s.setNumber(r, c, (r * 7 + c) % 100);
    }
    s.setFixedCols(1);
    s.fitColumnWidths();
    return s;
}

// A device to lay pages out on without writing a file: 600 dpi like the PDFs.
struct PageDevice {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    PageDevice() {
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
    }
    QSizeF area() const { return QSizeF(writer.width(), writer.height()); }
};

}  // namespace

class PrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void longTablesGoDownThePagesWithTheHeadingRepeated();
    void wideTablesGoAcrossWithTheNamesRepeated();
    void pdfCarriesTheHeaderSectionsCellsAndPageNumbers();
    void gridLinesAndFillsAreDrawnOnlyWhenAsked();
    void aFailedWriteIsReportedAndLeavesNoFile();
    void printDialogAnswersDecideWhatIsPrinted();
};

void PrintoutTest::longTablesGoDownThePagesWithTheHeadingRepeated() {
    const Sheet s = classTable(150, 3);
    PageDevice device;
    const auto pages = SheetPrintout(s).paginate(device.writer, device.area());
    QVERIFY(pages.size() >= 3);
    // Every data row is printed exactly once, in order; row 1 is repeated, not paginated.
    int expected = 2;
    for (const auto& page : pages) {
        QCOMPARE(page.firstRow, expected);
        QVERIFY(page.lastRow >= page.firstRow);
        QCOMPARE(page.firstCol, 2);
        QCOMPARE(page.lastCol, 4);
        expected = page.lastRow + 1;
    }
    QCOMPARE(expected, 152);

    // Without a repeated heading the first page starts at row 1.
    PrintoutOptions plain;
    plain.repeatRows = 0;
    const auto plainPages = SheetPrintout(s, plain).paginate(device.writer, device.area());
    QCOMPARE(plainPages.front().firstRow, 1);
}

void PrintoutTest::wideTablesGoAcrossWithTheNamesRepeated() {
    const Sheet s = classTable(10, 60);
    PageDevice device;
    const auto pages = SheetPrintout(s).paginate(device.writer, device.area());
    QVERIFY(pages.size() >= 2);
    int expected = 2;
    for (const auto& page : pages) {
        QCOMPARE(page.firstCol, expected);
        QCOMPARE(page.firstRow, 2);
        QCOMPARE(page.lastRow, 11);
        expected = page.lastCol + 1;
    }
    QCOMPARE(expected, 62);

    // A wide table turns the page on its side; a narrow one stays upright.
    const QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                               QPageLayout::Millimeter);
    QCOMPARE(SheetPrintout(s).suggestedOrientation(portrait), QPageLayout::Landscape);
    QCOMPARE(SheetPrintout(classTable(10, 3)).suggestedOrientation(portrait), QPageLayout::Portrait);
}

void PrintoutTest::pdfCarriesTheHeaderSectionsCellsAndPageNumbers() {
    if (!markwell::testing::havePdfToText()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    Sheet s = classTable(120, 4);
    s.setText(60, 1, QStringLiteral("Zoë O'Brien"));
    s.print().header = QStringLiteral("&L/home/teacher/period1.grs&R&D");
    s.print().title = QStringLiteral("/home/teacher/period1.grs");
    PrintoutOptions options;
    options.date = QDate(2024, 3, 7);
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QVERIFY(writeSheetPdf(s, path, options).ok());

    const QString text = markwell::testing::pdfText(path);
    const int pages = markwell::testing::pdfPageCount(path);
    QVERIFY(pages >= 2);
    QVERIFY(text.contains(QStringLiteral("Zoë O'Brien")));
    QVERIFY(text.contains(QStringLiteral("Pupil 120")));
    QCOMPARE(text.count(QStringLiteral("/home/teacher/period1.grs")), pages);
    QCOMPARE(text.count(QStringLiteral("Names")), pages);  // the heading row on every page
    QVERIFY(text.contains(QStringLiteral("Page 1 of %1").arg(pages)));
    QVERIFY(text.contains(QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat)));
    // The path is at the left of its line and the date at the right.
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    QVERIFY(firstLine.indexOf(QStringLiteral("/home/teacher")) < firstLine.indexOf(QStringLiteral("24")));

    // An untitled class prints an empty path: no header line at all.
    Sheet untitled = classTable(3, 2);
    untitled.print().header = QStringLiteral("&L&R&D");
    const QString second = dir.filePath(QStringLiteral("untitled.pdf"));
    QVERIFY(writeSheetPdf(untitled, second, options).ok());
    QVERIFY(markwell::testing::pdfText(second).contains(QStringLiteral("Pupil 3")));
    QVERIFY(!markwell::testing::pdfText(second).contains(QStringLiteral("Page 1 of")));
}

void PrintoutTest::gridLinesAndFillsAreDrawnOnlyWhenAsked() {
    Sheet s = classTable(5, 3);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, 0});
    s.print().gridLines = false;
    QTemporaryDir dir;
    const QString plainPdf = dir.filePath(QStringLiteral("plain.pdf"));
    QVERIFY(writeSheetPdf(s, plainPdf).ok());
    s.print().gridLines = true;
    const QString gridPdf = dir.filePath(QStringLiteral("grid.pdf"));
    QVERIFY(writeSheetPdf(s, gridPdf).ok());

    // Rasterise both and compare: the grid adds grey lines below the heading.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) QSKIP("pdftoppm is not installed");
    const auto raster = [&](const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                             QStringLiteral("-singlefile"), pdf, pdf});
        p.waitForFinished(30000);
        return QImage(pdf + QStringLiteral(".png"));
    };
    const QImage plain = raster(plainPdf);
    const QImage grid = raster(gridPdf);
    QVERIFY(!plain.isNull() && !grid.isNull());
    int navy = 0;
    int greyOnlyInGrid = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QColor a = plain.pixelColor(x, y);
            const QColor b = grid.pixelColor(x, y);
            if (a.blue() > 100 && a.red() < 40 && a.green() < 40) ++navy;
            if (a == Qt::white && b != Qt::white && std::abs(b.red() - b.blue()) < 10) ++greyOnlyInGrid;
        }
    }
    QVERIFY(navy > 100);            // the heading fill is printed
    QVERIFY(greyOnlyInGrid > 200);  // lines appear only with grid lines on
}

void PrintoutTest::aFailedWriteIsReportedAndLeavesNoFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing-folder/out.pdf"));
    const Result<void> written = writeSheetPdf(classTable(3, 2), path);
    QVERIFY(!written.ok());
    QVERIFY(written.message().startsWith(QStringLiteral("Unable to create ") + path));
    QVERIFY(!QFile::exists(path));

    // Writing over an existing file replaces it whole.
    const QString existing = dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile f(existing);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a pdf");
    }
    QVERIFY(writeSheetPdf(classTable(3, 2), existing).ok());
    QFile f(existing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
}

void PrintoutTest::printDialogAnswersDecideWhatIsPrinted() {
    QTemporaryDir dir;
    Sheet s = classTable(4, 2);
    s.print().title = QStringLiteral("period2.grs");
    QApplication::clipboard()->setText(QStringLiteral("the teacher's own clipboard"));
    ScriptedDialogs dialogs;

    dialogs.cancelPrint();
    const auto cancelled = printSheet(nullptr, dialogs, s);
    QVERIFY(cancelled.ok());
    QCOMPARE(*cancelled, PrintOutcome::Cancelled);
    QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Printer), QStringList{QStringLiteral("period2.grs")});

    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    dialogs.printToPdf(path);
    const auto printed = printSheet(nullptr, dialogs, s);
    QVERIFY(printed.ok());
    QCOMPARE(*printed, PrintOutcome::Printed);
    QVERIFY(QFile::exists(path));
    if (markwell::testing::havePdfToText()) {
        QVERIFY(markwell::testing::pdfText(path).contains(QStringLiteral("Pupil 4")));
    }

    // A printer that cannot write its output is a failure with a message.
    dialogs.printToPdf(dir.filePath(QStringLiteral("no-such-folder/printed.pdf")));
    const auto failed = printSheet(nullptr, dialogs, s);
    QVERIFY(!failed.ok());
    QVERIFY(!failed.message().isEmpty());

    // The preview draws through the same pages.
    dialogs.previewPdf = dir.filePath(QStringLiteral("preview.pdf"));
    QVERIFY(previewSheet(nullptr, dialogs, s).ok());
    QCOMPARE(dialogs.count(ScriptedDialogs::Kind::Preview), 1);
    QVERIFY(QFile::exists(dialogs.previewPdf));

    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the teacher's own clipboard"));
}

MARKWELL_GUI_TEST_MAIN(PrintoutTest)
#include "PrintoutTest.moc"
