// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/BiffWorksheet.h"

#include "core/export/ExportSupport.h"
#include "core/sheet/Sheet.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace markwell::biff {
namespace {

constexpr int kRowsPerBlock = 32;
constexpr int kRowRecordSize = kRecordHeaderSize + 16;

// Row height in twips that a font of this size needs: 12.75 points for 10.
int rowHeightFor(double pointSize) {
    return static_cast<int>(std::lround(std::clamp(pointSize, 1.0, 409.0) * 25.5));
}

// Column width in 1/256 of a character as the file keeps it: the width shown
// plus the cell margins (5 pixels where a character is 7).
std::uint16_t storedColumnWidth(double characters) {
    const double units = std::round((std::min(characters, 254.0) * 7.0 + 5.0) / 7.0 * 256.0);
    return static_cast<std::uint16_t>(units);
}

// A number in the 30-bit RK form when it has one that reads back exactly:
// an integer, an integer hundredth, or a double whose low 34 bits are zero.
std::optional<std::uint32_t> rkValue(double value) {
    if (!std::isfinite(value) || (value == 0 && std::signbit(value))) return std::nullopt;
    constexpr double kLimit = 536870912.0;  // 2^29
    if (value == std::trunc(value) && value >= -kLimit && value < kLimit) {
        return (static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) << 2) | 0x2u;
    }
    const double hundredths = std::round(value * 100.0);
    if (hundredths >= -kLimit && hundredths < kLimit && hundredths / 100.0 == value) {
        return (static_cast<std::uint32_t>(static_cast<std::int32_t>(hundredths)) << 2) | 0x3u;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0) return static_cast<std::uint32_t>(bits >> 32);
    return std::nullopt;
}

}  // namespace

WorksheetWriter::WorksheetWriter(const Sheet& sheet, Styles& styles, SharedStrings& strings, bool selected)
    : sheet_(sheet), selected_(selected), styles_(styles), strings_(strings),
      body_(static_cast<qsizetype>(sheet.maxRow()) * sheet.maxCol() * 8 + 4096) {
    defaultHeight_ = rowHeightFor(sheet.defaultFormat().font.size);
    writeSettings();
    writeColumns();
    writeRowBlocks();
    writeView();
}

std::uint16_t WorksheetWriter::xfOf(int row, int col) {
    const CellFormat& format = sheet_.format(row, col);
    // Cells share a handful of formats: look each one up once.
    if (const auto it = xfByFormat_.find(&format); it != xfByFormat_.end()) return it->second;
    const std::uint16_t xf = styles_.xfIndex(format);
    xfByFormat_.emplace(&format, xf);
    if (xf >= xfHeights_.size()) xfHeights_.resize(xf + 1u, 0);
    xfHeights_[xf] = rowHeightFor(format.font.size);
    return xf;
}

void WorksheetWriter::writeSettings() {
    writeU16Record(body_, rec::kCalcMode, {1});
    writeU16Record(body_, rec::kCalcCount, {100});
    writeU16Record(body_, rec::kRefMode, {1});
    writeU16Record(body_, rec::kIteration, {0});
    body_.begin(rec::kDelta);
    body_.f64(0.001);
    body_.end();
    writeU16Record(body_, rec::kSaveRecalc, {1});

    const PrintSettings& print = sheet_.print();
    writeU16Record(body_, rec::kPrintHeaders, {0});
    writeU16Record(body_, rec::kPrintGridLines, {static_cast<std::uint16_t>(print.gridLines ? 1 : 0)});
    writeU16Record(body_, rec::kGridSet, {1});
    writeU16Record(body_, rec::kGuts, {0, 0, 0, 0});
    writeU16Record(body_, rec::kDefaultRowHeight, {0, static_cast<std::uint16_t>(defaultHeight_)});
    writeU16Record(body_, rec::kWsBool, {0x04C1});
    const QString header = storableHeader(print.header);
    if (!header.isEmpty()) {
        body_.begin(rec::kHeader);
        body_.longString(header);
        body_.end();
    }
    writeU16Record(body_, rec::kHCenter, {static_cast<std::uint16_t>(print.centerHorizontally ? 1 : 0)});
    writeU16Record(body_, rec::kVCenter, {0});
}

void WorksheetWriter::writeColumns() {
    defColWidthAt_ = body_.position();
    writeU16Record(body_, rec::kDefColWidth, {8});
    // One COLINFO per run of columns of equal width.
    for (const ColumnRun& run : columnWidthRuns(sheet_)) {
        const bool hidden = run.width <= 0;
        body_.begin(rec::kColInfo);
        body_.u16(static_cast<std::uint16_t>(run.first - 1));
        body_.u16(static_cast<std::uint16_t>(run.last - 1));
        body_.u16(hidden ? 0 : storedColumnWidth(run.width));
        body_.u16(Styles::kDefaultXf);
        body_.u16(hidden ? 0x0001 : 0x0000);
        body_.u16(0);
        body_.end();
    }
    dimensionsAt_ = body_.position();
    body_.begin(rec::kDimensions);
    body_.zeros(14);  // filled in once the cells are written
    body_.end();
}

