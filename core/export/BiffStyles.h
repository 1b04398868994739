// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/export/BiffRecordWriter.h"
#include "core/sheet/CellFormat.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace markwell::biff {

// The workbook's colour palette: cells name colours by an index 8..63 into it.
class Palette {
public:
    static constexpr int kFirstIndex = 8;
    static constexpr int kSize = 56;

    Palette();

    // Gives every colour (0xRRGGBB) an entry: an entry of that colour when there
    // is one, else an entry no wanted colour needs, overwritten; only past 56
    // distinct colours does a colour take the nearest entry.
    void fit(const std::vector<std::uint32_t>& colours);

    // The index of the entry nearest the colour (exact after fit()).
    std::uint16_t indexOf(std::uint32_t rgb) const;

    void write(RecordWriter& out) const;

private:
    std::array<std::uint32_t, kSize> entries_;
};

// The fonts, number formats and cell formats (XF records) of the workbook.
// Cell formats are registered while the cells are written; write() then emits
// the FONT, FORMAT, XF, STYLE and PALETTE records they need.
class Styles {
public:
    // The index of the cell format that cells never formatted have.
    static constexpr std::uint16_t kDefaultXf = 15;

    explicit Styles(const CellFormat& defaultFormat);

    // The XF index of a cell format, registering it when new.
    std::uint16_t xfIndex(const CellFormat& format);
    std::size_t formatCount() const { return formats_.size(); }

    void write(RecordWriter& out) const;

private:
    struct Xf {
        std::uint16_t font;          // position in fonts_
        std::uint16_t numberFormat;  // FORMAT index
        CellFormat format;
    };

    std::uint16_t fontPosition(const CellFont& font);
    std::uint16_t numberFormatIndex(const QString& numberFormat);

    std::vector<CellFont> fonts_;         // [0] is the default font
    std::vector<QString> numberFormats_;  // custom ones, FORMAT index 164 on
    std::vector<Xf> formats_;             // cell XFs from kDefaultXf on
};

}  // namespace markwell::biff
