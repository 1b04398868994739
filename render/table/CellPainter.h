// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "render/style/CellDrawStyles.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace markwell {

// Draws cells one after the other, changing the painter's pen only when a
// cell needs another: most neighbours share it. Their texts are drawn as
// glyphs shaped once (see CellDrawStyles), which carry their own fonts.
class CellPainter {
public:
    CellPainter(QPainter& painter, const Sheet& sheet, const CellDrawStyles& styles, double padding)
        : painter_(painter), sheet_(sheet), styles_(styles), padding_(padding) {}

    // The cell's fill and text in `rect`, its text clipped to it when too wide.
    void draw(int row, int col, const QRectF& rect);

private:
    void use(const CellDrawStyle& style);

    QPainter& painter_;
    const Sheet& sheet_;
    const CellDrawStyles& styles_;
    double padding_;
    QColor pen_;
};

}  // namespace markwell
