// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/printout/ReportStyle.h"
#include "core/sheet/PrintHeader.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

// A report of `rows` rows and three columns, the class's look left behind in
// the cells (a report must not keep it).
Sheet reportOf(int rows) {
    Sheet s;
    s.setMaxRow(rows);
    s.setMaxCol(3);
    CellFont classLook;
    classLook.name = QStringLiteral("Courier New");
    classLook.size = 14;
    classLook.italic = true;
    classLook.color = colour::kRed;
    s.setFont(CellRange::all(), classLook);
    s.setText(1, 1, QStringLiteral("Description"));
    s.setText(1, 2, QStringLiteral("Points"));
    s.setText(1, 3, QStringLiteral("Percentage"));
    for (int r = 2; r <= rows; ++r) {
        s.setText(r, 1, QStringLiteral("row %1 with a long description").arg(r));
        s.setNumber(r, 2, r);
    }
    s.setSelection(CellRange::cell(rows, 3));
    return s;
}

}  // namespace

TEST(ReportStyle, HeadingNavyBodyPlainEveryRowCentredColumnsFromTheGivenOne) {
    Sheet s = reportOf(1200);  // far beyond the 500 rows a fixed range would reach
    applyReportStyle(s, 2);

    const CellFormat& heading = s.format(1, 1);
    EXPECT_EQ(heading.font.name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(heading.font.size, 8);
    EXPECT_TRUE(heading.font.bold);
    EXPECT_EQ(heading.font.color, colour::kWhite);
    EXPECT_EQ(heading.fill.pattern, FillPattern::Solid);
    EXPECT_EQ(heading.fill.foreground, colour::kNavy);
    EXPECT_EQ(heading.alignment, CellAlignment::centred());
    EXPECT_EQ(s.fixedRows(), 1);

    for (int row : {2, 500, 501, 1200}) {
        const CellFormat& f = s.format(row, 2);
        EXPECT_EQ(f.font.name, QStringLiteral("MS Sans Serif")) << row;
        EXPECT_EQ(f.font.size, 8) << row;
        EXPECT_FALSE(f.font.bold || f.font.italic || f.font.underline || f.font.strikeOut) << row;
        EXPECT_EQ(f.font.color, colour::kBlack) << row;
        EXPECT_EQ(f.alignment, CellAlignment::centred()) << row;
        EXPECT_EQ(s.format(row, 1).alignment.horizontal, HAlign::General) << row;
    }
    EXPECT_EQ(s.selection(), CellRange::cell(1, 1));
    // Widths follow the texts: the long descriptions need a wider first column.
    EXPECT_GT(s.colWidth(1), s.colWidth(2));
}

TEST(ReportStyle, CentringFromTheFirstColumnOrNone) {
    Sheet all = reportOf(4);
    applyReportStyle(all, 1);
    EXPECT_EQ(all.format(3, 1).alignment, CellAlignment::centred());

    Sheet none = reportOf(4);
    applyReportStyle(none, 4);
    EXPECT_EQ(none.format(3, 3).alignment.horizontal, HAlign::General);
    EXPECT_EQ(none.format(1, 3).alignment, CellAlignment::centred());  // the heading always is
}

TEST(ReportStyle, PrintHeaderKeepsAmpersandsAndLeadingDigitsOfTheCentreText) {
    const QString header = reportPrintHeader(QStringLiteral("/home/t/R&D/p1.grs"), QStringLiteral("2nd & 3rd"));
    const PrintHeaderParts parts = parsePrintHeader(header, QStringLiteral("1/2/2026"));
    EXPECT_EQ(plainText(parts.left), QStringLiteral("/home/t/R&D/p1.grs"));
    EXPECT_EQ(plainText(parts.right), QStringLiteral("1/2/2026"));
    EXPECT_EQ(parts.center, (std::vector<HeaderRun>{{QStringLiteral("2nd & 3rd"), true, true, 12}}));

    Sheet s = reportOf(3);
    setReportPrintout(s, QStringLiteral("Grade Information"), QStringLiteral("/p.grs"), QStringLiteral("Quiz"));
    EXPECT_EQ(s.print().title, QStringLiteral("Grade Information"));
    EXPECT_FALSE(s.print().gridLines);
    EXPECT_TRUE(s.print().centerHorizontally);
    EXPECT_EQ(plainText(parsePrintHeader(s.print().header, {}).center), QStringLiteral("Quiz"));
}
