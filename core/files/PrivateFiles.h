// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

namespace markwell {

// What Markwell keeps for itself (earlier versions, recovery copies, its
// settings and logs) is for the user alone, whatever the umask: files 0600
// in folders 0700.
inline constexpr unsigned kPrivateFileMode = 0600;
inline constexpr unsigned kPrivateFolderMode = 0700;

// Makes `folder` and every folder missing above it, each one private, and
// makes `folder` private when it is there already. False when it cannot.
bool makePrivateFolder(const QString& folder);

// Gives an existing file or folder its private mode; nothing when it is gone.
void makePrivate(const QString& path);

}  // namespace markwell
