// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The Alt letters a window offers at this moment: those of its visible
// buttons, labels and tab titles. Two alike make Alt+letter jump between
// them instead of doing what the teacher meant.

#include "gui/shared/ButtonLetters.h"
#include "tests/gui/support/WaitLimit.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <functional>

namespace markwell::testing {

// The letter Alt opens a caption with, as the window reads it.
using markwell::altLetterOf;

// The captions that can carry an Alt letter, in the window as it shows now.
inline QStringList altCaptions(const QWidget& window) {
    QStringList captions;
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&window)) captions << button->text();
    }
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window) && label->buddy()) captions << label->text();
    }
    for (const auto* bar : window.findChildren<QTabBar*>()) {
        for (int i = 0; bar->isVisibleTo(&window) && i < bar->count(); ++i) captions << bar->tabText(i);
    }
    return captions;
}

// Every Alt letter the window offers now, each once.
inline QList<QChar> offeredAltLetters(const QWidget& window) {
    QList<QChar> letters;
    for (const QString& caption : altCaptions(window)) {
        const QChar letter = altLetterOf(caption);
        if (!letter.isNull() && !letters.contains(letter)) letters << letter;
    }
    return letters;
}

// "letter: caption" for each letter offered twice; empty when none is.
inline QStringList clashingAltLetters(const QWidget& window) {
    const QStringList captions = altCaptions(window);
    QStringList clashes;
    QHash<QChar, QString> seen;
    for (const QString& caption : captions) {
        const QChar letter = altLetterOf(caption);
        if (letter.isNull()) continue;
        if (seen.contains(letter)) clashes << QStringLiteral("%1: %2, %3").arg(letter).arg(seen.value(letter), caption);
        seen.insert(letter, caption);
    }
    return clashes;
}

// The captions of the window's shown buttons that have no Alt letter, their
// own or that of the label leading to them ("File&1" before a "..." button).
inline QStringList buttonsWithoutAltLetter(const QWidget& window) {
    QList<const QWidget*> ledTo;
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->buddy() && !altLetterOf(label->text()).isNull()) ledTo << label->buddy();
    }
    QStringList faults;
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty() || ledTo.contains(button)) continue;
        if (altLetterOf(button->text()).isNull()) faults << button->text();
    }
    return faults;
}

// "Menu > item" for each item of a menu bar's menus without an Alt letter,
// or with one another item of its menu has; empty when every item has its own.
inline QStringList menuItemsWithoutTheirOwnAltLetter(const QMenuBar& bar) {
    QStringList faults;
    for (const QMenu* menu : bar.findChildren<QMenu*>()) {
        QList<QChar> letters;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const QChar letter = altLetterOf(action->text());
            if (letter.isNull() || letters.contains(letter))
                faults << menu->title() + QStringLiteral(" > ") + action->text();
            letters << letter;
        }
    }
    return faults;
}

// Presses Alt+letter in `window` until `done`. The letter reaches its control
// only while the window is the active one; on a loaded machine a window shown
// just before may take that back after this one got it, and the press is
// lost (seen in the sanitizer build). A button's letter presses it as a click
// would, after a moment: hence a wait after each press, a third of the limit,
// so that a lost press is tried again within it.
inline bool pressLetterUntil(QWidget* window, Qt::Key letter, const std::function<bool()>& done) {
    constexpr int kPerPressMs = kWaitLimitMs / 3;
    const QDeadlineTimer deadline(kWaitLimitMs);
    while (!deadline.hasExpired()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window, kWaitLimitMs)) return false;
        QTest::keyClick(window, letter, Qt::AltModifier);
        if (QTest::qWaitFor(done, kPerPressMs)) return true;
    }
    return done();
}

}  // namespace markwell::testing
