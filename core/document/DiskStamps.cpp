#include "document/DiskStamps.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace markwell {

FileStamp stampFile(const QString& path) {
    if (path.isEmpty()) return {};
    const QFileInfo info(path);
    if (!info.exists()) return {};
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // A file that cannot be read still has its size and time.
    if (file.open(QIODevice::ReadOnly) && hash.addData(&file)) stamp.digest = hash.result();
    return stamp;
}

ClassFileStamps stampClassFiles(const Document& document) {
    if (!document.isTitled()) return {};
    return {stampFile(document.markwellFile), stampFile(document.attendFile), stampFile(document.seatingFile)};
}

}  // namespace markwell
