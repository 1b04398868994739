// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/WindowHabits.h"

#include "gui/shared/ButtonLetters.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>
#include <QToolTip>

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

// A character typed into a box that holds all it can: the box would drop it
// without a word, so it says why.
void sayWhenBoxIsFull(QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return;
    auto* box = qobject_cast<QLineEdit*>(watched);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!box || box->isReadOnly() || box->hasSelectedText() || box->text().size() < box->maxLength()) return;
    if (key->text().isEmpty() || !key->text().front().isPrint()) return;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())),
                       WindowHabits::tr("This box is full: it holds at most %1 characters.").arg(box->maxLength()),
                       box);
}

// A message box fixes its own size from its layout as it shows: an empty
// item as wide as the title bar needs keeps it from cutting its title.
void widenMessageBoxToTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || box.property("markwellTitleRoom").toBool()) return;
    box.setProperty("markwellTitleRoom", true);
    grid->addItem(new QSpacerItem(titleBarWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                  0, 1, grid->columnCount());
}

// Qt measures a label's text whole, kerning and all, but draws its
// underlined letter apart from the letters beside it: "&Teléfono" loses the
// kerning of "Te" and its last letter is cut. Such a label is given the room
// its text takes as drawn.
void roomForUnderlinedLetters(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = label->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (!label->buddy() || at < 0 || at + 1 >= text.size() || text.at(at + 1) == QLatin1Char('&')) continue;
        const QFontMetrics metrics(label->font());
        const QString before = text.left(at);
        const QString letter = text.mid(at + 1, 1);
        const QString after = QString(text.mid(at + 2)).remove(QLatin1Char('&'));
        const int drawn =
            metrics.horizontalAdvance(before) + metrics.horizontalAdvance(letter) + metrics.horizontalAdvance(after);
        const int lost = drawn - metrics.horizontalAdvance(before + letter + after);
        if (lost > 0) label->setMinimumWidth(label->sizeHint().width() + lost);
    }
}

// Every dialog is widened to its title.
void widenToTitle(QObject* watched) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || dialog->windowTitle().isEmpty()) return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        widenMessageBoxToTitle(*box);
        return;
    }
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
    sayWhenBoxIsFull(watched, event);
    if (event->type() == QEvent::Show) {
        widenToTitle(watched);
        if (auto* dialog = qobject_cast<QDialog*>(watched)) giveButtonsAltLetters(*dialog);
        if (auto* window = qobject_cast<QWidget*>(watched); window && window->isWindow()) {
            roomForUnderlinedLetters(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void installWindowHabits(QApplication& app) {
    app.installEventFilter(new WindowHabits(&app));
}

}  // namespace markwell
