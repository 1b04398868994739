// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/PrintHeader.h"
#include "core/sheet/Sheet.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

Sheet sized(int rows, int cols) {
    Sheet s;
    s.setMaxRow(rows);
    s.setMaxCol(cols);
    return s;
}

// Texts written "a|b|c".
std::vector<QString> texts(const char* joined) {
    const QStringList list = QString::fromUtf8(joined).split(QLatin1Char('|'));
    return {list.begin(), list.end()};
}

// A key column under a heading, each row's original position beside it.
Sheet columnSheet(const std::vector<QString>& keys) {
    Sheet s = sized(static_cast<int>(keys.size()) + 1, 2);
    s.setText(1, 1, QStringLiteral("Key"));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int row = static_cast<int>(i) + 2;
        s.setText(row, 1, keys[i]);
        s.setNumber(row, 2, static_cast<double>(i));
    }
    return s;
}

std::vector<QString> column(const Sheet& s, int col) {
    std::vector<QString> out;
    for (int r = 2; r <= s.maxRow(); ++r) out.push_back(s.text(r, col));
    return out;
}

}  // namespace

TEST(Sheet, CellsKeepTextAndNumbersApartWithinAnExtentThatCutsWhenLowered) {
    Sheet s = sized(3, 3);
    s.setNumber(2, 2, 17.5);
    s.setText(2, 3, QStringLiteral("-"));
    EXPECT_EQ(s.kind(2, 2), CellKind::Number);
    EXPECT_EQ(s.text(2, 2), QStringLiteral("17.5"));
    EXPECT_EQ(s.number(2, 2), 17.5);
    EXPECT_EQ(s.kind(2, 3), CellKind::Text);
    EXPECT_EQ(s.number(2, 3), 0);
    EXPECT_EQ(s.text(9, 9), QString());
    s.setNumber(3, 1, 0.1 + 0.2);
    EXPECT_EQ(s.number(3, 1), 0.3);  // stored as shown
                                     // The extent is a property that cuts when lowered.
    s = Sheet{};
    s.setMaxRow(1);
    s.setText(2, 1, QStringLiteral("beyond"));
    EXPECT_EQ(s.maxRow(), 1);  // writing does not grow the extent
    s.setMaxRow(2);
    EXPECT_EQ(s.text(2, 1), QStringLiteral("beyond"));
    s.setMaxCol(3);
    s.setText(2, 3, QStringLiteral("x"));
    s.setMaxCol(2);
    s.setMaxCol(3);
    EXPECT_EQ(s.text(2, 3), QString());
    s.setMaxRow(1);
    s.setMaxRow(2);
    EXPECT_EQ(s.text(2, 1), QString());
}

TEST(Sheet, FormatSettersChangeOnlyTheirPartWithinTheRangeAndCopyAsHtml) {
    Sheet s = sized(3, 3);
    CellFont bold;
    bold.bold = true;
    bold.color = colour::kWhite;
    s.setFont(CellRange::rows(1, 1), bold);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, 0});
    s.setAlignment(CellRange{1, 2, 3, 3}, {HAlign::Center, false, VAlign::Center});
    EXPECT_TRUE(s.format(1, 3).font.bold);
    EXPECT_EQ(s.format(1, 3).fill.foreground, colour::kNavy);
    EXPECT_EQ(s.format(1, 3).alignment.horizontal, HAlign::Center);
    EXPECT_EQ(s.format(1, 1).alignment.horizontal, HAlign::General);
    EXPECT_FALSE(s.format(2, 1).font.bold);
    EXPECT_EQ(s.format(2, 2).alignment.horizontal, HAlign::Center);
    EXPECT_EQ(s.format(2, 2).fill.pattern, FillPattern::None);
    s = sized(2, 2);
    s.setText(1, 1, QStringLiteral("Names"));
    s.setText(1, 2, QStringLiteral("Quiz\t1"));
    s.setText(2, 1, QStringLiteral("Ann <Lee> & Co"));
    s.setNumber(2, 2, 17.5);
    bold = CellFont{};
    bold.bold = true;
    bold.color = colour::kRed;
    s.setFont(CellRange::rows(1, 1), bold);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, colour::kBlack});
    EXPECT_EQ(s.toTsv(CellRange::all()), QStringLiteral("Names\tQuiz 1\nAnn <Lee> & Co\t17.5\n"));
    const QString html = s.toHtml(CellRange::all());
    EXPECT_TRUE(html.contains(QStringLiteral("Ann &lt;Lee&gt; &amp; Co")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-weight:bold")));
    // Platform colours keep red in the low byte; HTML wants it first.
    EXPECT_TRUE(html.contains(QStringLiteral("color:#ff0000;")));
    EXPECT_TRUE(html.contains(QStringLiteral("background-color:#000080")));
    EXPECT_TRUE(html.contains(QStringLiteral("color:#000000")));
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 2);
}

