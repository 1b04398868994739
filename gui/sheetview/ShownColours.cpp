// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/sheetview/ShownColours.h"

#include "gui/shared/ReadableColours.h"

#include <QBrush>
#include <QStyleOptionViewItem>

namespace markwell {

ShownColours readableColours(const QPalette& palette, QPalette::ColorGroup group, const QVariant& foreground,
                             const QVariant& fill) {
    const QColor background =
        fill.canConvert<QBrush>() ? fill.value<QBrush>().color() : palette.color(group, QPalette::Base);
    const QColor text =
        foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color() : palette.color(group, QPalette::Text);
    return {readableOn(text, background), background};
}

QColor cellBackground(const QStyleOptionViewItem& option, QPalette::ColorGroup group) {
    return option.backgroundBrush.style() != Qt::NoBrush ? option.backgroundBrush.color()
                                                         : option.palette.color(group, QPalette::Base);
}

void makeReadable(QStyleOptionViewItem& option) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor background = cellBackground(option, group);
        QPalette& palette = option.palette;
        palette.setColor(group, QPalette::Text, readableOn(palette.color(group, QPalette::Text), background));
        palette.setColor(
            group, QPalette::HighlightedText,
            readableOn(palette.color(group, QPalette::HighlightedText), palette.color(group, QPalette::Highlight)));
    }
}

}  // namespace markwell
