// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/GridFormatting.h"

#include "core/common/Cp1252.h"
#include "core/sheet/HeadingRow.h"

namespace markwell {

CellFont classFont(const GridProperties& gridProps) {
    CellFont font;
    font.name = cp1252::toUnicode(gridProps.font_name);
    font.size = gridProps.font_size;
    font.bold = (gridProps.font_style & fontstyle::kBold) != 0;
    font.italic = (gridProps.font_style & fontstyle::kItalic) != 0;
    font.underline = (gridProps.font_style & fontstyle::kUnderline) != 0;
    font.strikeOut = (gridProps.font_style & fontstyle::kStrikeOut) != 0;
    font.color = gridProps.font_color;
    return font;
}

void updateGridProperties(Sheet& sheet, int studentCount, int assignmentCount, const GridProperties& gridProps,
                          const std::vector<DroppedCell>& dropped, std::int32_t dropType, bool showDropColor) {
    const CellFont dataFont = classFont(gridProps);
    if (studentCount > 0) {
        formatHeadingRow(sheet, dataFont.name, dataFont.size);
        if (assignmentCount > 0) sheet.setAlignment({2, 2, sheet.maxRow(), sheet.maxCol()}, CellAlignment::centred());
    }
    // Every row below the heading, however long the class.
    const CellRange body = CellRange::rows(2, sheet.maxRow());
    sheet.setNumberFormat(body, QStringLiteral("General"));
    sheet.setFont(body, dataFont);

    if (showDropColor) markDroppedScores(sheet, dataFont, dropped, dropType);
    sheet.setShowGridLines(gridProps.grid_lines);
    sheet.fitColumnWidths(CellRange::all());
    sheet.setSelection(CellRange::cell(1, 1));
}

void markDroppedScores(Sheet& sheet, const CellFont& dataFont, const std::vector<DroppedCell>& dropped,
                       std::int32_t dropType) {
    if (dropType < droprule::kLowestOverall) return;
    CellFont red = dataFont;
    red.color = colour::kRed;
    for (const DroppedCell& d : dropped) {
        if (d.namesCell()) sheet.setFont(CellRange::cell(d.row, d.col), red);
    }
}

}  // namespace markwell
