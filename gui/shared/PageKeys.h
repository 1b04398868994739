// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QKeySequence>
#include <QList>

namespace markwell {

// The keys that turn the pages of a window with tabs (the main window's
// pages, a report's tabs), as in other programs with tabs.

inline QList<QKeySequence> nextPageKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
}

// Ctrl+Shift+Tab reaches the shortcuts as Tab with Shift on X11 and as
// Backtab elsewhere (and in the tests): both are listed. One key press
// matches only one of them, so the shortcut is never ambiguous.
inline QList<QKeySequence> previousPageKeys() {
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
            QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
}

}  // namespace markwell
