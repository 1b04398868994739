// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/sending/MessageFiles.h"

#include "core/files/AtomicFile.h"
#include "core/mail/MailAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace markwell {
namespace {

struct MessageFilesText {
    Q_DECLARE_TR_FUNCTIONS(MessageFiles)
};

// The student's name as a file name of its own in the folder.
QString uniqueFileName(const QString& student, QSet<QString>& taken) {
    const QString base = QFileInfo(attachmentFileName(student)).completeBaseName();
    QString name = base + QStringLiteral(".eml");
    for (int n = 2; taken.contains(name.toLower()); ++n) name = QStringLiteral("%1 (%2).eml").arg(base).arg(n);
    taken.insert(name.toLower());
    return name;
}

}  // namespace

Result<std::vector<SavedMessage>> saveFamilyMessages(const QString& folder, const std::vector<FamilyMail>& families,
                                                     const std::function<bool(int, int)>& progress) {
    if (!QDir().mkpath(folder)) {
        return fail(MessageFilesText::tr("Unable to create the folder %1 for the messages.").arg(folder));
    }
    const QDir dir(folder);
    QSet<QString> taken;
    std::vector<SavedMessage> saved;
    const int count = static_cast<int>(families.size());
    for (int i = 0; i < count; ++i) {
        const FamilyMail& family = families[static_cast<std::size_t>(i)];
        if (progress && !progress(i, count)) break;
        SavedMessage result{family.student, {}};
        if (!family.addresses.recipients.empty()) {
            Result<QByteArray> message = family.message.isEmpty() ? family.makeMessage() : Result(family.message);
            if (!message) return message.error();
            result.path = dir.filePath(uniqueFileName(family.student, taken));
            if (Result<void> written = writeFileAtomically(result.path, *message); !written) return written.error();
        }
        saved.push_back(std::move(result));
    }
    return saved;
}

}  // namespace markwell
