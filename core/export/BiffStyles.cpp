// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/BiffStyles.h"

#include "core/export/ExportSupport.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace markwell::biff {
namespace {

// The palette a workbook starts with, entries 8..63.
constexpr std::array<std::uint32_t, Palette::kSize> kStandardPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

// Palette indexes with a fixed meaning: the window's text and background.
constexpr std::uint16_t kSystemText = 64;
constexpr std::uint16_t kSystemBackground = 65;

constexpr std::uint16_t kFirstCustomFormat = 164;
constexpr int kStyleXfCount = 15;

int distance(std::uint32_t a, std::uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

// FONT indexes skip 4: the fifth FONT record is font 5.
std::uint16_t fontIndex(std::uint16_t position) {
    return position < 4 ? position : static_cast<std::uint16_t>(position + 1);
}

void writeFont(RecordWriter& out, const CellFont& font, const Palette& palette) {
    out.begin(rec::kFont);
    const double twips = std::clamp(font.size, 1.0, 409.0) * 20.0;
    out.u16(static_cast<std::uint16_t>(std::lround(twips)));
    out.u16(
        static_cast<std::uint16_t>((font.bold ? 0x01 : 0) | (font.italic ? 0x02 : 0) | (font.strikeOut ? 0x08 : 0)));
    out.u16(palette.indexOf(rgbOf(font.color)));
    out.u16(font.bold ? 700 : 400);
    out.u16(0);                         // neither superscript nor subscript
    out.u8(font.underline ? 0x01 : 0);  // single underline
    out.u8(0);                          // font family: any
    out.u8(0);                          // character set: ANSI
    out.u8(0);
    out.shortString(font.name.left(255));
    out.end();
}

std::uint8_t alignmentByte(const CellAlignment& a) {
    std::uint8_t horizontal = 0;
    switch (a.horizontal) {
    case HAlign::General: horizontal = 0; break;
    case HAlign::Left: horizontal = 1; break;
    case HAlign::Center: horizontal = 2; break;
    case HAlign::Right: horizontal = 3; break;
    }
    std::uint8_t vertical = 2;
    switch (a.vertical) {
    case VAlign::Top: vertical = 0; break;
    case VAlign::Center: vertical = 1; break;
    case VAlign::Bottom: vertical = 2; break;
    }
    return static_cast<std::uint8_t>(horizontal | (a.wrap ? 0x08 : 0) | (vertical << 4));
}

struct XfFields {
    std::uint16_t font = 0;
    std::uint16_t numberFormat = 0;
    std::uint16_t typeAndParent = 0;
    std::uint8_t alignment = 0x20;  // general, bottom
    std::uint8_t usedAttributes = 0;
    std::uint8_t pattern = 0;
    std::uint16_t patternColour = kSystemText;
    std::uint16_t backgroundColour = kSystemBackground;
};

void writeXf(RecordWriter& out, const XfFields& f) {
    out.begin(rec::kXf);
    out.u16(f.font);
    out.u16(f.numberFormat);
    out.u16(f.typeAndParent);
    out.u8(f.alignment);
    out.u8(0);  // no rotation
    out.u8(0);  // no indent, no shrinking
    out.u8(f.usedAttributes);
    out.u32(0);  // no borders
    out.u32(static_cast<std::uint32_t>(f.pattern) << 26);
    out.u16(static_cast<std::uint16_t>(f.patternColour | (f.backgroundColour << 7)));
    out.end();
}

}  // namespace

Palette::Palette() : entries_(kStandardPalette) {}

void Palette::fit(const std::vector<std::uint32_t>& colours) {
    std::array<bool, kSize> taken{};
    std::vector<std::uint32_t> missing;
    for (const std::uint32_t c : colours) {
        const auto it = std::find(entries_.begin(), entries_.end(), c);
        if (it != entries_.end()) {
            taken[static_cast<std::size_t>(it - entries_.begin())] = true;
        } else if (std::find(missing.begin(), missing.end(), c) == missing.end()) {
            missing.push_back(c);
        }
    }
    // Overwrite entries from the end, where the rarely used colours are.
    int slot = kSize - 1;
    for (const std::uint32_t c : missing) {
        while (slot >= 0 && taken[static_cast<std::size_t>(slot)]) --slot;
        if (slot < 0) break;
        entries_[static_cast<std::size_t>(slot)] = c;
        taken[static_cast<std::size_t>(slot)] = true;
    }
}

std::uint16_t Palette::indexOf(std::uint32_t rgb) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kSize; ++i) {
        const int d = distance(entries_[static_cast<std::size_t>(i)], rgb);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
            if (d == 0) break;
        }
    }
    return static_cast<std::uint16_t>(kFirstIndex + best);
}

