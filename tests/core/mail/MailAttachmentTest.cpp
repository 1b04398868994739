// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/MailAddress.h"
#include "core/mail/MailAttachment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/time.h>

using namespace markwell;

namespace {

void ageBy(const QString& path, int days) {
    const qint64 when = QDateTime::currentSecsSinceEpoch() - qint64(days) * 24 * 3600;
    const timeval times[2] = {{static_cast<time_t>(when), 0}, {static_cast<time_t>(when), 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
}

}  // namespace

TEST(MailAttachment, AttachmentsOlderThan30DaysGoAndNothingElse) {
    QTemporaryDir parent;
    const Result<QString> fresh = writeMailAttachment(QByteArray("%PDF"), QStringLiteral("Ann Lee.pdf"), parent.path());
    ASSERT_TRUE(fresh) << fresh.message().toStdString();
    const Result<QString> old = writeMailAttachment(QByteArray("%PDF"), QStringLiteral("Bob.pdf"), parent.path());
    ASSERT_TRUE(old);
    const QString oldFolder = QFileInfo(*old).absolutePath();
    ageBy(oldFolder, 31);
    ASSERT_TRUE(QDir(parent.path()).mkdir(QStringLiteral("notes")));
    ageBy(parent.filePath(QStringLiteral("notes")), 90);

    removeOldMailAttachments(parent.path(), QDateTime::currentDateTime());
    EXPECT_FALSE(QFileInfo::exists(oldFolder));
    EXPECT_TRUE(QFileInfo::exists(*fresh));
    EXPECT_TRUE(QFileInfo::exists(parent.filePath(QStringLiteral("notes"))));
}

TEST(MailAttachment, AFamilyIsOneMailtoAddressForTheMailProgram) {
    EXPECT_EQ(recipientsUrl({QStringLiteral("ann@x.org"), QStringLiteral("lee.family+1@x.org")}),
              QByteArray("mailto:ann@x.org,lee.family+1@x.org"));
    EXPECT_EQ(recipientsUrl({}), QByteArray());
}