TEST(Sheet, ClearRangeEmptiesContentsAndFormatsButNotTheHeadings) {
    Sheet s = sized(2, 2);
    s.setText(1, 1, QStringLiteral("a"));
    s.setNumber(2, 2, 3);
    CellFont red;
    red.color = colour::kRed;
    s.setFont(CellRange::all(), red);
    s.clearRange(CellRange::cell(2, 2));
    EXPECT_EQ(s.kind(2, 2), CellKind::Empty);
    EXPECT_EQ(s.format(2, 2), s.defaultFormat());
    EXPECT_EQ(s.format(1, 1).font.color, colour::kRed);
    s.clearRange(CellRange::all());
    EXPECT_EQ(s.text(1, 1), QString());
    EXPECT_EQ(s.format(1, 1), s.defaultFormat());
    s = sized(2, 2);
    // Headings are apart from the cells.
    s.setColHeading(2, QStringLiteral("Max %"));
    s.setRowHeading(1, QStringLiteral("A-"));
    s.setText(1, 2, QStringLiteral("100"));
    EXPECT_EQ(s.colHeading(2), QStringLiteral("Max %"));
    EXPECT_EQ(s.colHeading(1), QString());
    EXPECT_EQ(s.rowHeading(1), QStringLiteral("A-"));
    EXPECT_EQ(s.rowHeading(7), QString());
    EXPECT_EQ(s.toTsv(CellRange::all()), QStringLiteral("\t100\n\t\n"));
    s.clearRange(CellRange::all());
    EXPECT_EQ(s.colHeading(2), QStringLiteral("Max %"));
}

// Percentages and numbers by value, text without regard to case and stably
// (the original positions in column 2), letters in the scale's order; blank
// and "-" last either way.
TEST(Sheet, SortOrdersEachKindOfKeyBothWays) {
    const std::vector<QString> letters = texts("A |A-| B+|B ");
    struct Case {
        const char* keys;
        std::vector<QString> rank;
        const char* up;
        const char* down;
        int col;  // the column compared: 1 the keys, 2 the original positions
    };
    for (const Case& c : {
             Case{"87.46%|100.00%|9.50%|-|", {}, "9.50%|87.46%|100.00%|-|", "100.00%|87.46%|9.50%|-|", 1},
             Case{"bo|Ann|ann|Cy", {}, "Ann|ann|bo|Cy", "Cy|bo|Ann|ann", 1},
             Case{"bo|Ann|ann|Cy", {}, "1|2|0|3", "3|0|1|2", 2},
             Case{"B | B+|-|A ", letters, "A | B+|B |-", "B | B+|A |-", 1},
         }) {
        SCOPED_TRACE(c.keys);
        Sheet s = columnSheet(texts(c.keys));
        ASSERT_TRUE(s.sort3({2, 1, s.maxRow(), 2}, SortKey{1, c.rank}));
        EXPECT_EQ(column(s, c.col), texts(c.up));
        ASSERT_TRUE(s.sort3({2, 1, s.maxRow(), 2}, SortKey{-1, c.rank}));
        EXPECT_EQ(column(s, c.col), texts(c.down));
        EXPECT_EQ(s.text(1, 1), QStringLiteral("Key"));  // outside the range
    }
}

TEST(Sheet, SortMovesFormatsLeavesOtherColumnsAndNeedsAKeyInTheRange) {
    Sheet s = columnSheet({QStringLiteral("b"), QStringLiteral("a")});
    s.setMaxCol(3);
    s.setText(2, 3, QStringLiteral("stays"));
    CellFont red;
    red.color = colour::kRed;
    s.setFont(CellRange::cell(2, 2), red);
    ASSERT_TRUE(s.sort3({2, 1, 3, 2}, SortKey{1}));
    EXPECT_EQ(s.format(3, 2).font.color, colour::kRed);
    EXPECT_EQ(s.text(2, 3), QStringLiteral("stays"));
    s = columnSheet({QStringLiteral("b"), QStringLiteral("a")});
    // A key outside the range sorts nothing.
    EXPECT_FALSE(s.sort3({2, 1, 3, 2}, SortKey{0}));
    EXPECT_FALSE(s.sort3({2, 1, 3, 2}, SortKey{5}));
    EXPECT_EQ(s.text(2, 1), QStringLiteral("b"));
}

