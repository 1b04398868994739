// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QColor>
#include <QLabel>

namespace markwell {

// A label in a colour of its own (a blue legend, a red warning) that stays
// readable on the window's background: lighter on a dark theme, as it is on
// a light one, and again whenever the palette changes.
class TintedLabel : public QLabel {
    Q_OBJECT

public:
    TintedLabel(const QString& text, const QColor& tint, QWidget* parent = nullptr);

    // The colour the text is drawn in now.
    QColor shownTint() const { return palette().color(QPalette::WindowText); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTint();

    QColor tint_;
    bool applying_ = false;
};

}  // namespace markwell
