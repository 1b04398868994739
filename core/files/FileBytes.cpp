// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/FileBytes.h"

#include "core/common/HugePages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstddef>

namespace markwell {
namespace {

struct FileBytes {
    Q_DECLARE_TR_FUNCTIONS(FileBytes)
};

// The file read into one buffer of its size; a file that grew since its
// size was taken is read on to its end.
QByteArray readWhole(QFile& file, qint64 expectedSize) {
    QByteArray bytes(expectedSize, Qt::Uninitialized);
    adviseHugePages(bytes.data(), static_cast<std::size_t>(expectedSize));
    const qint64 read = file.read(bytes.data(), expectedSize);
    if (read < 0) return {};
    bytes.truncate(read);
    if (read == expectedSize) bytes.append(file.readAll());
    return bytes;
}

}  // namespace

QString unableToOpen(const QString& path, const QString& reason) {
    return FileBytes::tr("Unable to open %1: %2").arg(path, reason);
}

Result<QByteArray> readFileBytes(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return fail(unableToOpen(path, FileBytes::tr("it is a folder")));
    // A device or a pipe may never end: reading it whole would fill the memory.
    if (info.exists() && !info.isFile()) return fail(unableToOpen(path, FileBytes::tr("it is not a file")));
    if (info.size() > kMaxClassFileBytes) {
        return fail(
            unableToOpen(path, FileBytes::tr("it is too large to be a class file (%1 bytes)").arg(info.size())));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(unableToOpen(path, file.errorString()));
    QByteArray bytes = readWhole(file, info.size());
    if (file.error() != QFileDevice::NoError) return fail(unableToOpen(path, file.errorString()));
    return bytes;
}

Result<QByteArray> readFileBytesIfAny(const QString& path) {
    if (!QFileInfo::exists(path)) return QByteArray();
    return readFileBytes(path);
}

}  // namespace markwell
