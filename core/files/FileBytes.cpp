#include "files/FileBytes.h"

#include <QFile>
#include <QFileInfo>

namespace markwell {

QString unableToOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Unable to open %1: %2").arg(path, reason);
}

Result<QByteArray> readFileBytes(const QString& path) {
    if (QFileInfo(path).isDir()) return fail(unableToOpen(path, QStringLiteral("it is a folder")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(unableToOpen(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail(unableToOpen(path, file.errorString()));
    return bytes;
}

Result<QByteArray> readFileBytesIfAny(const QString& path) {
    if (!QFileInfo::exists(path)) return QByteArray();
    return readFileBytes(path);
}

}  // namespace markwell
