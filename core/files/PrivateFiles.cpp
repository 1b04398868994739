// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace markwell {

bool makePrivateFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QFileInfo info(path);
    if (info.isDir()) {
        makePrivate(path);
        return true;
    }
    if (info.exists() || info.isSymLink()) return false;
    const QString parent = info.absolutePath();
    // Folders above this one that exist are the user's: only those made here
    // are made private, besides the one asked for.
    if (parent != path && !QFileInfo(parent).isDir() && !makePrivateFolder(parent)) return false;
    if (::mkdir(QFile::encodeName(path).constData(), kPrivateFolderMode) != 0 && errno != EEXIST) return false;
    makePrivate(path);
    return QFileInfo(path).isDir();
}

void makePrivate(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        ::chmod(native.constData(), kPrivateFolderMode);
    } else if (S_ISREG(st.st_mode)) {
        ::chmod(native.constData(), kPrivateFileMode);
    }
}

}  // namespace markwell
