// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QColor>
#include <QPalette>

class QStyleOptionViewItem;

namespace markwell {

// The colours a cell or a heading is drawn in on this screen. A sheet's
// colours are made for paper and the exports, which keep them; the screen
// shows each one readable against its own background under the palette in
// use (a dark theme, a theme's own selection colour).
struct ShownColours {
    QColor text;
    QColor background;
};

// A heading or an unselected cell: the sheet's fill (none: the palette's
// base) and its text colour (none: the palette's text), made readable.
ShownColours readableColours(const QPalette& palette, QPalette::ColorGroup group, const QVariant& foreground,
                             const QVariant& fill);

// What an unselected cell is drawn on: its fill, or the palette's base.
QColor cellBackground(const QStyleOptionViewItem& option, QPalette::ColorGroup group);

// Makes the text of a cell about to be drawn readable against what it is
// drawn on, the selection included, in the active and inactive window alike.
void makeReadable(QStyleOptionViewItem& option);

}  // namespace markwell
