// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

// No class file comes near this size: the grade file of a class of 100,000
// students and 200 assignments is about 600 MB.
inline constexpr qint64 kMaxClassFileBytes = qint64(1) << 30;

// The whole content of a file, or "Unable to open " + path + the reason.
// Anything but a file (a folder, a device, a pipe) and a file larger than
// kMaxClassFileBytes are refused before they are read.
Result<QByteArray> readFileBytes(const QString& path);

// The same, but a file that does not exist reads as empty: the sibling files
// of a class come into being with its first save.
Result<QByteArray> readFileBytesIfAny(const QString& path);

QString unableToOpen(const QString& path, const QString& reason);

}  // namespace markwell
