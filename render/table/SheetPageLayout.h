// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QDate>
#include <QSizeF>

#include <vector>

class QPaintDevice;

namespace markwell {

class CellDrawStyles;

struct PrintoutOptions {
    int repeatRows = 1;                 // rows printed again at the top of every page
    int repeatCols = -1;                // leading columns printed again on every page; -1: the sheet's frozen columns
    QDate date = QDate::currentDate();  // what "&D" in the header prints
    // The decimal separator the numbers of the table's body print with (the
    // window's language may write ","); the sheet itself keeps ".".
    QChar decimalPoint = u'.';
};

// The rows and columns a page shows besides the repeated ones.
struct SheetPage {
    int firstRow = 1;
    int lastRow = 0;
    int firstCol = 1;
    int lastCol = 0;

    bool operator==(const SheetPage&) const = default;
};

// Where a sheet's cells fall on pages: the size of every row and column on
// the device, the scale that fits the table to the page width when the
// sheet asks for it (never so small that type prints below 7 points), and
// the pages, down the rows first and then across the columns. The closing
// rows the sheet names (its Total row) are never alone on a page.
class SheetPageLayout {
public:
    // `room` is the part of the paintable area the table may use (device
    // pixels, the header and footer left out).
    SheetPageLayout(const Sheet& sheet, const PrintoutOptions& options, const CellDrawStyles& styles,
                    const QPaintDevice& device, const QSizeF& room);

    const std::vector<SheetPage>& pages() const { return pages_; }
    // What a page shows, the repeated rows and columns first.
    std::vector<int> rowsOn(const SheetPage& page) const;
    std::vector<int> colsOn(const SheetPage& page) const;

    // Sizes before scaling, in device pixels.
    double rowHeight(int row) const { return rowHeights_[static_cast<std::size_t>(row - 1)]; }
    double colWidth(int col) const { return colWidths_[static_cast<std::size_t>(col - 1)]; }
    // The room left and right of a cell's text, and the width of grid lines.
    double padding() const { return padding_; }
    double lineWidth() const { return lineWidth_; }
    // The table is drawn at this scale (1 unless shrunk to the page width).
    double scale() const { return scale_; }

    // The full width of the table before scaling, in pixels of `device`,
    // as the layout measures it.
    static double tableWidth(const Sheet& sheet, const QPaintDevice& device);

private:
    int repeatRows_ = 0;  // as the pages repeat them: none when they would take half a page
    int repeatCols_ = 0;
    std::vector<double> colWidths_;
    std::vector<double> rowHeights_;
    std::vector<SheetPage> pages_;
    double padding_ = 0;
    double lineWidth_ = 1;
    double scale_ = 1;
};

}  // namespace markwell
