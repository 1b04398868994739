// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/Sheet.h"

#include "core/common/NumberText.h"

#include <algorithm>
#include <numeric>

namespace markwell {

Sheet::Sheet() {
    formats_.emplace_back();
    formatIndex_.emplace(hashFormat(formats_.front()), 0);
}

void Sheet::setMaxRow(int rows) {
    maxRow_ = std::max(rows, 0);
    if (static_cast<int>(rows_.size()) <= maxRow_) return;
    for (auto row = rows_.begin() + maxRow_; row != rows_.end(); ++row) {
        for (Cell& cell : *row) releaseText(cell);
    }
    rows_.resize(static_cast<std::size_t>(maxRow_));
}

void Sheet::setMaxCol(int cols) {
    maxCol_ = std::max(cols, 0);
    for (auto& row : rows_) {
        if (static_cast<int>(row.size()) <= maxCol_) continue;
        for (auto cell = row.begin() + maxCol_; cell != row.end(); ++cell) releaseText(*cell);
        row.resize(static_cast<std::size_t>(maxCol_));
    }
}

void Sheet::storeText(Cell& cell, const QString& text) {
    if (cell.kind != CellKind::Text) {
        if (freeTexts_.empty()) {
            cell.text = static_cast<std::uint32_t>(texts_.size());
            texts_.emplace_back();
        } else {
            cell.text = freeTexts_.back();
            freeTexts_.pop_back();
        }
        cell.kind = CellKind::Text;
    }
    texts_[cell.text] = text;
}

void Sheet::releaseText(Cell& cell) {
    if (cell.kind != CellKind::Text) return;
    texts_[cell.text] = QString();
    freeTexts_.push_back(cell.text);
    cell.kind = CellKind::Empty;
}

const Sheet::Cell* Sheet::find(int row, int col) const {
    if (row < 1 || col < 1 || row > static_cast<int>(rows_.size())) return nullptr;
    const auto& cells = rows_[static_cast<std::size_t>(row - 1)];
    if (col > static_cast<int>(cells.size())) return nullptr;
    return &cells[static_cast<std::size_t>(col - 1)];
}

Sheet::Cell& Sheet::at(int row, int col) {
    if (row > static_cast<int>(rows_.size())) rows_.resize(static_cast<std::size_t>(row));
    auto& cells = rows_[static_cast<std::size_t>(row - 1)];
    if (col > static_cast<int>(cells.size())) {
        cells.resize(static_cast<std::size_t>(std::max(col, maxCol_)));
    }
    return cells[static_cast<std::size_t>(col - 1)];
}

CellKind Sheet::kind(int row, int col) const {
    const Cell* cell = find(row, col);
    return cell ? cell->kind : CellKind::Empty;
}

QString Sheet::text(int row, int col) const {
    const Cell* cell = find(row, col);
    if (!cell) return {};
    if (cell->kind == CellKind::Number) return generalQText(cell->number);
    if (cell->kind == CellKind::Text) return textOf(*cell);
    return {};
}

double Sheet::number(int row, int col) const {
    const Cell* cell = find(row, col);
    if (!cell) return 0;
    if (cell->kind == CellKind::Number) return cell->number;
    if (cell->kind == CellKind::Text) return parseNumber(textOf(*cell)).value_or(0);
    return 0;
}

void Sheet::setText(int row, int col, const QString& text) {
    if (row < 1 || col < 1) return;
    Cell& cell = at(row, col);
    cell.number = 0;
    if (text.isEmpty()) {
        releaseText(cell);
        cell.kind = CellKind::Empty;
    } else {
        storeText(cell, text);
    }
}

void Sheet::setNumber(int row, int col, double value) {
    if (row < 1 || col < 1) return;
    Cell& cell = at(row, col);
    releaseText(cell);
    cell.number = shownValue(value);
    cell.kind = CellKind::Number;
}

void Sheet::setActiveCell(int row, int col) {
    activeRow_ = row;
    activeCol_ = col;
}

void Sheet::setSelection(const CellRange& range) {
    selection_ = range;
    setActiveCell(range.r1 < 1 ? 1 : range.r1, range.c1 < 1 ? 1 : range.c1);
}

CellRange Sheet::resolve(const CellRange& range) const {
    CellRange r = range;
    if (r.r1 == -1 && r.r2 == 0) {
        r.r1 = 1;
        r.r2 = maxRow_;
    }
    if (r.c1 == -1 && r.c2 == 0) {
        r.c1 = 1;
        r.c2 = maxCol_;
    }
    r.r1 = std::max(r.r1, 1);
    r.c1 = std::max(r.c1, 1);
    r.r2 = std::min(r.r2, maxRow_);
    r.c2 = std::min(r.c2, maxCol_);
    return r;
}

const CellFormat& Sheet::format(int row, int col) const {
    const Cell* cell = find(row, col);
    return formats_[cell ? cell->format : 0];
}

std::uint32_t Sheet::formatId(int row, int col) const {
    const Cell* cell = find(row, col);
    return cell ? cell->format : 0;
}

std::uint32_t Sheet::intern(const CellFormat& format) {
    const std::size_t h = hashFormat(format);
    auto [first, last] = formatIndex_.equal_range(h);
    for (auto it = first; it != last; ++it) {
        if (formats_[it->second] == format) return it->second;
    }
    const auto index = static_cast<std::uint32_t>(formats_.size());
    formats_.push_back(format);
    formatIndex_.emplace(h, index);
    return index;
}

// Applies `change` to the format of every cell of the range, interning each
// distinct result once: a table of thousands of cells shares a few formats.
template <class Change>
void Sheet::changeFormats(const CellRange& range, Change change) {
    const CellRange r = resolve(range);
    std::unordered_map<std::uint32_t, std::uint32_t> changed;
    // Neighbouring cells mostly share a format: remember the last one.
    std::uint32_t lastFrom = 0;
    std::uint32_t lastTo = 0;
    bool haveLast = false;
    for (int row = r.r1; row <= r.r2; ++row) {
        for (int col = r.c1; col <= r.c2; ++col) {
            Cell& cell = at(row, col);
            if (!haveLast || cell.format != lastFrom) {
                auto it = changed.find(cell.format);
                if (it == changed.end()) {
                    CellFormat f = formats_[cell.format];
                    change(f);
                    it = changed.emplace(cell.format, intern(f)).first;
                }
                lastFrom = it->first;
                lastTo = it->second;
                haveLast = true;
            }
            cell.format = lastTo;
        }
    }
}

void Sheet::setFont(const CellRange& range, const CellFont& font) {
    changeFormats(range, [&](CellFormat& f) { f.font = font; });
}

void Sheet::setFill(const CellRange& range, const CellFill& fill) {
    changeFormats(range, [&](CellFormat& f) { f.fill = fill; });
}

void Sheet::setAlignment(const CellRange& range, const CellAlignment& alignment) {
    changeFormats(range, [&](CellFormat& f) { f.alignment = alignment; });
}

void Sheet::setNumberFormat(const CellRange& range, const QString& numberFormat) {
    changeFormats(range, [&](CellFormat& f) { f.numberFormat = numberFormat; });
}

void Sheet::clearRange(const CellRange& range) {
    CellRange r = range;
    // Clearing the whole sheet also drops the stored cells beyond the extent.
    if (r == CellRange::all()) {
        rows_.clear();
        texts_.clear();
        freeTexts_.clear();
        formats_.resize(1);
        formatIndex_.clear();
        formatIndex_.emplace(hashFormat(formats_.front()), 0);
        return;
    }
    r = resolve(r);
    for (int row = r.r1; row <= r.r2 && row <= static_cast<int>(rows_.size()); ++row) {
        auto& cells = rows_[static_cast<std::size_t>(row - 1)];
        for (int col = r.c1; col <= r.c2 && col <= static_cast<int>(cells.size()); ++col) {
            Cell& cell = cells[static_cast<std::size_t>(col - 1)];
            releaseText(cell);
            cell = Cell{};
        }
    }
}

double Sheet::colWidth(int col) const {
    if (col < 1 || col > static_cast<int>(colWidths_.size())) return kDefaultColWidth;
    return colWidths_[static_cast<std::size_t>(col - 1)];
}

void Sheet::setColWidth(int col, double width) {
    if (col < 1) return;
    if (col > static_cast<int>(colWidths_.size())) {
        colWidths_.resize(static_cast<std::size_t>(col), kDefaultColWidth);
    }
    colWidths_[static_cast<std::size_t>(col - 1)] = std::max(width, 0.0);
}

namespace {

QString headingAt(const std::vector<QString>& headings, int index) {
    if (index < 1 || index > static_cast<int>(headings.size())) return {};
    return headings[static_cast<std::size_t>(index - 1)];
}

void setHeadingAt(std::vector<QString>& headings, int index, const QString& text) {
    if (index < 1) return;
    if (index > static_cast<int>(headings.size())) headings.resize(static_cast<std::size_t>(index));
    headings[static_cast<std::size_t>(index - 1)] = text;
}

}  // namespace

QString Sheet::colHeading(int col) const {
    return headingAt(colHeadings_, col);
}
void Sheet::setColHeading(int col, const QString& text) {
    setHeadingAt(colHeadings_, col, text);
}
QString Sheet::rowHeading(int row) const {
    return headingAt(rowHeadings_, row);
}
void Sheet::setRowHeading(int row, const QString& text) {
    setHeadingAt(rowHeadings_, row, text);
}

}  // namespace markwell
