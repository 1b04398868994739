// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/table/CellPainter.h"

#include "core/common/NumberText.h"

#include <QPainter>

namespace markwell {
namespace {

HAlign alignmentOf(const CellDrawStyle& style, CellKind kind) {
    if (style.alignment.horizontal != HAlign::General) return style.alignment.horizontal;
    return kind == CellKind::Number ? HAlign::Right : HAlign::Left;
}

}  // namespace

void CellPainter::draw(int row, int col, const QRectF& rect, double spill) {
    const std::uint32_t formatId = sheet_.formatId(row, col);
    const CellDrawStyle& style = styles_.of(formatId);
    if (style.fill) painter_.fillRect(rect, *style.fill);
    const QString text = textOf(row, col);
    if (text.isEmpty()) return;
    use(style);

    const double room = rect.width() - 2 * padding_;
    const CellDrawStyles::ShapedText& shaped = styles_.shaped(formatId, text);
    double x = rect.left() + padding_;
    switch (alignmentOf(style, sheet_.kind(row, col))) {
    case HAlign::Right: x += room - shaped.width; break;
    case HAlign::Center: x += (room - shaped.width) / 2; break;
    default: break;
    }
    const double top = style.alignment.vertical == VAlign::Top
                           ? rect.top()
                           : rect.top() + (rect.height() - style.ascent - style.descent) / 2;
    const QPointF origin(x, top + style.ascent - shaped.ascent);

    // Most texts fit their cells: only the others are clipped.
    const bool runsOn = alignmentOf(style, sheet_.kind(row, col)) == HAlign::Left;
    const QRectF bounds = runsOn ? rect.adjusted(0, 0, spill, 0) : rect;
    const bool clip = shaped.width > bounds.width() - 2 * padding_;
    if (clip) {
        painter_.save();
        painter_.setClipRect(bounds, Qt::IntersectClip);
    }
    for (const QGlyphRun& run : shaped.glyphs) painter_.drawGlyphRun(origin, run);
    if (clip) painter_.restore();
}

QString CellPainter::textOf(int row, int col) const {
    QString text = sheet_.text(row, col);
    if (decimalPoint_ == QLatin1Char('.') || row <= sheet_.fixedRows() || col <= sheet_.fixedCols()) return text;
    return numberWithPoint(text, decimalPoint_);
}

void CellPainter::use(const CellDrawStyle& style) {
    if (style.textColour != pen_) {
        painter_.setPen(style.textColour);
        pen_ = style.textColour;
    }
}

}  // namespace markwell
