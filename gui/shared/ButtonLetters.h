// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace markwell {

// Every button of a window opens with Alt and a letter of its own, as every
// menu item does: those the code names carry their letter already ("&Print");
// the others (OK, Cancel and the buttons of Qt's own dialogs and questions, in
// any language) get the first letter of their caption no other caption of the
// window has.

// The letter that Alt opens `caption` with ("&Print" -> 'p'), none without one.
QChar altLetterOf(const QString& caption);

// `caption` with an Alt letter not in `taken`, which then holds it: the
// caption as it is when it has a letter already, or when every letter and
// digit of it is taken.
QString withAltLetter(const QString& caption, QList<QChar>& taken);

// Gives every button of the window with a caption and no Alt letter one,
// keeping clear of the letters its buttons, labels and tabs have.
void giveButtonsAltLetters(QWidget& window);

}  // namespace markwell
