// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/CellFormat.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace markwell {

// A rectangle of cells, rows and columns counted from 1, ends included. As in
// the grid the tables were designed on, a first row (column) of -1 with a last
// of 0 means every row (column): CellRange::all() is the whole sheet.
struct CellRange {
    int r1 = 1;
    int c1 = 1;
    int r2 = 1;
    int c2 = 1;

    static CellRange all() { return {-1, -1, 0, 0}; }
    static CellRange cell(int row, int col) { return {row, col, row, col}; }
    static CellRange rows(int first, int last) { return {first, -1, last, 0}; }
    static CellRange cols(int first, int last) { return {-1, first, 0, last}; }

    bool contains(int row, int col) const { return row >= r1 && row <= r2 && col >= c1 && col <= c2; }
    bool operator==(const CellRange&) const = default;
};

enum class CellKind : std::uint8_t { Empty, Text, Number };

// A sort key of sort3. `column` is a sheet column; a negative column sorts
// descending on -column; 0 is no key. When `rankOrder` is not empty, texts
// found in it (compared exactly) sort by their position in it, before any
// other text: the Grade column sorts in the order of the scale's letters.
struct SortKey {
    SortKey() = default;
    SortKey(int keyColumn, std::vector<QString> order = {}) : column(keyColumn), rankOrder(std::move(order)) {}

    int column = 0;
    std::vector<QString> rankOrder;
};

// What a printout of the sheet carries. The header uses the section codes
// "&L", "&C", "&R" and the codes "&D" (date), "&B" (bold), "&U" (underline)
// and "&12" (a point size); see sheet/PrintHeader.h.
struct PrintSettings {
    enum class Orientation : std::uint8_t {
        Fitting,  // upright, or on its side when the table is wider than the upright page
        Portrait,
        Landscape,
    };

    QString header;
    QString title;
    bool gridLines = false;
    bool centerHorizontally = false;
    Orientation orientation = Orientation::Fitting;
    // Shrink a table wider than the page to its width, but never below
    // minimumScalePercent (a wider table then continues across pages).
    bool fitToPageWidth = false;
    int minimumScalePercent = 60;
    // The last rows (a separator and a Total row) never stand alone at the
    // top of a page: they print with at least the row before them.
    int closingRows = 0;
};

// One table: cells holding text or numbers, their formats, the extent, the
// selection and the print settings. Every table of the program is built as a
// Sheet by the core and only shown, printed or written elsewhere.
//
// The extent (maxRow x maxCol) is a property of its own, as in the grid the
// tables were designed on: writing a cell outside it stores the cell but does
// not grow it; lowering it cuts the cells beyond.
class Sheet {
public:
    Sheet();

    // Extent.
    int maxRow() const { return maxRow_; }
    int maxCol() const { return maxCol_; }
    void setMaxRow(int rows);
    // Room for this many text cells, for a long table filled in one go.
    void reserveTexts(int cells) { texts_.reserve(static_cast<std::size_t>(std::max(cells, 0))); }
    void setMaxCol(int cols);

