// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>

#include <cstddef>

namespace markwell {

// Horizontal and vertical alignment of a cell, in the grid's terms.
enum class HAlign : std::uint8_t { General, Left, Center, Right };
enum class VAlign : std::uint8_t { Bottom, Center, Top };

// Fill patterns: none, or solid in the foreground colour.
enum class FillPattern : std::uint8_t { None = 0, Solid = 1 };

struct CellFont {
    QString name = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    PlatformColour color = colour::kBlack;

    bool operator==(const CellFont&) const = default;
};

struct CellFill {
    FillPattern pattern = FillPattern::None;
    PlatformColour foreground = colour::kWhite;
    PlatformColour background = colour::kWhite;

    bool operator==(const CellFill&) const = default;
};

struct CellAlignment {
    HAlign horizontal = HAlign::General;
    bool wrap = false;
    VAlign vertical = VAlign::Bottom;

    // Centred both ways, without wrapping: headings and the cells of numbers.
    static CellAlignment centred() { return {HAlign::Center, false, VAlign::Center}; }

    bool operator==(const CellAlignment&) const = default;
};

struct CellFormat {
    CellFont font;
    CellFill fill;
    CellAlignment alignment;
    QString numberFormat = QStringLiteral("General");

    bool operator==(const CellFormat&) const = default;
};

std::size_t hashFormat(const CellFormat& format);

}  // namespace markwell
