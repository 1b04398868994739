// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>

namespace markwell {

// Which files a class's three files are and when they were last written
// (device, inode, size and modification time of each, missing ones too),
// in a few bytes. The history compares it with the stamp it recorded: when
// they are the same, no program has written the class since, and the class
// need not be read to know it. A save replaces its files by renaming new
// ones over them, so even a rewrite within one tick of the clock changes it.
QByteArray classFilesStamp(const QString& gradePath);

}  // namespace markwell