void WorksheetWriter::noteCells(RowInfo& info, int row, int firstCol, const std::vector<std::uint16_t>& xfs) {
    if (info.endCol == 0) {
        info.row = row - 1;
        info.firstCol = firstCol - 1;
    }
    info.endCol = firstCol - 1 + static_cast<int>(xfs.size());
    for (const std::uint16_t xf : xfs) info.height = std::max(info.height, xfHeights_[xf]);
}

// Cells firstCol.. of a row as one record: `single` for one cell, else
// `multiple` with the last column at its end. `value(i)` writes what the
// i-th cell adds after its format.
template <class Value>
void WorksheetWriter::writeRun(RecordWriter& cells, RowInfo& info, std::uint16_t single, std::uint16_t multiple,
                               int row, int firstCol, const std::vector<std::uint16_t>& xfs, Value value) {
    cells.begin(xfs.size() == 1 ? single : multiple);
    cells.u16(static_cast<std::uint16_t>(row - 1));
    cells.u16(static_cast<std::uint16_t>(firstCol - 1));
    for (std::size_t i = 0; i < xfs.size(); ++i) {
        cells.u16(xfs[i]);
        value(i);
    }
    if (xfs.size() > 1) cells.u16(static_cast<std::uint16_t>(firstCol - 1 + static_cast<int>(xfs.size()) - 1));
    cells.end();
    noteCells(info, row, firstCol, xfs);
}

// Writes the cell records of one row (1-based) into `cells`; returns whether
// there were any. Runs of numbers that have an RK form share one MULRK
// record, runs of formatted empty cells one MULBLANK record.
bool WorksheetWriter::writeRowCells(int row, RecordWriter& cells, RowInfo& info) {
    info = RowInfo{};
    info.height = defaultHeight_;
    info.cellsAt = cells.position();
    std::vector<std::uint16_t> xfs;
    std::vector<std::uint32_t> rks;
    int col = 1;
    while (col <= sheet_.maxCol()) {
        const CellKind kind = sheet_.kind(row, col);
        xfs.assign(1, xfOf(row, col));
        if (kind == CellKind::Text) {
            const std::uint32_t index = strings_.add(exportedText(sheet_, row, col));
            writeRun(cells, info, rec::kLabelSst, rec::kLabelSst, row, col, xfs,
                     [&](std::size_t) { cells.u32(index); });
        } else if (kind == CellKind::Number && !rkValue(sheet_.number(row, col))) {
            const double value = sheet_.number(row, col);
            writeRun(cells, info, rec::kNumber, rec::kNumber, row, col, xfs, [&](std::size_t) { cells.f64(value); });
        } else if (kind == CellKind::Number) {
            rks.assign(1, *rkValue(sheet_.number(row, col)));
            for (int next = col + 1; next <= sheet_.maxCol() && sheet_.kind(row, next) == CellKind::Number; ++next) {
                const std::optional<std::uint32_t> rk = rkValue(sheet_.number(row, next));
                if (!rk) break;
                rks.push_back(*rk);
                xfs.push_back(xfOf(row, next));
            }
            writeRun(cells, info, rec::kRk, rec::kMulRk, row, col, xfs, [&](std::size_t i) { cells.u32(rks[i]); });
        } else if (xfs.front() != Styles::kDefaultXf) {
            for (int next = col + 1; next <= sheet_.maxCol() && sheet_.kind(row, next) == CellKind::Empty; ++next) {
                const std::uint16_t xf = xfOf(row, next);
                if (xf == Styles::kDefaultXf) break;
                xfs.push_back(xf);
            }
            writeRun(cells, info, rec::kBlank, rec::kMulBlank, row, col, xfs, [](std::size_t) {});
        }
        col += static_cast<int>(xfs.size());
    }
    return info.endCol > 0;
}

void WorksheetWriter::writeRowBlocks() {
    RecordWriter cells(64 * 1024);
    std::vector<RowInfo> rows;
    for (int blockStart = 1; blockStart <= sheet_.maxRow(); blockStart += kRowsPerBlock) {
        cells.clear();
        rows.clear();
        const int blockEnd = std::min(sheet_.maxRow(), blockStart + kRowsPerBlock - 1);
        for (int row = blockStart; row <= blockEnd; ++row) {
            RowInfo info;
            if (writeRowCells(row, cells, info)) rows.push_back(info);
        }
        if (!rows.empty()) writeBlock(rows, cells);
    }

    body_.patchU32(dimensionsAt_ + kRecordHeaderSize, static_cast<std::uint32_t>(std::max(firstRow_, 0)));
    body_.patchU32(dimensionsAt_ + kRecordHeaderSize + 4, static_cast<std::uint32_t>(endRow_));
    body_.patchU16(dimensionsAt_ + kRecordHeaderSize + 8, static_cast<std::uint16_t>(std::max(firstCol_, 0)));
    body_.patchU16(dimensionsAt_ + kRecordHeaderSize + 10, static_cast<std::uint16_t>(endCol_));
}

