// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/table/SheetPageLayout.h"

#include "render/style/CellDrawStyles.h"
#include "render/style/CellStyle.h"

#include <QPaintDevice>

#include <algorithm>
#include <numeric>

namespace markwell {
namespace {

using Band = std::pair<int, int>;  // first and last item of a page

double sizeOf(const std::vector<double>& sizes, int first, int last) {
    return std::accumulate(sizes.begin() + first - 1, sizes.begin() + last, 0.0);
}

// Splits items 1..count of the given sizes into bands that fit `room` after
// the repeated leading items 1..repeat; every band holds at least one item.
// Repeating is given up when the repeated items would take half the room.
std::vector<Band> bands(const std::vector<double>& sizes, int& repeat, double room) {
    const int count = static_cast<int>(sizes.size());
    double repeated = repeat > 0 && repeat < count ? sizeOf(sizes, 1, repeat) : 0;
    if (repeat >= count || repeated > room / 2) {
        repeat = 0;
        repeated = 0;
    }
    std::vector<Band> result;
    int first = repeat + 1;
    while (first <= count) {
        double used = repeated + sizes[static_cast<std::size_t>(first - 1)];
        int last = first;
        while (last < count && used + sizes[static_cast<std::size_t>(last)] <= room) {
            used += sizes[static_cast<std::size_t>(last)];
            ++last;
        }
        result.emplace_back(first, last);
        first = last + 1;
    }
    if (result.empty()) result.emplace_back(1, 0);
    return result;
}

// The same bands, as many, but as even as they can be: the narrowest room
// that still needs no more bands than `room` does. A month of days goes
// half and half over two pages rather than leaving a few on the last.
std::vector<Band> evenBands(const std::vector<double>& sizes, int& repeat, double room) {
    int kept = repeat;
    const std::size_t count = bands(sizes, kept, room).size();
    if (count < 2) {
        repeat = kept;
        return bands(sizes, repeat, room);
    }
    double fits = room;
    double tooSmall = 0;
    for (int step = 0; step < 40 && fits - tooSmall > 0.5; ++step) {
        const double tried = (fits + tooSmall) / 2;
        int repeated = kept;
        if (bands(sizes, repeated, tried).size() <= count && repeated == kept) fits = tried;
        else tooSmall = tried;
    }
    repeat = kept;
    return bands(sizes, repeat, fits);
}

// Columns repeated on every page (the names) that would take more than half
// of it are narrowed to that half, their longest texts cut: names on every
// page are worth more than one long name printed whole.
void narrowRepeated(std::vector<double>& widths, int repeat, double half) {
    if (repeat <= 0 || repeat >= static_cast<int>(widths.size())) return;
    const double repeated = sizeOf(widths, 1, repeat);
    if (repeated <= half) return;
    for (int col = 0; col < repeat; ++col) widths[static_cast<std::size_t>(col)] *= half / repeated;
}

// Moves the row before the closing rows onto the last page when that page
// would otherwise start within them, so that a Total row never stands alone.
// Earlier pages give up their last rows; a page left empty goes.
void keepClosingRows(std::vector<Band>& pages, const std::vector<double>& sizes, int repeat, int closing, double room) {
    const int count = static_cast<int>(sizes.size());
    const int keptFrom = count - closing;  // the last row before the closing rows
    if (closing <= 0 || keptFrom <= repeat || pages.size() < 2 || pages.back().first <= keptFrom) return;
    const double repeated = repeat > 0 ? sizeOf(sizes, 1, repeat) : 0;
    if (repeated + sizeOf(sizes, keptFrom, count) > room) return;  // they could not share a page anyway
    pages.back().first = keptFrom;
    for (auto page = pages.rbegin() + 1; page != pages.rend() && page->second >= keptFrom; ++page) {
        page->second = keptFrom - 1;
    }
    pages.erase(std::remove_if(pages.begin(), pages.end(), [](const Band& b) { return b.first > b.second; }),
                pages.end());
}

// Type shrunk to fit the page stays readable: no text prints smaller.
constexpr double kSmallestPrintedPoints = 7;

// How far the sheet may be shrunk to the page width: not below its smallest
// scale, nor so far that its smallest type prints below the readable size.
double smallestScale(const Sheet& sheet) {
    double scale = std::clamp(sheet.print().minimumScalePercent, 1, 100) / 100.0;
    for (std::uint32_t id = 0; id < sheet.formatCount(); ++id) {
        const double points = sheet.formatById(id).font.size;
        if (points > 0) scale = std::max(scale, std::min(1.0, kSmallestPrintedPoints / points));
    }
    return scale;
}

// The scale that fits columns of these widths across `room`: the one that
// fits them on one page when it does not go below `floor`; otherwise, as
// they go on across pages anyway, the largest up to full size that needs
// no more pages across than `floor` would.
double fittingScale(const std::vector<double>& widths, double room, double floor, int repeat) {
    const double width = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (room / width >= floor) return room / width;
    int repeatAtFloor = repeat;
    const std::size_t across = bands(widths, repeatAtFloor, room / floor).size();
    for (int percent = 100; percent > floor * 100; --percent) {
        int repeated = repeat;
        if (bands(widths, repeated, room * 100 / percent).size() <= across) return percent / 100.0;
    }
    return floor;
}

double paddingOn(const Sheet& sheet, const QPaintDevice& device) {
    return characterUnitWidth(bodyFace(sheet), &device) * 0.3;
}

std::vector<int> withRepeated(int repeat, int first, int last) {
    std::vector<int> items;
    for (int i = 1; i < first && i <= repeat; ++i) items.push_back(i);
    for (int i = first; i <= last; ++i) items.push_back(i);
    return items;
}

}  // namespace

double SheetPageLayout::tableWidth(const Sheet& sheet, const QPaintDevice& device) {
    const std::vector<double> widths = columnWidthsOn(sheet, 2 * paddingOn(sheet, device) + 1, &device);
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

SheetPageLayout::SheetPageLayout(const Sheet& sheet, const PrintoutOptions& options, const CellDrawStyles& styles,
                                 const QPaintDevice& device, const QSizeF& room) {
    padding_ = paddingOn(sheet, device);
    lineWidth_ = std::max(1.0, device.logicalDpiX() / 200.0);
    colWidths_ = columnWidthsOn(sheet, 2 * padding_ + 1, &device);

    const double minimum = styles.of(0).lineHeight;
    rowHeights_.reserve(static_cast<std::size_t>(std::max(sheet.maxRow(), 0)));
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        double height = 0;
        for (int col = 1; col <= sheet.maxCol(); ++col) height = std::max(height, styles.at(row, col).lineHeight);
        rowHeights_.push_back((height > 0 ? height : minimum) * 1.25);
    }

    const PrintSettings& print = sheet.print();
    const double width = std::accumulate(colWidths_.begin(), colWidths_.end(), 0.0);
    repeatRows_ = std::max(0, options.repeatRows);
    repeatCols_ = std::max(0, options.repeatCols < 0 ? sheet.fixedCols() : options.repeatCols);
    if (print.fitToPageWidth && width > room.width()) {
        scale_ = fittingScale(colWidths_, room.width(), smallestScale(sheet), repeatCols_);
    }
    const double across = room.width() / scale_;
    const double down = room.height() / scale_;

    std::vector<Band> rowBands = bands(rowHeights_, repeatRows_, down);
    keepClosingRows(rowBands, rowHeights_, repeatRows_, print.closingRows, down);
    narrowRepeated(colWidths_, repeatCols_, across / 2 * 0.99);
    const std::vector<Band> colBands = evenBands(colWidths_, repeatCols_, across);
    for (const auto& [firstCol, lastCol] : colBands) {
        for (const auto& [firstRow, lastRow] : rowBands) pages_.push_back({firstRow, lastRow, firstCol, lastCol});
    }
}

std::vector<int> SheetPageLayout::rowsOn(const SheetPage& page) const {
    return withRepeated(repeatRows_, page.firstRow, page.lastRow);
}

std::vector<int> SheetPageLayout::colsOn(const SheetPage& page) const {
    return withRepeated(repeatCols_, page.firstCol, page.lastCol);
}

}  // namespace markwell
