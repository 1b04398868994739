// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The e-mail command's addresses, attachment files, mail server and send
// log: what the class holds may name a recipient or a file, never more.

#include "core/mail/FamilyAddresses.h"
#include "core/mail/MailAddress.h"
#include "core/mail/MailAttachment.h"
#include "core/mail/MailServerSettings.h"
#include "core/mail/SendLog.h"
#include "core/sheet/Sheet.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>

using namespace markwell;

namespace {

void ageBy(const QString& path, int days) {
    const qint64 when = QDateTime::currentSecsSinceEpoch() - qint64(days) * 24 * 3600;
    const timeval times[2] = {{static_cast<time_t>(when), 0}, {static_cast<time_t>(when), 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
}

StudentInfo student(const char* own, const char* mother, const char* father) {
    StudentInfo s;
    s.name = "Zo\xEB N\xFA\xF1"
             "ez";  // Windows-1252, as the class file keeps it
    s.mom_name = "Ana";
    s.dad_name = "Luis";
    s.student_email = own;
    s.mom_email = mother;
    s.dad_email = father;
    return s;
}

SendLogEntry entry(const QDateTime& time, const QString& student, DeliveryResult result, const QString& reply = {}) {
    return {time,
            student,
            student.section(QLatin1Char(' '), 0, 0).toLower() + QStringLiteral("@x.org"),
            QStringLiteral("Grades of ") + student,
            result,
            reply};
}

const QDateTime kNow = QDateTime(QDate(2026, 6, 20), QTime(14, 30), Qt::UTC);

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

TEST(MailAddress, EverythingButTheSafeCharactersIsPercentEncoded) {
    const struct {
        std::string field;  // Windows-1252 bytes
        const char* url;
    } cases[] = {
        {"", "mailto:?subject=Grades&body="},
        {"  ann@school.org ", "mailto:ann@school.org?subject=Grades&body="},
        {"ann lee@school.org", "mailto:ann%20lee@school.org?subject=Grades&body="},
        {"ren\xE9@school.org", "mailto:ren%C3%A9@school.org?subject=Grades&body="},  // é as UTF-8
        {"a&b@x.org", "mailto:a%26b@x.org?subject=Grades&body="},
        {"x@y.org?bcc=all@z.org", "mailto:x@y.org%3Fbcc%3Dall@z.org?subject=Grades&body="},
        {"x@y.org#frag", "mailto:x@y.org%23frag?subject=Grades&body="},
        {"100%@y.org", "mailto:100%25@y.org?subject=Grades&body="},
        // A comma or a semicolon would start a second recipient.
        {"a@x.org, b@y.org", "mailto:a@x.org%2C%20b@y.org?subject=Grades&body="},
        {"a@b.c,evil@x.y", "mailto:a@b.c%2Cevil@x.y?subject=Grades&body="},
        {"a@b.c;evil@x.y", "mailto:a@b.c%3Bevil@x.y?subject=Grades&body="},
        {"o'neil+1~!$()*:@x.org", "mailto:o'neil+1~!$()*:@x.org?subject=Grades&body="},
        {"a<b>\"c\\d", "mailto:a%3Cb%3E%22c%5Cd?subject=Grades&body="},
    };
    for (const auto& c : cases) {
        const QByteArray url = gradesMailtoUrl(c.field);
        EXPECT_EQ(url, QByteArray(c.url)) << c.field;
        // The address reaches the mail program exactly so.
        const QUrl parsed = QUrl::fromEncoded(url, QUrl::StrictMode);
        EXPECT_TRUE(parsed.isValid()) << c.field;
        EXPECT_EQ(parsed.toEncoded(), url) << c.field;
        EXPECT_EQ(parsed.query(QUrl::FullyEncoded), QStringLiteral("subject=Grades&body=")) << c.field;
    }
    EXPECT_EQ(recipientUrl("x@y.org?bcc=z"), QByteArray("mailto:x@y.org%3Fbcc%3Dz"));
    EXPECT_EQ(recipientUrl("x@y.org,z@w.org"), QByteArray("mailto:x@y.org%2Cz@w.org"));
    EXPECT_EQ(recipientUrl("   "), QByteArray());
    // A family is one address for the mail program.
    EXPECT_EQ(recipientsUrl({QStringLiteral("ann@x.org"), QStringLiteral("lee.family+1@x.org")}),
              QByteArray("mailto:ann@x.org,lee.family+1@x.org"));
    EXPECT_EQ(recipientsUrl({}), QByteArray());
}

TEST(MailAttachment, NamesKeepOnlyLettersDigitsSpacesDashesAndUnderscores) {
    EXPECT_EQ(attachmentFileName(QStringLiteral("Zoë Brandt-Lee_2")), QStringLiteral("Zoë Brandt-Lee_2.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("../../.profile")), QStringLiteral("_______profile.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("a/b")), QStringLiteral("a_b.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("..")), QStringLiteral("__.xls"));
    EXPECT_EQ(attachmentFileName(QString()), QStringLiteral("student.xls"));
    EXPECT_EQ(attachmentFileName(QString(150, QLatin1Char('x'))),
              QString(100, QLatin1Char('x')) + QStringLiteral(".xls"));
}

TEST(MailAttachment, EachReportGoesIntoANewPrivateFolderAndOverwritesNothing) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    const QString parent = cache.filePath(QStringLiteral("not/yet/there"));
    Sheet report;
    report.setText(1, 1, QStringLiteral("Assignments"));

    QStringList written;
    for (const QString& name : {QStringLiteral("../../x"), QStringLiteral("a/b"), QStringLiteral(".."), QString(),
                                QStringLiteral("../../x")}) {
        const Result<QString> path = writeMailAttachment({{QStringLiteral("Overall"), &report}}, name, parent);
        ASSERT_TRUE(path.ok()) << path.message().toStdString();
        const QFileInfo file(*path);
        EXPECT_TRUE(file.isFile());
        // Directly inside a folder of its own, directly inside the parent.
        EXPECT_EQ(QFileInfo(file.absolutePath()).absolutePath(), QFileInfo(parent).absoluteFilePath());
        EXPECT_EQ(fileMode(file.absolutePath()), 0700u);
        EXPECT_FALSE(written.contains(*path));
        written << *path;
    }
    // Nothing was written anywhere else.
    EXPECT_EQ(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 5);
    EXPECT_EQ(QDir(cache.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"not"});
}

TEST(MailAttachment, AFailedWriteSaysWhyAndLeavesNoFolder) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    // The parent is a file: nothing can be made in it.
    const QString blocker = cache.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeWholeFile(blocker, {}));
    const Sheet empty;
    const Result<QString> path =
        writeMailAttachment({{QStringLiteral("Overall"), &empty}}, QStringLiteral("Ann"), blocker);
    ASSERT_FALSE(path.ok());
    EXPECT_TRUE(path.message().contains(blocker)) << path.message().toStdString();

    // A report too large for the file type: refused, and its new folder removed again.
    Sheet huge;
    huge.setMaxRow(70000);
    huge.setText(70000, 1, QStringLiteral("x"));
    const QString parent = cache.filePath(QStringLiteral("mail"));
    EXPECT_FALSE(writeMailAttachment({{QStringLiteral("Overall"), &huge}}, QStringLiteral("Ann"), parent).ok());
    EXPECT_TRUE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(FamilyAddresses, EachChosenFieldGivesEveryAddressItHoldsOnceAsTheCommandLineChoiceSays) {
    const StudentInfo s = student(" zoe@x.org ", "ana@x.org; family@x.org,ZOE@x.org", "family@x.org");
    struct Case {
        AddressChoice choice;
        QStringList addresses;
    };
    const Case cases[] = {
        {{true, false, false}, {"zoe@x.org"}},
        {{false, true, false}, {"ana@x.org", "family@x.org", "ZOE@x.org"}},
        {{true, true, true}, {"zoe@x.org", "ana@x.org", "family@x.org"}},
        {{false, false, false}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(familyAddresses(s, c.choice).addresses(), c.addresses);
    }
    const FamilyAddresses all = familyAddresses(s, {true, true, true});
    EXPECT_EQ(all.recipients[0].name, QStringLiteral("Zoë Núñez"));
    EXPECT_EQ(all.recipients[1].name, QStringLiteral("Ana"));
    // The command line's choice reads only known words.
    EXPECT_EQ(addressChoiceFromText(QStringLiteral("student")), (AddressChoice{true, false, false}));
    EXPECT_EQ(addressChoiceFromText(QStringLiteral("father,mother")), (AddressChoice{false, true, true}));
    EXPECT_FALSE(addressChoiceFromText(QStringLiteral("student,aunt")));
    EXPECT_FALSE(addressChoiceFromText(QString()));
}

TEST(FamilyAddresses, WhatIsNoPlainAddressIsSetApartNeverSentTo) {
    const StudentInfo s = student("ann at home;ann@x.org", "a@b@c.org, <x@y.org>", "p@x.org\r\nRCPT TO:<q@y.org>");
    const FamilyAddresses family = familyAddresses(s, {true, true, true});
    EXPECT_EQ(family.addresses(), QStringList{"ann@x.org"});
    EXPECT_EQ(family.unusable, (QStringList{"ann at home", "a@b@c.org", "<x@y.org>", "p@x.org\r\nRCPT TO:<q@y.org>"}));
    for (const char* bad : {"@x.org", "ann@", "ann@.x.org", "ann@x..org", "ann@x.org.", "an\"n@x.org", "añn@x.org"}) {
        EXPECT_FALSE(isSendableAddress(QString::fromUtf8(bad))) << bad;
    }
}

TEST(MailServerSettings, OnlyThisComputerTakesAPasswordWithoutTlsAndHostAndPortAreRead) {
    for (const char* host : {"127.0.0.1", "127.255.3.9", "::1", "localhost", "LOCALHOST"}) {
        EXPECT_TRUE(isThisComputer(QString::fromLatin1(host))) << host;
    }
    for (const char* host : {"128.0.0.1", "127.0.0.256", "127.0.0", "10.0.0.1", "localhost.school.example",
                             "127.0.0.1.school.example", "::2"}) {
        EXPECT_FALSE(isThisComputer(QString::fromLatin1(host))) << host;
    }
    MailServerSettings server;
    server.host = QStringLiteral("mail.school.example");
    server.security = MailSecurity::None;
    server.user = QStringLiteral("t");
    server.senderAddress = QStringLiteral("t@school.example");
    EXPECT_TRUE(mailServerProblem(server).contains(QStringLiteral("never sent without TLS")));
    server.host = QStringLiteral("127.0.0.1");
    EXPECT_TRUE(mailServerProblem(server).isEmpty());
    // Host and port as the command line gives them.
    const auto read = [](const char* text) { return hostAndPortFromText(QString::fromLatin1(text), 587); };
    EXPECT_EQ(read("mail.school.example")->port, 587);
    EXPECT_EQ(read("mail.school.example:2525")->port, 2525);
    EXPECT_EQ(read("[::1]:25")->host, QStringLiteral("::1"));
    for (const char* bad : {"", "mail:0", "mail:65536", "mail:x", "user@mail", "a b"}) {
        EXPECT_FALSE(read(bad)) << bad;
    }
}

TEST(SendLog, EntriesComeBackAsWrittenWhateverTheyHoldAndShowNewestFirst) {
    QTemporaryDir dir;
    const SendLog log(dir.filePath(QStringLiteral("log/send-log.txt")));
    const std::vector<SendLogEntry> entries{
        entry(kNow, QStringLiteral("Zoë Núñez"), DeliveryResult::Sent, QStringLiteral("250 2.0.0 Ok")),
        entry(kNow.addSecs(1), QStringLiteral("Tab\tand\nline \\n"), DeliveryResult::Refused,
              QStringLiteral("550 5.1.1 <x>:\tno such user\r\n")),
        entry(kNow.addSecs(2), QStringLiteral("Cleo"), DeliveryResult::MailProgram),
    };
    ASSERT_TRUE(log.append({entries[0]}));
    ASSERT_TRUE(log.append({entries[1], entries[2]}));
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, entries);
    const Sheet sheet = sendLogSheet(
        {entry(kNow, QStringLiteral("Ann Lee"), DeliveryResult::Sent),
         entry(kNow.addSecs(60), QStringLiteral("Bob Stone"), DeliveryResult::Refused, QStringLiteral("550 no"))});
    ASSERT_EQ(sheet.maxRow(), 3);
    EXPECT_EQ(sheet.toTsv(CellRange::rows(1, 1)), QStringLiteral("Time\tStudent\tAddress\tSubject\tResult\tReply\n"));
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral("Bob Stone"));
    EXPECT_EQ(sheet.text(2, 5), QStringLiteral("refused"));
    EXPECT_EQ(sheet.text(2, 6), QStringLiteral("550 no"));
    EXPECT_EQ(sheet.text(3, 1), kNow.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

TEST(SendLog, IsPrivateInAPrivateFolderWhateverTheUmaskAndSkipsWhatDoesNotRead) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data/class"));
    const QString path = folder + QStringLiteral("/send-log.txt");
    const SendLog log(path);
    const mode_t old = ::umask(0);
    const bool made = static_cast<bool>(log.append({entry(kNow, QStringLiteral("Ann Lee"), DeliveryResult::Sent)}));
    const unsigned madeModes[] = {fileMode(dir.filePath(QStringLiteral("data"))), fileMode(folder), fileMode(path)};
    // A log left readable by others, with a damaged line and one half written.
    QFile file(path);
    const bool damaged = file.open(QIODevice::WriteOnly) &&
                         file.write("garbage line\n2026-06-20T10:00:00Z\tA\ta@x.org\tS\tsent\t250\n"
                                    "2026-06-20T10:00:01Z\tB\tb@x") > 0 &&
                         file.setPermissions(file.permissions() | QFileDevice::ReadOther) &&
                         QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ExeOther);
    file.close();
    const bool appended =
        static_cast<bool>(log.append({entry(kNow, QStringLiteral("Cleo Park"), DeliveryResult::Unknown)}));
    ::umask(old);
    ASSERT_TRUE(made && damaged && appended);
    EXPECT_EQ(madeModes[0], 0700u);
    EXPECT_EQ(madeModes[1], 0700u);
    EXPECT_EQ(madeModes[2], 0600u);
    EXPECT_EQ(fileMode(folder), 0700u);
    EXPECT_EQ(fileMode(path), 0600u);
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ(read->front().student, QStringLiteral("A"));
}

TEST(SendLog, EntriesOlderThan400DaysGoAndTheRestStay) {
    QTemporaryDir dir;
    const SendLog log(dir.filePath(QStringLiteral("send-log.txt")));
    const std::vector<SendLogEntry> entries{entry(kNow.addDays(-401), QStringLiteral("Old One"), DeliveryResult::Sent),
                                            entry(kNow.addDays(-399), QStringLiteral("Kept One"), DeliveryResult::Sent),
                                            entry(kNow, QStringLiteral("New One"), DeliveryResult::Deferred)};
    ASSERT_TRUE(log.append(entries));
    ASSERT_TRUE(log.removeOldEntries(kNow));
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (std::vector<SendLogEntry>{entries[1], entries[2]}));
    EXPECT_EQ(fileMode(log.path()), 0600u);
}
