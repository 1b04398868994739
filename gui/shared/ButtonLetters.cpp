// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/ButtonLetters.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

namespace markwell {
namespace {

// The captions that carry an Alt letter in the window: its buttons, the
// labels that lead to a control and its tabs, on every tab page.
QStringList captionsOf(const QWidget& window) {
    QStringList captions;
    for (const auto* button : window.findChildren<QAbstractButton*>()) captions << button->text();
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->buddy()) captions << label->text();
    }
    for (const auto* bar : window.findChildren<QTabBar*>()) {
        for (int i = 0; i < bar->count(); ++i) captions << bar->tabText(i);
    }
    return captions;
}

}  // namespace

QChar altLetterOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

QString withAltLetter(const QString& caption, QList<QChar>& taken) {
    if (const QChar letter = altLetterOf(caption); !letter.isNull()) {
        taken << letter;
        return caption;
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar ch = caption.at(i);
        if (ch == QLatin1Char('&')) {
            ++i;  // "&&" shows one "&": no letter
            continue;
        }
        if (!ch.isLetterOrNumber() || taken.contains(ch.toLower())) continue;
        taken << ch.toLower();
        return caption.left(i) + QLatin1Char('&') + caption.mid(i);
    }
    return caption;
}

void giveButtonsAltLetters(QWidget& window) {
    QList<QChar> taken;
    for (const QString& caption : captionsOf(window)) {
        if (const QChar letter = altLetterOf(caption); !letter.isNull()) taken << letter;
    }
    for (auto* button : window.findChildren<QAbstractButton*>()) {
        const QString caption = button->text();
        // Buttons of icons alone (scroll arrows) have no caption to mark.
        if (caption.isEmpty() || !altLetterOf(caption).isNull()) continue;
        // A caption whose every letter another caption has stays without one:
        // a letter shared with a field of another tab page would only move
        // the focus between the two.
        const QString marked = withAltLetter(caption, taken);
        if (marked != caption) button->setText(marked);
    }
}

}  // namespace markwell
