// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace markwell {

// What a file looked like on disk: enough to tell that another program (on
// this computer or another one sharing the folder) wrote it since, even when
// its size and time stayed the same.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray digest;  // of the whole content

    bool operator==(const FileStamp&) const = default;
};

FileStamp stampFile(const QString& path);

// The stamps of a class's three files, taken when Markwell read or wrote them.
struct ClassFileStamps {
    FileStamp grade;
    FileStamp attendance;
    FileStamp seating;

    bool operator==(const ClassFileStamps&) const = default;
};

// The document's three files as they are now; all missing while untitled. A
// sibling found damaged at open counts as missing, whatever becomes of it.
ClassFileStamps stampClassFiles(const Document& document);

}  // namespace markwell
