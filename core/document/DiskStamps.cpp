#include "core/document/DiskStamps.h"

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
    // A sibling found damaged is never written over, and the teacher is told
    // to delete or rename it: what happens to it is no one else's change.
    const auto unlessDamaged = [](const QString& damage, const QString& path) {
        return damage.isEmpty() ? stampFile(path) : FileStamp{};
    };
    return {stampFile(document.markwellFile), unlessDamaged(document.attendanceDamage, document.attendFile),
            unlessDamaged(document.seatingDamage, document.seatingFile)};
}

}  // namespace markwell
