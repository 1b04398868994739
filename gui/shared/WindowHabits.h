// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

class QApplication;
class QWidget;

namespace markwell {

// What every window of the program does alike, whatever dialog or page it
// is, kept in one filter on the application rather than in each window:
//  - Alt with a letter that no shortcut took does nothing; a text box would
//    otherwise type the letter.
//  - A dialog (a message box too) is never narrower than its title, so the
//    title bar shows it whole.
//  - Every button of a dialog or a question has an Alt letter of its own
//    (see ButtonLetters.h).
//  - A character typed into a full text box says the box is full.
//  - A label's underlined letter never costs it its last letter.
class WindowHabits : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The width a title bar needs for `window`'s title beside its icon and buttons.
int titleBarWidth(const QWidget& window);

// Installs WindowHabits on the application (it owns the filter).
void installWindowHabits(QApplication& app);

}  // namespace markwell
