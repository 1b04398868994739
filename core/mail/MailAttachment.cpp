#include "mail/MailAttachment.h"

#include "export/SheetFile.h"
#include "mail/MailAddress.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace markwell {

QString mailAttachmentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/mail");
}

Result<QString> writeMailAttachment(const Sheet& report, const QString& studentName, const QString& parentFolder) {
    if (!QDir().mkpath(parentFolder)) {
        return fail(QStringLiteral("Unable to create the folder %1 for the attachment.").arg(parentFolder));
    }
    QTemporaryDir folder(parentFolder + QStringLiteral("/mail-XXXXXX"));
    if (!folder.isValid()) {
        return fail(QStringLiteral("Unable to create a folder for the attachment in %1: %2")
                        .arg(parentFolder, folder.errorString()));
    }
    // Only this user may read a student's grades.
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString path = folder.filePath(attachmentFileName(studentName));
    if (Result<void> written = writeSheetFile(report, path); !written) return written.error();
    folder.setAutoRemove(false);
    return path;
}

}  // namespace markwell
