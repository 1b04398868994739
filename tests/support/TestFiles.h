// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

// Small file helpers for tests that check what is (still) on disk.

inline QByteArray fileContents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Writes the whole file, replacing what it held.
inline bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every file in the folder, hidden ones (such as temporary files) included.
inline QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The file's permission bits of `bits`, 0 when there is no such file.
inline unsigned fileMode(const QString& path, unsigned bits = 0777) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & bits : 0;
}

// A path in the folder that no one can write to, root included: its folder
// is a plain file. For settings and files whose writing must fail.
inline QString unwritablePath(const QString& dir, const QString& name) {
    QFile blocker(dir + QStringLiteral("/not-a-folder"));
    if (blocker.open(QIODevice::WriteOnly)) blocker.close();
    return dir + QStringLiteral("/not-a-folder/") + name;
}
