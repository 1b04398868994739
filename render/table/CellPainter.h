// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "render/style/CellDrawStyles.h"

#include <QChar>
#include <QColor>
#include <QRectF>

class QPainter;

namespace markwell {

// Draws cells one after the other, changing the painter's pen only when a
// cell needs another: most neighbours share it. Their texts are drawn as
// glyphs shaped once (see CellDrawStyles), which carry their own fonts.
class CellPainter {
public:
    CellPainter(QPainter& painter, const Sheet& sheet, const CellDrawStyles& styles, double padding,
                QChar decimalPoint = QLatin1Char('.'))
        : painter_(painter), sheet_(sheet), styles_(styles), padding_(padding), decimalPoint_(decimalPoint) {}

    // The cell's fill and text in `rect`, its text clipped to it when too
    // wide. `spill` is the width of the empty cells right of this one on the
    // page: a left-aligned text longer than its cell runs on over them, as
    // in a spreadsheet, instead of being cut (a note below a report's table).
    void draw(int row, int col, const QRectF& rect, double spill = 0);

private:
    void use(const CellDrawStyle& style);
    // Names and headings as they are; the numbers of the body with the
    // printout's decimal separator.
    QString textOf(int row, int col) const;

    QPainter& painter_;
    const Sheet& sheet_;
    const CellDrawStyles& styles_;
    double padding_;
    QChar decimalPoint_;
    QColor pen_;
};

}  // namespace markwell
