// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QStringList>

namespace markwell {

// The classes opened or saved last, newest first, kept in the settings store
// from one run to the next: at most kMaxRecentFiles, each once, by its full
// path. A file that has gone stays listed until the list is cleared.
inline constexpr int kMaxRecentFiles = 8;

QStringList recentFiles();
// Puts the class at `path` first, taking it out of the place it had.
void rememberRecentFile(const QString& path);
void clearRecentFiles();

}  // namespace markwell
