// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/HeadingRow.h"

namespace markwell {

void formatHeadingRow(Sheet& sheet, const QString& fontName, double fontSize) {
    CellFont font;
    font.name = fontName;
    font.size = fontSize;
    font.bold = true;
    font.color = colour::kWhite;
    const CellRange row = CellRange::rows(1, 1);
    sheet.setFont(row, font);
    sheet.setFill(row, {FillPattern::Solid, colour::kNavy, colour::kBlack});
    sheet.setAlignment(row, CellAlignment::centred());
}

}  // namespace markwell
