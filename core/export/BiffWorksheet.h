// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/export/BiffSharedStrings.h"
#include "core/export/BiffStyles.h"

#include <QByteArray>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace markwell {
class Sheet;
}

namespace markwell::biff {

// The worksheet substream of a sheet, in two parts: the records after the
// INDEX record are written first, registering formats and texts in the
// workbook's tables; the BOF and INDEX records that open the substream are
// made last, once the substream's place in the workbook stream is known.
class WorksheetWriter {
public:
    // A `selected` worksheet is the one the workbook opens on.
    WorksheetWriter(const Sheet& sheet, Styles& styles, SharedStrings& strings, bool selected = true);

    // Everything after INDEX, from the print settings to EOF.
    const QByteArray& body() const { return body_.bytes(); }

    // BOF and INDEX for a substream that starts at `streamPosition`.
    QByteArray head(std::uint32_t streamPosition) const;

private:
    struct RowInfo {
        int row = 0;            // 0-based
        int firstCol = 0;       // 0-based, first cell written
        int endCol = 0;         // one past the last cell written
        int height = 0;         // twips
        qsizetype cellsAt = 0;  // where its cell records start in the block
    };

    void writeSettings();
    void writeColumns();
    void writeRowBlocks();
    bool writeRowCells(int row, RecordWriter& cells, RowInfo& info);
    void writeBlock(const std::vector<RowInfo>& rows, const RecordWriter& cells);
    void writeView();

    std::uint16_t xfOf(int row, int col);
    void noteCells(RowInfo& info, int row, int firstCol, const std::vector<std::uint16_t>& xfs);
    template <class Value>
    void writeRun(RecordWriter& cells, RowInfo& info, std::uint16_t single, std::uint16_t multiple, int row,
                  int firstCol, const std::vector<std::uint16_t>& xfs, Value value);

    const Sheet& sheet_;
    bool selected_ = true;
    Styles& styles_;
    SharedStrings& strings_;
    RecordWriter body_;
    std::vector<std::uint32_t> dbCells_;  // positions in body_
    qsizetype defColWidthAt_ = 0;
    qsizetype dimensionsAt_ = 0;
    int firstRow_ = -1;
    int endRow_ = 0;
    int firstCol_ = -1;
    int endCol_ = 0;
    int defaultHeight_ = 0;
    std::unordered_map<const CellFormat*, std::uint16_t> xfByFormat_;
    std::vector<int> xfHeights_;  // row height each XF asks for, by XF index
};

}  // namespace markwell::biff
