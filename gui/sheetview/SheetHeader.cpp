// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/sheetview/SheetHeader.h"

#include "gui/sheetview/SheetModel.h"

#include <QPainter>

namespace markwell {

namespace {

// The room left and right of a heading's text, as in a cell.
constexpr int kTextMargin = 3;

}  // namespace

SheetHeader::SheetHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionResizeMode(QHeaderView::Interactive);
    setHighlightSections(true);
    setSectionsClickable(true);
}

ShownColours SheetHeader::shownColours(int logicalIndex) const {
    const QAbstractItemModel* m = model();
    if (!m) return {palette().color(QPalette::Text), palette().color(QPalette::Base)};
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    return readableColours(palette(), group, m->headerData(logicalIndex, orientation(), Qt::ForegroundRole),
                           m->headerData(logicalIndex, orientation(), Qt::BackgroundRole));
}

void SheetHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QAbstractItemModel* m = model();
    if (!m || !m->headerData(logicalIndex, orientation(), SheetModel::kSheetRowHeadingRole).toBool()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const auto value = [&](int role) { return m->headerData(logicalIndex, orientation(), role); };
    painter->save();
    const ShownColours colours = shownColours(logicalIndex);
    const QColor& background = colours.background;
    painter->fillRect(rect, background);
    // A fine line between the headings, visible on a dark fill as on a light one.
    painter->setPen(background.lightness() < 128 ? background.lighter(170) : background.darker(130));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    const QVariant font = value(Qt::FontRole);
    if (font.canConvert<QFont>()) painter->setFont(font.value<QFont>());
    painter->setPen(colours.text);
    const QVariant align = value(Qt::TextAlignmentRole);
    const Qt::Alignment alignment =
        align.canConvert<Qt::Alignment>() ? align.value<Qt::Alignment>() : Qt::Alignment(align.toInt());
    const QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QString text =
        painter->fontMetrics().elidedText(value(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width());
    painter->drawText(textRect, static_cast<int>((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), text);
    painter->restore();
}

}  // namespace markwell