    // Cells. Reading outside the stored cells gives an empty cell.
    CellKind kind(int row, int col) const;
    // The cell's text as shown: a number cell gives its general form.
    QString text(int row, int col) const;
    // A number cell's value; a text cell's text read as a number (0 if none).
    double number(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // Stores the value as shown (rounded to 15 significant digits), so that
    // text() and number() always agree.
    void setNumber(int row, int col, double value);

    // Leading columns kept in view.
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int cols) { fixedCols_ = cols; }
    // Leading rows kept in view (the heading row of a table: 0 or 1).
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int rows) { fixedRows_ = rows; }

    // Active cell and the selected range, which commands read.
    int activeRow() const { return activeRow_; }
    int activeCol() const { return activeCol_; }
    void setActiveCell(int row, int col);
    CellRange selection() const { return selection_; }
    // Selects one range (in the -1/0 convention or not) and makes its top
    // left cell active.
    void setSelection(const CellRange& range);

    // Formats. Each setter changes only its part of the format of every cell
    // of the range that lies within the extent.
    const CellFormat& format(int row, int col) const;
    void setFont(const CellRange& range, const CellFont& font);
    void setFill(const CellRange& range, const CellFill& fill);
    void setAlignment(const CellRange& range, const CellAlignment& alignment);
    void setNumberFormat(const CellRange& range, const QString& numberFormat);
    // The format of cells never formatted.
    const CellFormat& defaultFormat() const { return formats_.front(); }
    // Cells share their formats: the number of the cell's format among the
    // sheet's distinct formats (0 is the default), for drawing code that
    // prepares each distinct format once. Numbers stay valid until the
    // formats of the sheet change.
    std::uint32_t formatId(int row, int col) const;
    std::uint32_t formatCount() const { return static_cast<std::uint32_t>(formats_.size()); }
    const CellFormat& formatById(std::uint32_t id) const { return formats_[id]; }

    // Empties the cells of the range, contents and formats.
    void clearRange(const CellRange& range);

    // Sorts the rows r1..r2 of the range, moving the cells of columns c1..c2
    // (contents and formats) by up to three keys. Numbers, and texts that are
    // a number or a number followed by "%", compare by value and before other
    // texts, which follow the reading order of the user's language (see
    // common/ReadingOrder.h: no regard to case); empty cells and "-" go last
    // in both directions; rows with equal keys keep their order. Returns false
    // and sorts nothing when no key names a column within c1..c2.
    bool sort3(const CellRange& range, const SortKey& key1, const SortKey& key2 = {}, const SortKey& key3 = {});

    // Column widths in character units (the width of "0" in 10-point type).
    double colWidth(int col) const;
    void setColWidth(int col, double width);
    // Fits the widths of the range's columns to the content of the range.
    void fitColumnWidths(const CellRange& range = CellRange::all());
    static constexpr double kDefaultColWidth = 9.0;

    bool showGridLines() const { return showGridLines_; }
    void setShowGridLines(bool show) { showGridLines_ = show; }

    // Column and row heading texts ("Min %", a letter, a day); an empty
    // heading is shown as the grid's own (A, B, ... and 1, 2, ...).
    QString colHeading(int col) const;
    void setColHeading(int col, const QString& text);
    QString rowHeading(int row) const;
    void setRowHeading(int row, const QString& text);

    // The first column in view right of the frozen ones (a view scrolls to it).
    int leftCol() const { return leftCol_; }
    void setLeftCol(int col) { leftCol_ = std::max(col, 1); }

    // Whether typing into the cells is allowed; off unless a page asks for it.
    bool allowInCellEditing() const { return allowInCellEditing_; }
    void setAllowInCellEditing(bool allow) { allowInCellEditing_ = allow; }

    PrintSettings& print() { return print_; }
    const PrintSettings& print() const { return print_; }

    // The range as tab-separated text (rows end with "\n"; a tab or line break
    // inside a cell becomes a space) and as an HTML table with the formats.
    QString toTsv(const CellRange& range) const;
    // The same tab-separated text in UTF-8, as it is printed.
    QByteArray toTsvUtf8(const CellRange& range) const;
    QString toHtml(const CellRange& range) const;

    // The range with -1/0 resolved against the extent and clipped to it.
    // An empty result has r1 > r2 or c1 > c2.
    CellRange resolve(const CellRange& range) const;

private:
    // Cells are kept small: the texts of text cells live in a pool beside
    // them, so that a table of thousands of numbers stays compact.
    struct Cell {
        double number = 0;
        std::uint32_t format = 0;
        std::uint32_t text = 0;  // index into texts_ while kind is Text
        CellKind kind = CellKind::Empty;
    };

    const Cell* find(int row, int col) const;
    Cell& at(int row, int col);
    const QString& textOf(const Cell& cell) const { return texts_[cell.text]; }
    void storeText(Cell& cell, const QString& text);
    void releaseText(Cell& cell);
    std::uint32_t intern(const CellFormat& format);
    template <class Change>
    void changeFormats(const CellRange& range, Change change);

    std::vector<std::vector<Cell>> rows_;   // rows_[r-1][c-1]
    std::vector<QString> texts_;            // the texts of the text cells
    std::vector<std::uint32_t> freeTexts_;  // pool entries no cell uses
    std::vector<CellFormat> formats_;       // formats_[0] is the default
    std::unordered_multimap<std::size_t, std::uint32_t> formatIndex_;
    std::vector<double> colWidths_;     // by column-1; missing = default
    std::vector<QString> colHeadings_;  // by column-1; missing = the grid's own
    std::vector<QString> rowHeadings_;  // by row-1
    CellRange selection_ = CellRange::cell(1, 1);
    PrintSettings print_;
    int maxRow_ = 1;
    int maxCol_ = 1;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    int activeRow_ = 1;
    int activeCol_ = 1;
    int leftCol_ = 1;
    bool showGridLines_ = true;
    bool allowInCellEditing_ = false;
};

}  // namespace markwell
