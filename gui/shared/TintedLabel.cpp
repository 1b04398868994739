// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/TintedLabel.h"

#include "gui/shared/ReadableColours.h"

#include <QEvent>

namespace markwell {

TintedLabel::TintedLabel(const QString& text, const QColor& tint, QWidget* parent) : QLabel(text, parent), tint_(tint) {
    applyTint();
}

void TintedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !applying_) applyTint();
}

void TintedLabel::applyTint() {
    applying_ = true;
    QPalette shown = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        shown.setColor(group, QPalette::WindowText, readableOn(tint_, shown.color(group, QPalette::Window)));
    }
    setPalette(shown);
    applying_ = false;
}

}  // namespace markwell
