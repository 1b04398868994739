// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/MailAttachment.h"

#include "core/export/SheetFile.h"
#include "core/files/AtomicFile.h"
#include "core/mail/MailAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace markwell {
namespace {

struct MailAttachment {
    Q_DECLARE_TR_FUNCTIONS(MailAttachment)
};

// Writes `fileName` with `write` into a new folder of its own under
// `parentFolder`, which only this user can open.
Result<QString> writeInNewFolder(const QString& parentFolder, const QString& fileName,
                                 const std::function<Result<void>(const QString&)>& write) {
    if (!QDir().mkpath(parentFolder)) {
        return fail(MailAttachment::tr("Unable to create the folder %1 for the attachment.").arg(parentFolder));
    }
    // Those of earlier messages the mail program has long read go first.
    removeOldMailAttachments(parentFolder, QDateTime::currentDateTime());
    QTemporaryDir folder(parentFolder + QStringLiteral("/mail-XXXXXX"));
    if (!folder.isValid()) {
        return fail(MailAttachment::tr("Unable to create a folder for the attachment in %1: %2")
                        .arg(parentFolder, folder.errorString()));
    }
    // Only this user may read a student's grades.
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QString path = folder.filePath(fileName);
    if (Result<void> written = write(path); !written) return written.error();
    folder.setAutoRemove(false);
    return path;
}

}  // namespace

QString mailAttachmentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/mail");
}

Result<QString> writeMailAttachment(const NamedSheets& report, const QString& studentName,
                                    const QString& parentFolder) {
    return writeInNewFolder(parentFolder, attachmentFileName(studentName),
                            [&report](const QString& path) { return writeSheetFile(report, path); });
}

Result<QString> writeMailAttachment(const QByteArray& bytes, const QString& fileName, const QString& parentFolder) {
    return writeInNewFolder(parentFolder, fileName,
                            [&bytes](const QString& path) { return writeFileAtomically(path, bytes); });
}

void removeOldMailAttachments(const QString& parentFolder, const QDateTime& now, int days) {
    const QDir parent(parentFolder);
    const QDateTime oldest = now.addDays(-days);
    for (const QFileInfo& folder :
         parent.entryInfoList({QStringLiteral("mail-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!folder.isSymLink() && folder.lastModified() < oldest) QDir(folder.filePath()).removeRecursively();
    }
}

}  // namespace markwell
