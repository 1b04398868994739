// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The printout of a sheet: pages, repeated headings and names, the Total row
// kept with the last students, attendance shrunk to the page width but never
// below readable type, the header sections, grid lines, and PDF files written
// whole or not at all.

#include "core/attendance/AttendanceTable.h"
#include "core/printout/PrintCopy.h"
#include "render/paging/PageSetup.h"
#include "render/paging/PrintProgress.h"
#include "render/table/SheetPrintout.h"
#include "tests/support/PdfImage.h"
#include "tests/support/PdfText.h"
#include "tests/support/PupilTable.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdlib>
#include <numeric>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::testing;

namespace {

// A grades table: students, the empty separator row and the Total row.
Sheet gradesTable(int students) {
    Sheet s = pupilTable(students + 2, 3);
    s.setText(students + 2, 1, QString());
    for (int c = 2; c <= 4; ++c) s.setText(students + 2, c, QString());
    s.setText(students + 3, 1, "Total");
    return gradesPrintCopy(s, {}, "/tmp/class.grs", false);
}

// A device to lay pages out on without writing a file, at the resolution of the PDFs.
struct PageDevice {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    explicit PageDevice(QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    }
    QSizeF area() const { return QSizeF(writer.width(), writer.height()); }
};

// Every row from `from` to `to` is on exactly one page, in order.
void expectRowsOnce(const std::vector<SheetPage>& pages, int from, int to) {
    int expected = from;
    for (const SheetPage& page : pages) {
        EXPECT_EQ(page.firstRow, expected);
        EXPECT_GE(page.lastRow, page.firstRow);
        expected = page.lastRow + 1;
    }
    EXPECT_EQ(expected, to + 1);
}

// Counts the calls and stops before page `stopAt`, when given.
class CountingProgress : public PrintProgress {
public:
    explicit CountingProgress(int stopAt = 0) : stopAt_(stopAt) {}
    bool pageStarting(int page, int count) override {
        pages.push_back(page);
        counts.push_back(count);
        return stopAt_ == 0 || page < stopAt_;
    }
    std::vector<int> pages;
    std::vector<int> counts;

private:
    int stopAt_;
};

}  // namespace

TEST(SheetPrintout, LongTablesGoDownThePagesWithTheHeadingRepeated) {
    const Sheet s = pupilTable(150, 3);
    PageDevice device;
    SheetPrintout printout(s);
    const auto pages = printout.paginate(device.writer, device.area());
    ASSERT_GE(pages.size(), 3u);
    // Every data row is printed exactly once, in order; row 1 is repeated, not paginated.
    expectRowsOnce(pages, 2, 151);
    for (const auto& page : pages) {
        EXPECT_EQ(page.firstCol, 2);
        EXPECT_EQ(page.lastCol, 4);
    }

    // Without a repeated heading the first page starts at row 1.
    PrintoutOptions plain;
    plain.repeatRows = 0;
    EXPECT_EQ(SheetPrintout(s, plain).paginate(device.writer, device.area()).front().firstRow, 1);
}

TEST(SheetPrintout, WideTablesGoAcrossWithTheNamesRepeatedAndTurnTheirPage) {
    const Sheet s = pupilTable(10, 60);
    PageDevice device;
    const auto pages = SheetPrintout(s).paginate(device.writer, device.area());
    ASSERT_GE(pages.size(), 2u);
    int expected = 2;
    for (const auto& page : pages) {
        EXPECT_EQ(page.firstCol, expected);
        EXPECT_EQ(page.firstRow, 2);
        EXPECT_EQ(page.lastRow, 11);
        expected = page.lastCol + 1;
    }
    EXPECT_EQ(expected, 62);

    // A wide table turns the page on its side; a narrow one stays upright,
    // unless its print settings say otherwise.
    const QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                               QPageLayout::Millimeter);
    EXPECT_EQ(SheetPrintout(s).orientationFor(portrait), QPageLayout::Landscape);
    Sheet narrow = pupilTable(10, 3);
    EXPECT_EQ(SheetPrintout(narrow).orientationFor(portrait), QPageLayout::Portrait);
    narrow.print().orientation = PrintSettings::Orientation::Landscape;
    EXPECT_EQ(SheetPrintout(narrow).orientationFor(portrait), QPageLayout::Landscape);
}