void Palette::write(RecordWriter& out) const {
    out.begin(rec::kPalette);
    out.u16(kSize);
    for (const std::uint32_t rgb : entries_) {
        out.u8(static_cast<std::uint8_t>(rgb >> 16));
        out.u8(static_cast<std::uint8_t>(rgb >> 8));
        out.u8(static_cast<std::uint8_t>(rgb));
        out.u8(0);
    }
    out.end();
}

Styles::Styles(const CellFormat& defaultFormat) {
    fonts_.push_back(defaultFormat.font);
    xfIndex(defaultFormat);
}

std::uint16_t Styles::fontPosition(const CellFont& font) {
    const auto it = std::find(fonts_.begin(), fonts_.end(), font);
    if (it != fonts_.end()) return static_cast<std::uint16_t>(it - fonts_.begin());
    fonts_.push_back(font);
    return static_cast<std::uint16_t>(fonts_.size() - 1);
}

std::uint16_t Styles::numberFormatIndex(const QString& numberFormat) {
    if (numberFormat.isEmpty() || numberFormat.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0) {
        return 0;
    }
    auto it = std::find(numberFormats_.begin(), numberFormats_.end(), numberFormat);
    if (it == numberFormats_.end()) it = numberFormats_.insert(numberFormats_.end(), numberFormat);
    return static_cast<std::uint16_t>(kFirstCustomFormat + (it - numberFormats_.begin()));
}

std::uint16_t Styles::xfIndex(const CellFormat& format) {
    const auto it = std::find_if(formats_.begin(), formats_.end(), [&](const Xf& xf) { return xf.format == format; });
    if (it != formats_.end()) return static_cast<std::uint16_t>(kDefaultXf + (it - formats_.begin()));
    formats_.push_back({fontPosition(format.font), numberFormatIndex(format.numberFormat), format});
    return static_cast<std::uint16_t>(kDefaultXf + formats_.size() - 1);
}

void Styles::write(RecordWriter& out) const {
    std::vector<std::uint32_t> colours;
    for (const CellFont& font : fonts_) colours.push_back(rgbOf(font.color));
    for (const Xf& xf : formats_) {
        if (xf.format.fill.pattern != FillPattern::None) colours.push_back(rgbOf(xf.format.fill.foreground));
    }
    Palette palette;
    palette.fit(colours);

    // Fonts 0..3 are the default font: the built-in styles refer to them.
    for (int i = 0; i < 3; ++i) writeFont(out, fonts_.front(), palette);
    for (const CellFont& font : fonts_) writeFont(out, font, palette);

    for (std::size_t i = 0; i < numberFormats_.size(); ++i) {
        out.begin(rec::kFormat);
        out.u16(static_cast<std::uint16_t>(kFirstCustomFormat + i));
        out.longString(numberFormats_[i].left(255));
        out.end();
    }

    // The style formats: Normal first, then the other built-in styles.
    for (int i = 0; i < kStyleXfCount; ++i) {
        XfFields style;
        style.typeAndParent = 0xFFF5;  // locked, a style, no parent
        style.usedAttributes = i == 0 ? 0x00 : 0xF4;
        writeXf(out, style);
    }
    for (const Xf& xf : formats_) {
        XfFields cell;
        cell.font = fontIndex(static_cast<std::uint16_t>(xf.font + 3));
        cell.numberFormat = xf.numberFormat;
        cell.typeAndParent = 0x0001;  // locked, a cell, parent Normal
        cell.alignment = alignmentByte(xf.format.alignment);
        cell.usedAttributes = 0xFC;  // every attribute is this format's own
        if (xf.format.fill.pattern == FillPattern::Solid) {
            cell.pattern = 1;
            cell.patternColour = palette.indexOf(rgbOf(xf.format.fill.foreground));
            cell.backgroundColour = kSystemBackground;
        }
        writeXf(out, cell);
    }

    out.begin(rec::kStyle);
    out.u16(0x8000);  // built-in style of style format 0
    out.u8(0);        // Normal
    out.u8(0xFF);
    out.end();

    palette.write(out);
}

}  // namespace markwell::biff
