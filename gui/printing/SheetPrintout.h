#pragma once

#include "common/Result.h"
#include "sheet/Sheet.h"

#include <QDate>
#include <QPageLayout>
#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

namespace markwell {

struct PrintoutOptions {
    int repeatRows = 1;   // rows printed again at the top of every page
    int repeatCols = -1;  // leading columns printed again on every page; -1: the sheet's frozen columns
    QDate date = QDate::currentDate();  // what "&D" in the header prints
};

// A sheet laid out on pages: the column widths and fonts of the sheet, its
// fills and alignment, grid lines when its print settings ask for them, the
// header with its left, centre and right sections, and "Page n of m" at the
// foot. The printer, the print preview and PDF files all draw through this.
class SheetPrintout {
public:
    struct Page {
        int firstRow = 1;
        int lastRow = 0;
        int firstCol = 1;
        int lastCol = 0;
    };

    explicit SheetPrintout(const Sheet& sheet, PrintoutOptions options = {});

    // The pages for a paintable area of the device (device pixels), down the
    // rows first and then across the columns.
    std::vector<Page> paginate(const QPaintDevice& device, const QSizeF& area) const;

    // Draws every page, starting a new one between pages. Fails when the
    // device cannot be painted on or refuses a new page.
    Result<void> print(QPagedPaintDevice& device) const;

    // The orientation in which the table needs fewer pages across.
    QPageLayout::Orientation suggestedOrientation(const QPageLayout& layout) const;

private:
    struct Metrics;
    Metrics measure(const QPaintDevice& device) const;
    std::vector<Page> paginate(const Metrics& m, const QSizeF& area) const;
    void drawPage(QPainter& painter, const Metrics& m, const Page& page, const QSizeF& area, int number,
                  int count) const;
    void drawHeader(QPainter& painter, const Metrics& m, const QSizeF& area) const;
    void drawCell(QPainter& painter, const Metrics& m, int row, int col, const QRectF& rect) const;
    int repeatedCols() const;

    const Sheet& sheet_;
    PrintoutOptions options_;
};

// The sheet's printout as a PDF file (written whole or not at all).
Result<void> writeSheetPdf(const Sheet& sheet, const QString& path, const PrintoutOptions& options = {});

}  // namespace markwell
