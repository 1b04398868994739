#include "core/sheet/Sheet.h"

#include "core/common/NumberText.h"

#include <algorithm>
#include <cmath>

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
    if (value != std::trunc(value) || std::fabs(value) >= 1e15) {
        return static_cast<qsizetype>(generalText(value).size());
    }
    qsizetype length = value < 0 ? 2 : 1;
    for (auto n = static_cast<long long>(std::fabs(value)); n >= 10; n /= 10) ++length;
    return length;
}

constexpr double kPadding = 1.0;
constexpr double kMinimumWidth = 2.0;

}  // namespace

void Sheet::fitColumnWidths(const CellRange& range) {
    const CellRange r = resolve(range);
    for (int col = r.c1; col <= r.c2; ++col) {
        double widest = 0;
        bool any = false;
        for (int row = r.r1; row <= r.r2; ++row) {
            const Cell* cell = find(row, col);
            if (!cell || cell->kind == CellKind::Empty) continue;
            const qsizetype length =
                cell->kind == CellKind::Number ? generalTextLength(cell->number) : textOf(*cell).size();
            widest = std::max(widest, textWidth(length, formats_[cell->format].font));
            any = true;
        }
        setColWidth(col, any ? std::max(widest + kPadding, kMinimumWidth) : kDefaultColWidth);
    }
}

}  // namespace markwell
