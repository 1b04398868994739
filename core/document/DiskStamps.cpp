// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/DiskStamps.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#include <cstddef>

namespace markwell {
namespace {

// The digest only tells one reading of a file from a later one within this
// run of the program: Qt's hash of the content, chained from block to block,
// takes a few milliseconds for a class of 12 MB where SHA-256 took tens of
// them, once at opening and again before the class first shows.
QByteArray contentDigest(QFile& file) {
    constexpr qint64 kBlockSize = qint64(1) << 20;
    QByteArray block(kBlockSize, Qt::Uninitialized);
    std::size_t hash = 0;
    for (;;) {
        const qint64 read = file.read(block.data(), kBlockSize);
        if (read < 0) return {};
        if (read == 0) break;
        hash = qHashBits(block.constData(), static_cast<std::size_t>(read), hash);
    }
    return QByteArray(reinterpret_cast<const char*>(&hash), sizeof hash);
}

}  // namespace

FileStamp stampFile(const QString& path) {
    if (path.isEmpty()) return {};
    const QFileInfo info(path);
    if (!info.exists()) return {};
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    QFile file(path);
    // A file that cannot be read still has its size and time.
    if (file.open(QIODevice::ReadOnly)) stamp.digest = contentDigest(file);
    return stamp;
}

ClassFileStamps stampClassFiles(const Document& document) {
    if (!document.isTitled()) return {};
    // A sibling found damaged is never written over, and the teacher is told
    // to delete or rename it: what happens to it is no one else's change.
    const auto unlessDamaged = [](const QString& damage, const QString& path) {
        return damage.isEmpty() ? stampFile(path) : FileStamp{};
    };
    return {stampFile(document.markwellFile), unlessDamaged(document.attendanceDamage, document.attendFile),
            unlessDamaged(document.seatingDamage, document.seatingFile)};
}

}  // namespace markwell