// ROW records, then the cells, then the DBCELL record that says where each
// row's cells start.
void WorksheetWriter::writeBlock(const std::vector<RowInfo>& rows, const RecordWriter& cells) {
    const qsizetype firstRowAt = body_.position();
    for (const RowInfo& info : rows) {
        body_.begin(rec::kRow);
        body_.u16(static_cast<std::uint16_t>(info.row));
        body_.u16(static_cast<std::uint16_t>(info.firstCol));
        body_.u16(static_cast<std::uint16_t>(info.endCol));
        body_.u16(static_cast<std::uint16_t>(info.height));
        body_.u16(0);
        body_.u16(0);
        body_.u32(0x0100u | (info.height != defaultHeight_ ? 0x0040u : 0u));
        body_.end();

        if (firstRow_ < 0) firstRow_ = info.row;
        endRow_ = info.row + 1;
        firstCol_ = firstCol_ < 0 ? info.firstCol : std::min(firstCol_, info.firstCol);
        endCol_ = std::max(endCol_, info.endCol);
    }
    const qsizetype cellsAt = body_.position();
    body_.append(cells.bytes());

    dbCells_.push_back(static_cast<std::uint32_t>(body_.position()));
    body_.begin(rec::kDbCell);
    body_.u32(static_cast<std::uint32_t>(body_.position() - kRecordHeaderSize - firstRowAt));
    // The first offset counts from where a second ROW record would start.
    qsizetype previous = firstRowAt + kRowRecordSize;
    for (const RowInfo& info : rows) {
        const qsizetype at = cellsAt + info.cellsAt;
        body_.u16(static_cast<std::uint16_t>(at - previous));
        previous = at;
    }
    body_.end();
}

void WorksheetWriter::writeView() {
    const int frozen = sheet_.fixedCols() > 0 && sheet_.fixedCols() < 256 ? sheet_.fixedCols() : 0;
    std::uint16_t options = 0x0004 | 0x0010 | 0x0020 | 0x0080;
    if (selected_) options |= 0x0200 | 0x0400;  // selected and on show
    if (sheet_.showGridLines()) options |= 0x0002;
    if (frozen > 0) options |= 0x0008 | 0x0100;
    body_.begin(rec::kWindow2);
    body_.u16(options);
    body_.u16(0);   // top row
    body_.u16(0);   // left column
    body_.u16(64);  // grid line colour: the window's
    body_.zeros(10);
    body_.end();

    auto selection = [this](std::uint8_t pane, int col) {
        body_.begin(rec::kSelection);
        body_.u8(pane);
        body_.u16(0);
        body_.u16(static_cast<std::uint16_t>(col));
        body_.u16(0);
        body_.u16(1);
        body_.u16(0);
        body_.u16(0);
        body_.u8(static_cast<std::uint8_t>(col));
        body_.u8(static_cast<std::uint8_t>(col));
        body_.end();
    };
    constexpr std::uint8_t kLeftPane = 3;
    constexpr std::uint8_t kRightPane = 1;
    if (frozen > 0) {
        body_.begin(rec::kPane);
        body_.u16(static_cast<std::uint16_t>(frozen));  // columns left of the split
        body_.u16(0);                                   // no rows above it
        body_.u16(0);
        body_.u16(static_cast<std::uint16_t>(frozen));  // first column right of it
        body_.u8(kRightPane);
        body_.u8(0);
        body_.end();
        selection(kLeftPane, 0);
        selection(kRightPane, frozen);
    } else {
        selection(kLeftPane, 0);
    }
    body_.begin(rec::kEof);
    body_.end();
}

QByteArray WorksheetWriter::head(std::uint32_t streamPosition) const {
    RecordWriter out;
    writeBof(out, kWorksheetSubstream);

    const auto bodyAt =
        static_cast<std::uint32_t>(streamPosition + out.position() + kRecordHeaderSize + 16 + 4 * dbCells_.size());
    out.begin(rec::kIndex);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(std::max(firstRow_, 0)));
    out.u32(static_cast<std::uint32_t>(endRow_));
    out.u32(bodyAt + static_cast<std::uint32_t>(defColWidthAt_));
    for (const std::uint32_t at : dbCells_) out.u32(bodyAt + at);
    out.end();
    return out.bytes();
}

}  // namespace markwell::biff
