// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/UserDialogs.h"

#include <QString>
#include <qnamespace.h>

#include <functional>
#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

namespace markwell {

// Small pieces the editing dialogs share.

// Runs `action` when one of `keys` is pressed in `widget` without Ctrl or
// Alt; the key goes no further (Enter then never reaches a default button).
void onKeys(QWidget* widget, std::initializer_list<int> keys, std::function<void()> action);
inline void onEnterKey(QWidget* widget, std::function<void()> action) {
    onKeys(widget, {Qt::Key_Return, Qt::Key_Enter}, std::move(action));
}

// A button of the dialog's commands (Add, Update, ...): Enter typed in a
// box never presses it.
QPushButton* commandButton(const QString& text, const char* objectName);

// Ctrl+Return accepts the dialog from any of its boxes.
void addAcceptShortcut(QDialog* dialog);

// The file request of the import dialogs: a grade file, starting in the
// class's own folder or, for a class not saved yet, in the home folder.
UserDialogs::FileRequest importFileRequest(const QString& classPath);

}  // namespace markwell
