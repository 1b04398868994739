// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/Sheet.h"

#include "core/common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace markwell {
namespace {

// Width of a cell's text in character units: 10-point regular type is the
// unit; larger or bold type takes more room.
double textWidth(qsizetype length, const CellFont& font) {
    double width = static_cast<double>(length) * font.size / 10.0;
    if (font.bold) width *= 1.1;
    return width;
}

// The length of a number's general form; whole numbers, most of a table,
// without writing them out.
qsizetype generalTextLength(double value) {
    if (!isGeneralWhole(value)) return static_cast<qsizetype>(generalText(value).size());
    qsizetype length = value < 0 ? 2 : 1;
    for (auto n = static_cast<long long>(std::fabs(value)); n >= 10; n /= 10) ++length;
    return length;
}

constexpr double kPadding = 1.0;
constexpr double kMinimumWidth = 2.0;

}  // namespace

// Row by row, as the cells are stored: a table of 2,000 x 200 is read in
// order, not a column at a time across every row.
void Sheet::fitColumnWidths(const CellRange& range) {
    const CellRange r = resolve(range);
    if (r.c1 > r.c2) return;
    const auto cols = static_cast<std::size_t>(r.c2 - r.c1) + 1;
    std::vector<double> widest(cols, 0);
    std::vector<char> filled(cols, 0);  // whether the column has any content
    for (int row = r.r1; row <= r.r2 && row <= static_cast<int>(rows_.size()); ++row) {
        const auto& cells = rows_[static_cast<std::size_t>(row - 1)];
        const int last = std::min(r.c2, static_cast<int>(cells.size()));
        for (int col = r.c1; col <= last; ++col) {
            const Cell& cell = cells[static_cast<std::size_t>(col - 1)];
            if (cell.kind == CellKind::Empty) continue;
            const qsizetype length =
                cell.kind == CellKind::Number ? generalTextLength(cell.number) : textOf(cell).size();
            const auto index = static_cast<std::size_t>(col - r.c1);
            widest[index] = std::max(widest[index], textWidth(length, formats_[cell.format].font));
            filled[index] = 1;
        }
    }
    for (int col = r.c1; col <= r.c2; ++col) {
        const auto index = static_cast<std::size_t>(col - r.c1);
        setColWidth(col, filled[index] ? std::max(widest[index] + kPadding, kMinimumWidth) : kDefaultColWidth);
    }
}

}  // namespace markwell
