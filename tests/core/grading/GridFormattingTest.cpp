// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The look of the grades table: heading, class font, dropped scores, grid
// lines, widths and the selection.

#include "core/grading/GradesTable.h"
#include "core/grading/GridFormatting.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

constexpr PlatformColour kGreen = 0x008000;

ClassRecord styledClass() {
    ClassRecord cls = makeClass({"Ann", "Bo"}, {{"Q1", "Quiz", 10, {"2", "9"}}, {"Q2", "Quiz", 10, {"8", "3"}}});
    cls.gridProps.font_name = "Arial";
    cls.gridProps.font_size = 11;
    cls.gridProps.font_color = kGreen;
    cls.gridProps.grid_lines = true;
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

}  // namespace

TEST(GridFormatting, TheHeadingIsBoldWhiteOnNavyInTheClassFont) {
    const Sheet sheet = buildGradesTable(styledClass()).sheet;
    for (int col = 1; col <= sheet.maxCol(); ++col) {
        const CellFormat& f = sheet.format(1, col);
        EXPECT_EQ(f.font.name, QStringLiteral("Arial"));
        EXPECT_EQ(f.font.size, 11);
        EXPECT_TRUE(f.font.bold);
        EXPECT_EQ(f.font.color, colour::kWhite);
        EXPECT_EQ(f.fill.pattern, FillPattern::Solid);
        EXPECT_EQ(f.fill.foreground, colour::kNavy);
        EXPECT_EQ(f.alignment.horizontal, HAlign::Center);
        EXPECT_EQ(f.alignment.vertical, VAlign::Center);
    }
}

TEST(GridFormatting, DataRowsTakeTheClassFontAndColourAndAreCentredRightOfTheNames) {
    const Sheet sheet = buildGradesTable(styledClass()).sheet;
    for (int row = 2; row <= sheet.maxRow(); ++row) {
        EXPECT_EQ(sheet.format(row, 1).font.color, kGreen) << row;
        EXPECT_EQ(sheet.format(row, 1).alignment.horizontal, HAlign::General) << row;
        EXPECT_EQ(sheet.format(row, 4).font.name, QStringLiteral("Arial")) << row;
        EXPECT_FALSE(sheet.format(row, 4).font.bold) << row;
        EXPECT_EQ(sheet.format(row, 6).alignment.horizontal, HAlign::Center) << row;
        EXPECT_EQ(sheet.format(row, 6).numberFormat, QStringLiteral("General")) << row;
        EXPECT_EQ(sheet.format(row, 6).fill.pattern, FillPattern::None) << row;
    }
}

TEST(GridFormatting, TheClassFontStyleAppliesToTheDataRows) {
    ClassRecord cls = styledClass();
    cls.gridProps.font_style = fontstyle::kItalic | fontstyle::kUnderline;
    const Sheet sheet = buildGradesTable(cls).sheet;
    EXPECT_TRUE(sheet.format(3, 4).font.italic);
    EXPECT_TRUE(sheet.format(3, 4).font.underline);
    EXPECT_FALSE(sheet.format(3, 4).font.strikeOut);
    EXPECT_FALSE(sheet.format(1, 4).font.italic);  // the heading keeps its own look
}

TEST(GridFormatting, EveryRowOfALongClassIsFormatted) {
    ClassRecord cls = makeClass(numberedNames(600), {{"Q", "Quiz", 10, std::vector<std::string>(600, "5")}});
    cls.gridProps.font_color = kGreen;
    const Sheet sheet = buildGradesTable(cls).sheet;
    ASSERT_EQ(sheet.maxRow(), 603);
    for (int row : {2, 500, 501, 601, 603}) {
        EXPECT_EQ(sheet.format(row, 2).font.color, kGreen) << row;
        EXPECT_EQ(sheet.format(row, 2).alignment.horizontal, HAlign::Center) << row;
    }
}

TEST(GridFormatting, DroppedScoresAreRedOnlyUnderADropRule) {
    const GradesTable table = buildGradesTable(styledClass());
    ASSERT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}}));
    EXPECT_EQ(table.sheet.format(2, 2).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 2).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(table.sheet.format(3, 3).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 3).font.color, kGreen);
    EXPECT_EQ(table.sheet.text(2, 2), QStringLiteral("2"));  // still shown

    // Rule 0 marks nothing even with pairs listed; so does the switch off;
    // pairs that name no cell are skipped.
    for (auto [dropType, show] : {std::pair{0, true}, std::pair{1, false}}) {
        Sheet sheet = table.sheet;
        sheet.clearRange(CellRange::all());
        sheet.setMaxRow(5);
        sheet.setMaxCol(6);
        updateGridProperties(sheet, 2, 2, styledClass().gridProps, table.dropCellIndex, dropType, show);
        EXPECT_EQ(sheet.format(2, 2).font.color, kGreen);
    }
    Sheet sheet = table.sheet;
    updateGridProperties(sheet, 2, 2, styledClass().gridProps, {{-1, -1}, {3, -1}, {2, 3}}, 1, true);
    EXPECT_EQ(sheet.format(2, 3).font.color, colour::kRed);
    EXPECT_EQ(sheet.format(3, 1).font.color, kGreen);
}

TEST(GridFormatting, GridLinesWidthsAndSelectionFollowTheClass) {
    ClassRecord cls = styledClass();
    cls.students[1].name = "Bartholomew Montgomery-Smith";
    cls.comments[1].name = cls.students[1].name;
    cls.assignments[0].namegrade[1] = cls.students[1].name + "~9";
    cls.assignments[1].namegrade[1] = cls.students[1].name + "~3";
    GradesTable table = buildGradesTable(cls);
    EXPECT_TRUE(table.sheet.showGridLines());
    EXPECT_GT(table.sheet.colWidth(1), table.sheet.colWidth(2));
    EXPECT_EQ(table.sheet.selection(), CellRange::cell(1, 1));
    cls.gridProps.grid_lines = false;
    EXPECT_FALSE(buildGradesTable(cls).sheet.showGridLines());
}

TEST(GridFormatting, WithoutStudentsThereIsNoNavyHeading) {
    const Sheet sheet = buildGradesTable(makeClass({}, {{"Q1", "Quiz", 10, {}}})).sheet;
    EXPECT_EQ(sheet.format(1, 2).fill.pattern, FillPattern::None);
    EXPECT_FALSE(sheet.format(1, 2).font.bold);
}
