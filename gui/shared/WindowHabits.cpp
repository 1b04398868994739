// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/WindowHabits.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>

#include <algorithm>

namespace markwell {
namespace {

// Alt and a character, typed into a box that takes text. Ctrl+Alt is left
// alone: some keyboards type their third characters with it.
bool isUnusedAltTyping(QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier))) return false;
    if (key->text().isEmpty() || !key->text().front().isPrint()) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    // Every box that takes typed text asks for the input method.
    return widget && widget->testAttribute(Qt::WA_InputMethodEnabled);
}

// A message box sizes itself to its text; every other dialog is widened to its title.
void widenToTitle(QObject* watched) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || qobject_cast<QMessageBox*>(dialog) || dialog->windowTitle().isEmpty()) return;
    const int needed = titleBarWidth(*dialog);
    if (dialog->minimumWidth() >= needed) return;
    // The layout's own minimum still holds: the dialog only gets wider.
    const int laidOut = dialog->layout() ? dialog->layout()->totalMinimumSize().width() : 0;
    dialog->setMinimumWidth(std::max(needed, laidOut));
}

}  // namespace

int titleBarWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);  // title bars mostly are
    const QFontMetrics metrics(font);
    // The window icon on the left and three buttons on the right, each about
    // two lines of text high, and a margin at each end.
    return metrics.horizontalAdvance(window.windowTitle()) + 8 * metrics.height();
}

bool WindowHabits::eventFilter(QObject* watched, QEvent* event) {
    if (isUnusedAltTyping(watched, event)) return true;
    if (event->type() == QEvent::Show) widenToTitle(watched);
    return QObject::eventFilter(watched, event);
}

void installWindowHabits(QApplication& app) {
    app.installEventFilter(new WindowHabits(&app));
}

}  // namespace markwell