TEST(SheetPrintout, TheTotalRowNeverStandsAloneOnAPage) {
    PageDevice device;
    // Nothing moves when everything fits.
    const Sheet few = gradesTable(5);
    const auto one = SheetPrintout(few).paginate(device.writer, device.area());
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one.front().firstRow, 2);
    EXPECT_EQ(one.front().lastRow, few.maxRow());

    // Find a class whose pages, cut without regard to the Total row, would
    // leave the separator and the Total row (or the Total row alone) on the
    // last page: the number depends on the fonts of the machine.
    int students = 0;
    for (int n = 30; n <= 200 && students == 0; ++n) {
        Sheet loose = gradesTable(n);
        loose.print().closingRows = 0;
        const auto pages = SheetPrintout(loose).paginate(device.writer, device.area());
        if (pages.size() >= 2 && pages.back().firstRow >= loose.maxRow() - 1) students = n;
    }
    ASSERT_GT(students, 0) << "no class size puts the Total row alone on a page";

    const Sheet grades = gradesTable(students);
    const auto pages = SheetPrintout(grades).paginate(device.writer, device.area());
    ASSERT_GE(pages.size(), 2u);
    expectRowsOnce(pages, 2, grades.maxRow());
    // The last page holds the last student, the separator and the Total row.
    EXPECT_EQ(pages.back().firstRow, grades.maxRow() - 2);
    EXPECT_EQ(pages.back().lastRow, grades.maxRow());

    // The same in the PDF: the last page names the last student and the Total row.
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("grades.pdf");
    ASSERT_TRUE(writeSheetPdf(grades, pdf).ok());
    const QString lastPage = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts).last();
    EXPECT_TRUE(lastPage.contains(QStringLiteral("Pupil %1").arg(students))) << qPrintable(lastPage);
    EXPECT_TRUE(lastPage.contains("Total"));
}

TEST(SheetPrintout, AMonthOfAttendanceShrinksNoFurtherThanReadableType) {
    PageDevice device(QPageLayout::Landscape);
    const auto printed = [](int month) {
        std::vector<std::string> names;
        for (int i = 1; i <= 20; ++i) names.push_back("Student number " + std::to_string(i));
        return attendancePrintCopy(buildAttendanceTable(names, month, 2026, {}), "/t/c.ATD", month, 2026);
    };
    // The page's 8-point type prints at 7 points at the least.
    constexpr double kSmallestScale = 7.0 / 8.0;

    // December does not fit at 7 points: the days split across two pages,
    // each with the names, the counts closing the last one; as it takes two
    // pages anyway, the type is not shrunk below what two pages need.
    const Sheet december = printed(12);
    ASSERT_EQ(december.maxCol(), 36);
    SheetPrintout split(december);
    const auto pages = split.paginate(device.writer, device.area());
    EXPECT_GE(split.scale(), kSmallestScale);
    EXPECT_DOUBLE_EQ(split.scale(), 1.0);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].firstCol, 2);
    EXPECT_EQ(pages[1].firstCol, pages[0].lastCol + 1);
    EXPECT_EQ(pages[1].lastCol, 36);
    // The days go evenly over the two pages (the counts are a little wider).
    EXPECT_LE(std::abs((pages[0].lastCol - pages[0].firstCol) - (pages[1].lastCol - pages[1].firstCol)), 3);
    EXPECT_EQ(pages[0].lastRow, december.maxRow());

    // A narrower table that fits at full size is not shrunk at all.
    Sheet narrow = pupilTable(5, 6);
    narrow.print().fitToPageWidth = true;
    SheetPrintout fewDays(narrow);
    fewDays.paginate(device.writer, device.area());
    EXPECT_DOUBLE_EQ(fewDays.scale(), 1.0);

    // A 10-point table shrinks to 7 points at the least, whatever the sheet's
    // own smallest scale allows, and goes on across pages.
    Sheet wide = pupilTable(5, 80);
    wide.print().fitToPageWidth = true;
    wide.print().minimumScalePercent = 40;
    SheetPrintout tooWide(wide);
    const std::size_t across = tooWide.paginate(device.writer, device.area()).size();
    EXPECT_GE(across, 2u);
    EXPECT_GE(tooWide.scale(), 0.7);
    EXPECT_LE(tooWide.scale(), 1.0);
}

