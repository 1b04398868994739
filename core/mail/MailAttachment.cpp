// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/MailAttachment.h"

#include "core/export/SheetFile.h"
#include "core/mail/MailAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace markwell {
namespace {

struct MailAttachment {
    Q_DECLARE_TR_FUNCTIONS(MailAttachment)
};

}  // namespace

QString mailAttachmentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/mail");
}

Result<QString> writeMailAttachment(const NamedSheets& report, const QString& studentName,
                                    const QString& parentFolder) {
    if (!QDir().mkpath(parentFolder)) {
        return fail(MailAttachment::tr("Unable to create the folder %1 for the attachment.").arg(parentFolder));
    }
    QTemporaryDir folder(parentFolder + QStringLiteral("/mail-XXXXXX"));
    if (!folder.isValid()) {
        return fail(MailAttachment::tr("Unable to create a folder for the attachment in %1: %2")
                        .arg(parentFolder, folder.errorString()));
    }
    // Only this user may read a student's grades.
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QString path = folder.filePath(attachmentFileName(studentName));
    if (Result<void> written = writeSheetFile(report, path); !written) return written.error();
    folder.setAutoRemove(false);
    return path;
}

}  // namespace markwell
