// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/FilesStamp.h"

#include "core/common/LittleEndian.h"
#include "core/data/ClassRecord.h"

#include <QFile>

#include <sys/stat.h>

namespace markwell {

QByteArray classFilesStamp(const QString& gradePath) {
    QByteArray stamp;
    for (const QString& path : classFilePathsFor(gradePath)) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
            stamp.append('-');
            continue;
        }
        stamp.append('+');
        appendLittleEndian(stamp, static_cast<quint64>(info.st_dev));
        appendLittleEndian(stamp, static_cast<quint64>(info.st_ino));
        appendLittleEndian(stamp, static_cast<qint64>(info.st_size));
        appendLittleEndian(stamp, static_cast<qint64>(info.st_mtim.tv_sec));
        appendLittleEndian(stamp, static_cast<qint64>(info.st_mtim.tv_nsec));
    }
    return stamp;
}

}  // namespace markwell