TEST(SheetPrintout, PdfCarriesTheHeaderSectionsCellsAndPageNumbers) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    Sheet s = pupilTable(120, 4);
    s.setText(60, 1, "Zoë O'Brien");
    s.print().header = QStringLiteral("&L/home/teacher/period1.grs&CDecember 2026&R&D");
    s.print().title = QStringLiteral("/home/teacher/period1.grs");
    PrintoutOptions options;
    options.date = QDate(2024, 3, 7);
    const QString path = dir.filePath("out.pdf");
    ASSERT_TRUE(writeSheetPdf(s, path, options).ok());

    const QString text = pdfText(path);
    const int pages = pdfPageCount(path);
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(text.contains("Zoë O'Brien"));
    EXPECT_TRUE(text.contains("Pupil 120"));
    EXPECT_EQ(text.count("/home/teacher/period1.grs"), pages);
    EXPECT_EQ(text.count("Names"), pages);  // the heading row on every page
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(pages)));
    // The path at the left of its line, the month in the middle, the date at the right.
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QString date = QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat);
    EXPECT_LT(firstLine.indexOf("/home/teacher"), firstLine.indexOf("December 2026"));
    EXPECT_LT(firstLine.indexOf("December 2026"), firstLine.indexOf(date));

    // An untitled class prints an empty path: no header line at all.
    Sheet untitled = pupilTable(3, 2);
    untitled.print().header = QStringLiteral("&L&R&D");
    const QString second = dir.filePath("untitled.pdf");
    ASSERT_TRUE(writeSheetPdf(untitled, second, options).ok());
    EXPECT_TRUE(pdfText(second).contains("Pupil 3"));
    EXPECT_FALSE(pdfText(second).contains("Page 1 of"));
}

TEST(SheetPrintout, GridLinesAndFillsAreDrawnOnlyWhenAsked) {
    if (!havePdfToPpm()) GTEST_SKIP() << "pdftoppm is not installed";
    Sheet s = pupilTable(5, 3);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, 0});
    s.print().gridLines = false;
    QTemporaryDir dir;
    const QString plainPdf = dir.filePath("plain.pdf");
    ASSERT_TRUE(writeSheetPdf(s, plainPdf).ok());
    s.print().gridLines = true;
    const QString gridPdf = dir.filePath("grid.pdf");
    ASSERT_TRUE(writeSheetPdf(s, gridPdf).ok());

    // Rasterise both and compare: the grid adds grey lines.
    const QImage plain = pdfPageImage(plainPdf);
    const QImage grid = pdfPageImage(gridPdf);
    ASSERT_FALSE(plain.isNull() || grid.isNull());
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
    EXPECT_GT(navy, 100);            // the heading fill is printed
    EXPECT_GT(greyOnlyInGrid, 200);  // lines appear only with grid lines on
}

TEST(SheetPrintout, AFailedWriteIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/out.pdf");
    const auto written = writeSheetPdf(pupilTable(3, 2), path);
    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.message().startsWith(QStringLiteral("Unable to create ") + path));
    EXPECT_FALSE(QFile::exists(path));

    // Writing over an existing file replaces it whole.
    const QString existing = dir.filePath("old.pdf");
    ASSERT_TRUE(writeWholeFile(existing, "not a pdf"));
    ASSERT_TRUE(writeSheetPdf(pupilTable(3, 2), existing).ok());
    EXPECT_TRUE(fileContents(existing).startsWith("%PDF-"));
}