TEST(Sheet, FittedWidthsFollowTheLongestTextInTheRangeAndTheFont) {
    Sheet s = sized(2, 3);
    s.setText(1, 1, QStringLiteral("Names"));
    s.setText(2, 1, QStringLiteral("Bartholomew Smith"));
    s.setNumber(2, 2, 12345.25);
    s.fitColumnWidths();
    EXPECT_DOUBLE_EQ(s.colWidth(1), 18.0);
    EXPECT_DOUBLE_EQ(s.colWidth(2), 9.0);
    EXPECT_DOUBLE_EQ(s.colWidth(3), Sheet::kDefaultColWidth);
    CellFont big;
    big.size = 20;
    s.setFont(CellRange::cell(2, 1), big);
    s.fitColumnWidths();
    EXPECT_DOUBLE_EQ(s.colWidth(1), 35.0);
    s = sized(3, 3);
    // Only the range is looked at.
    s.setText(1, 1, QStringLiteral("a rather long heading"));
    s.setText(2, 1, QStringLiteral("Ann"));
    s.setNumber(3, 2, 123.5);
    s.fitColumnWidths({2, 1, 3, 3});
    EXPECT_DOUBLE_EQ(s.colWidth(1), 4.0);  // "Ann" and the padding; the heading is outside
    EXPECT_DOUBLE_EQ(s.colWidth(2), 6.0);
    EXPECT_DOUBLE_EQ(s.colWidth(3), Sheet::kDefaultColWidth);  // nothing in it
    // A row stored shorter than the range, and a cell below the extent.
    Sheet t = sized(2, 1);
    t.setText(1, 1, QStringLiteral("x"));
    t.setMaxCol(2);
    t.setText(3, 2, QStringLiteral("beyond the last row"));
    t.fitColumnWidths();
    EXPECT_DOUBLE_EQ(t.colWidth(1), 2.0);  // the narrowest a column gets
    EXPECT_DOUBLE_EQ(t.colWidth(2), Sheet::kDefaultColWidth);
}

TEST(PrintHeader, SplitsSectionsAndAppliesCodes) {
    const auto parts = parsePrintHeader(QStringLiteral("&L/home/t/p1.grs&R&D"), QStringLiteral("12/6/2026"));
    EXPECT_EQ(plainText(parts.left), QStringLiteral("/home/t/p1.grs"));
    EXPECT_EQ(plainText(parts.right), QStringLiteral("12/6/2026"));
    EXPECT_TRUE(parts.center.empty());

    const auto title = parsePrintHeader(QStringLiteral("&C&B&U&12Class Statistics && More"), QString());
    ASSERT_EQ(title.center.size(), 1u);
    EXPECT_EQ(title.center[0], (HeaderRun{QStringLiteral("Class Statistics & More"), true, true, 12}));
}

TEST(Sheet, TextsStayWithTheirCellsThroughRewritesCutsAndSortsAndTheirBytesAreUtf8) {
    Sheet s = sized(4, 2);
    s.setText(1, 1, QStringLiteral("d"));
    s.setText(2, 1, QStringLiteral("b"));
    s.setText(3, 1, QStringLiteral("c"));
    s.setText(4, 1, QStringLiteral("a"));
    s.setText(1, 2, QStringLiteral("gone"));
    s.setNumber(1, 2, 5);  // text replaced by a number
    s.setText(2, 2, QStringLiteral("x"));
    s.setText(2, 2, QString());  // and emptied
    s.setText(3, 2, QStringLiteral("first"));
    s.setText(3, 2, QStringLiteral("second"));  // rewritten in place
    s.clearRange(CellRange::cell(4, 1));
    s.setText(4, 2, QStringLiteral("new"));  // may take a freed place
    EXPECT_EQ(s.toTsv(CellRange::all()), QStringLiteral("d\t5\nb\t\nc\tsecond\n\tnew\n"));

    Sheet copy = s;
    copy.setText(1, 1, QStringLiteral("changed"));
    EXPECT_EQ(s.text(1, 1), QStringLiteral("d"));

    ASSERT_TRUE(s.sort3({1, 1, 4, 2}, SortKey{1}));
    EXPECT_EQ(s.toTsv(CellRange::all()), QStringLiteral("b\t\nc\tsecond\nd\t5\n\tnew\n"));
    s.setMaxRow(3);
    s.setText(4, 1, QStringLiteral("back"));
    s.setMaxRow(4);
    EXPECT_EQ(s.toTsv(CellRange::all()), QStringLiteral("b\t\nc\tsecond\nd\t5\nback\t\n"));
    // The printed table is UTF-8 built straight from the cells: it must say what
    // the text form says, byte for byte.
    s = sized(3, 3);
    s.setText(1, 1, QStringLiteral("Ren\u00e9e \u20ac"));
    s.setText(1, 2, QStringLiteral("two\r\nlines\tand a tab"));
    s.setNumber(2, 1, -12.25);
    s.setNumber(2, 2, 1e20);
    s.setNumber(2, 3, 1.0 / 3.0);
    s.setNumber(3, 1, -7);
    s.setNumber(3, 2, -0.0);
    s.setText(3, 3, QStringLiteral("87.50%"));
    s.setText(4, 1, QStringLiteral("below the extent"));
    s.setText(1, 4, QStringLiteral("right of the extent"));
    const QByteArray bytes = s.toTsvUtf8(CellRange::all());
    EXPECT_EQ(bytes, "Ren\xc3\xa9"
                     "e \xe2\x82\xac\ttwo  lines and a tab\t\n"
                     "-12.25\t1E20\t0.333333333333333\n"
                     "-7\t0\t87.50%\n");
    EXPECT_EQ(s.toTsv(CellRange::all()), QString::fromUtf8(bytes));
    EXPECT_EQ(s.toTsvUtf8({2, 2, 3, 3}), "1E20\t0.333333333333333\n0\t87.50%\n");
    // Rows without columns are still rows.
    s.setMaxCol(0);
    EXPECT_EQ(s.toTsvUtf8(CellRange::all()), "\n\n\n");
}
