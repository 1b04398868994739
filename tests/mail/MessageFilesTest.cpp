// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/message/MimeMessage.h"
#include "mail/sending/MessageFiles.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

FamilyMail familyWith(const QString& student, const QStringList& addresses, int* made) {
    FamilyMail mail;
    mail.student = student;
    for (const QString& a : addresses) mail.addresses.recipients.push_back({student, a});
    mail.makeMessage = [student, made]() -> Result<QByteArray> {
        ++*made;
        return QByteArray("Subject: ") + student.toUtf8() + "\r\n\r\nbody\r\n";
    };
    return mail;
}

}  // namespace

TEST(MessageFiles, OneFilePerFamilyNamedAfterTheStudentAndNothingForTheSkipped) {
    QTemporaryDir dir;
    int made = 0;
    const std::vector<FamilyMail> families{
        familyWith("Ann Lee", {"ann@x.org"}, &made),
        familyWith("ann lee", {"ann2@x.org"}, &made),
        familyWith("../Bob/Stone", {"bob@x.org"}, &made),
        familyWith("Cleo Park", {}, &made),
    };
    const QString folder = dir.filePath("messages");
    const Result<std::vector<SavedMessage>> saved = saveFamilyMessages(folder, families);
    ASSERT_TRUE(saved) << saved.message().toStdString();
    EXPECT_EQ(made, 3);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{"Ann Lee.eml", "___Bob_Stone.eml", "ann lee (2).eml"}));
    ASSERT_EQ(saved->size(), 4u);
    EXPECT_TRUE((*saved)[3].path.isEmpty());
    EXPECT_EQ(fileContents((*saved)[1].path), QByteArray("Subject: ann lee\r\n\r\nbody\r\n"));
}

// The message as built is what a mail program reads: Python's own parser
// finds its Date, Message-ID, encoded names, text and attachment.
TEST(MessageFiles, ASavedMessageReadsInAnotherMailReader) {
    MessageContent content;
    content.from = {"Élodie Marchand", "teacher@school.example"};
    content.to = {{"Zoë Núñez", "zoe@x.org"}};
    content.subject = QStringLiteral("Notas de Zoë: 95 % «A»");
    content.body = QStringLiteral("Línea uno\nline two\r\nline three with a very long tail ") + QString(90, u'x');
    content.attachment = MessageAttachment{"Zoë Núñez.pdf", QByteArray("%PDF-1.4\n\x01\x02\xff", 12)};
    content.date = QDateTime(QDate(2026, 6, 20), QTime(9, 5, 7), Qt::OffsetFromUTC, 2 * 3600);
    content.messageId = newMessageId(content.from.address);
    EXPECT_TRUE(content.messageId.endsWith(".markwell@school.example"));
    const QByteArray bytes = mimeMessageBytes(content);
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.isEmpty()) {
            EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
        }
        EXPECT_LE(line.size(), 999);
    }

    QTemporaryDir dir;
    const QString eml = dir.filePath("m.eml");
    ASSERT_TRUE(writeWholeFile(eml, bytes));
    QProcess python;
    python.start(
        "/usr/bin/python3",
        {"-c",
         QStringLiteral(
             "import email, email.policy, sys\n"
             "m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)\n"
             "a = next(m.iter_attachments())\n"
             "print(m['From'], m['To'], m['Subject'], m['Date'], m['Message-ID'], sep='|')\n"
             "print(repr(m.get_body().get_content()))\n"
             "print(a.get_filename(), a.get_content_type(), a.get_content() == b'%PDF-1.4\\n\\x01\\x02\\xff')\n"),
         eml});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0],
              QStringLiteral("Élodie Marchand <teacher@school.example>|Zoë Núñez <zoe@x.org>|Notas de Zoë: 95 % "
                             "«A»|Sat, 20 Jun 2026 09:05:07 +0200|<") +
                  content.messageId + QLatin1Char('>'));
    EXPECT_EQ(lines[1].toStdString(), (QStringLiteral("'Línea uno\\nline two\\nline three with a very long tail ") +
                                       QString(90, u'x') + QStringLiteral("'"))
                                          .toStdString());
    EXPECT_EQ(lines[2], "Zoë Núñez.pdf application/pdf True");
}