TEST(SheetPrintout, ProgressIsToldOfEveryPageAndACancelledJobLeavesNoFile) {
    QTemporaryDir dir;
    const Sheet long_ = pupilTable(300, 3);
    const QString path = dir.filePath("class.pdf");

    CountingProgress all;
    const auto printed = writeSheetPdf(long_, path, {}, &all);
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(*printed, PrintOutcome::Printed);
    const int pages = static_cast<int>(all.pages.size());
    ASSERT_GE(pages, 4);
    std::vector<int> numbers(all.pages.size());
    std::iota(numbers.begin(), numbers.end(), 1);
    EXPECT_EQ(all.pages, numbers);
    EXPECT_EQ(all.counts, std::vector<int>(all.pages.size(), pages));
    if (havePdfToText()) {
        EXPECT_EQ(pdfPageCount(path), pages);
    }

    // Cancelled at page 3: nothing more is drawn, and neither a new file nor
    // a partial one is left; the file that was there stays as it was.
    const QByteArray before = fileContents(path);
    CountingProgress stop(3);
    const auto cancelled = writeSheetPdf(long_, path, {}, &stop);
    ASSERT_TRUE(cancelled.ok());
    EXPECT_EQ(*cancelled, PrintOutcome::Cancelled);
    EXPECT_EQ(stop.pages, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(fileContents(path), before);

    const QString fresh = dir.filePath("fresh.pdf");
    CountingProgress atOnce(1);
    ASSERT_EQ(*writeSheetPdf(long_, fresh, {}, &atOnce), PrintOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(filesIn(dir.path()), QStringList{"class.pdf"});
}

TEST(SheetPrintout, TextsKeepTheirColourAndUnderline) {
    if (!havePdfToPpm()) GTEST_SKIP() << "pdftoppm is not installed";
    // Texts are drawn from glyphs shaped once: they must still carry the
    // cell's colour and its font's underline.
    const auto inkOf = [](bool underline) {
        Sheet s = pupilTable(3, 2);
        CellFont font = s.format(2, 1).font;
        font.underline = underline;
        font.color = colour::kRed;
        s.setFont(CellRange::rows(2, 4), font);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("t.pdf");
        EXPECT_TRUE(writeSheetPdf(s, pdf).ok());
        const QImage page = pdfPageImage(pdf, 1, 150);
        int red = 0;
        int dark = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
                if (c.lightness() < 200) ++dark;
            }
        }
        EXPECT_GT(red, 200);
        return dark;
    };
    EXPECT_GT(inkOf(true), inkOf(false) + 100);
}

TEST(SheetPrintout, ALongNameStillLeavesTheNamesOnEveryPage) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    Sheet s = pupilTable(6, 40);
    s.setText(3, 1, QString(99, QLatin1Char('W')));  // wider than half a page
    s.fitColumnWidths();
    const QString path = dir.filePath("long.pdf");
    ASSERT_TRUE(writeSheetPdf(s, path).ok());
    const int pages = pdfPageCount(path);
    ASSERT_GE(pages, 2);
    EXPECT_EQ(pdfText(path).count("Pupil 6"), pages);
}

TEST(SheetPrintout, NumbersTakeTheDecimalCommaAndALongNoteRunsOnOverEmptyCells) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    Sheet s = pupilTable(2, 3);
    s.setText(2, 2, "87.46%");
    s.setNumber(2, 3, 17.5);
    s.setText(3, 1, "1.5");  // a name stays as it is
    s.setMaxRow(5);
    s.setText(5, 1, "Needs 17.5 of 20 points on the final for an A.");
    PrintoutOptions options;
    options.decimalPoint = u',';
    const QString path = dir.filePath("comma.pdf");
    ASSERT_TRUE(writeSheetPdf(s, path, options).ok());
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains("87,46%")) << text.toStdString();
    EXPECT_TRUE(text.contains("17,5"));
    EXPECT_TRUE(text.contains("1.5"));
    EXPECT_TRUE(text.contains("points on the final for an A."));  // not cut at its cell
}
