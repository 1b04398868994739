// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Sending families their messages through a real mail server on 127.0.0.1
// that refuses, defers, cuts and closes as its rules say.

#include "mail/message/MimeMessage.h"
#include "mail/sending/FamilySender.h"
#include "mail/smtp/SmtpSession.h"
#include "tests/support/SmtpTestServer.h"
#include "tests/support/TestFiles.h"

#include <QJsonArray>
#include <QSet>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::SmtpTestServer;
using namespace std::chrono_literals;

namespace {

const QString kSender = QStringLiteral("teacher@school.example");

// Records what the run tells, and cancels after a number of attempts when asked to.
class RecordingWatcher : public SendWatcher {
public:
    std::vector<SendLogEntry> attempts;
    int cancelAfter = -1;
    int retryWaits = 0;

    void familyStarting(int, int, const QString&) override {}
    void attempted(const SendLogEntry& entry) override { attempts.push_back(entry); }
    void waitingToRetry(int) override { ++retryWaits; }
    bool cancelRequested() override { return cancelAfter >= 0 && static_cast<int>(attempts.size()) >= cancelAfter; }

    QStringList lines() const {
        QStringList list;
        for (const SendLogEntry& e : attempts) list << e.address + QLatin1Char(' ') + deliveryResultName(e.result);
        return list;
    }
};

// Waits asked for, none of them waited.
struct NoWaiting {
    std::vector<std::chrono::milliseconds> asked;
    SendTimings timings() {
        SendTimings t;
        t.pause = 0ms;
        t.wait = [this](std::chrono::milliseconds time) {
            asked.push_back(time);
            return true;
        };
        return t;
    }
};

FamilyMail family(const QString& student, const QStringList& addresses, const QString& attachmentText = {}) {
    FamilyMail mail;
    mail.student = student;
    for (const QString& a : addresses) mail.addresses.recipients.push_back({student, a});
    mail.subject = QStringLiteral("Grades of ") + student;
    const std::vector<FamilyRecipient> recipients = mail.addresses.recipients;
    mail.makeMessage = [student, recipients, attachmentText]() -> Result<QByteArray> {
        MessageContent content;
        content.from = {"Ms. Élodie Marchand", kSender};
        for (const FamilyRecipient& r : recipients) content.to.push_back({r.name, r.address});
        content.subject = QStringLiteral("Grades of ") + student;
        content.body = QStringLiteral("Dear family of %1,\nthe report is attached.\n").arg(student);
        content.attachment = MessageAttachment{student + QStringLiteral(".pdf"),
                                               (QStringLiteral("%PDF-1.4 ") + attachmentText).toUtf8()};
        content.date = QDateTime::currentDateTime();
        content.messageId = newMessageId(kSender);
        return mimeMessageBytes(content);
    };
    return mail;
}

SmtpEndpoint endpointOf(const SmtpTestServer& server) {
    return {"127.0.0.1", server.port(), MailSecurity::None, {}, {}, {}};
}

// One session on the server, its attempts and waits recorded.
struct Sending {
    explicit Sending(const SmtpEndpoint& endpoint) : session(endpoint) {}
    explicit Sending(const SmtpTestServer& server) : session(endpointOf(server)) {}
    SendRun send(const std::vector<FamilyMail>& families) {
        return sendFamilyMail(session, kSender, families, waits.timings(), watcher);
    }

    SmtpSession session;
    RecordingWatcher watcher;
    NoWaiting waits;
};

QStringList jsonStrings(const QJsonValue& value) {
    QStringList list;
    for (const auto& v : value.toArray()) list << v.toString();
    return list;
}

// Ann, Bob and Cleo, one address each: what the server's rules pick from.
std::vector<FamilyMail> threeFamilies() {
    return {family("Ann Lee", {"ann@x.org"}), family("Bob Stone", {"bob@x.org"}), family("Cleo Park", {"cleo@x.org"})};
}

}  // namespace

TEST(FamilySending, OneMessagePerFamilyToItsOwnAddressesOverOneConnection) {
    SmtpTestServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    const std::vector<FamilyMail> families{
        family("Zoë Núñez", {"zoe@x.org", "nunez.family@x.org"}, "zoe"),
        family("Bob Stone", {"bob@x.org"}, "bob"),
        family("Cleo Park", {}),
    };
    Sending sending(server);
    const SendRun run = sending.send(families);

    EXPECT_TRUE(run.stoppedBecause.isEmpty()) << run.stoppedBecause.toStdString();
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"zoe@x.org sent", "nunez.family@x.org sent", "bob@x.org sent"}));
    EXPECT_EQ(run.skippedCount(), 1);
    EXPECT_TRUE(run.families[2].skipped());
    EXPECT_EQ(sending.session.connectionsOpened(), 1);

    const std::vector<QJsonObject> received = server.messages();
    ASSERT_EQ(received.size(), 3u);
    // One connection for every message; each transaction names one address,
    // the headers name only that family's.
    QSet<QString> peers;
    QStringList transactions;
    for (const QJsonObject& m : received) {
        peers.insert(QString::number(m["peer"][1].toInt()));
        transactions << jsonStrings(m["rcpt_tos"]).join(u',');
    }
    EXPECT_EQ(peers.size(), 1);
    EXPECT_EQ(transactions, (QStringList{"zoe@x.org", "nunez.family@x.org", "bob@x.org"}));
    EXPECT_EQ(jsonStrings(received[0]["to_addresses"]), (QStringList{"zoe@x.org", "nunez.family@x.org"}));
    EXPECT_EQ(jsonStrings(received[2]["to_addresses"]), QStringList{"bob@x.org"});
    // The same message to both addresses of a family: one Message-ID each family.
    EXPECT_EQ(received[0]["message_id"], received[1]["message_id"]);
    EXPECT_NE(received[0]["message_id"], received[2]["message_id"]);
    // Names beyond ASCII survive the headers and the attachment's name.
    EXPECT_EQ(jsonStrings(received[0]["to_names"]).first(), "Zoë Núñez");
    EXPECT_EQ(received[0]["from"].toString(), "\"Ms. Élodie Marchand\" <teacher@school.example>");
    EXPECT_EQ(received[0]["subject"].toString(), "Grades of Zoë Núñez");
    EXPECT_EQ(jsonStrings(received[0]["attachments"]), QStringList{"Zoë Núñez.pdf"});
    EXPECT_EQ(jsonStrings(received[0]["attachment_types"]), QStringList{"application/pdf"});
    EXPECT_EQ(received[0]["body"].toString(), "Dear family of Zoë Núñez,\nthe report is attached.\n");
    EXPECT_EQ(fileContents(server.attachmentPath(2)), QByteArray("%PDF-1.4 bob"));
}

TEST(FamilySending, ARefusalIsReportedWithItsReplyAndResendSendsOnlyThatAddress) {
    SmtpTestServer server({{"refuse=bob@x.org"}});
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    const std::vector<FamilyMail> families = threeFamilies();
    Sending sending(server);
    const SendRun run = sending.send(families);
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"ann@x.org sent", "bob@x.org refused", "cleo@x.org sent"}));
    EXPECT_TRUE(sending.watcher.attempts[1].reply.startsWith(QStringLiteral("550 5.1.1 <bob@x.org>: Recipient address "
                                                                            "rejected")))
        << sending.watcher.attempts[1].reply.toStdString();
    EXPECT_EQ(server.messages().size(), 2u);

    const std::vector<FamilyMail> again = failedFamilies(families, run, true);
    ASSERT_EQ(again.size(), 1u);
    RecordingWatcher resend;
    const SendRun second = sendFamilyMail(sending.session, kSender, again, sending.waits.timings(), resend);
    EXPECT_EQ(resend.lines(), QStringList{"bob@x.org refused"});
    EXPECT_EQ(server.messages().size(), 2u);
    // Still the first run's message: a resend is the same message.
    EXPECT_EQ(second.families[0].message, run.families[1].message);
}

TEST(FamilySending, NotNowIsTriedOnceMoreAfterTheWaitOnceEveryFamilyHadItsTurn) {
    SmtpTestServer server({{"defer-once=ann@x.org", "defer=bob@x.org"}});
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    const std::vector<FamilyMail> families = threeFamilies();
    Sending sending(server);
    const SendRun run = sending.send(families);
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"ann@x.org deferred", "bob@x.org deferred", "cleo@x.org sent",
                                                    "ann@x.org sent", "bob@x.org deferred"}));
    ASSERT_FALSE(sending.waits.asked.empty());
    EXPECT_GT(sending.waits.asked.front(), 29s);  // the wait starts from the first "not now"
    EXPECT_LE(sending.waits.asked.front(), 30s);
    EXPECT_EQ(run.families[1].addresses[0].result, DeliveryResult::Deferred);
    EXPECT_TRUE(run.families[1].addresses[0].reply.startsWith("451"));
}

TEST(FamilySending, AConnectionCutAfterTheMessageLeavesItUnknownAndTheNextGoesOnANewOne) {
    SmtpTestServer server({{"cut=bob@x.org"}});
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    const std::vector<FamilyMail> families = threeFamilies();
    Sending sending(server);
    const SendRun run = sending.send(families);
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"ann@x.org sent", "bob@x.org unknown", "cleo@x.org sent"}));
    EXPECT_EQ(sending.session.connectionsOpened(), 2);
    // A resend leaves the unknown ones out unless the teacher says otherwise.
    EXPECT_TRUE(failedFamilies(families, run, false).empty());
    EXPECT_EQ(failedFamilies(families, run, true).size(), 1u);
}

TEST(FamilySending, AServerThatClosesIsReconnectedOnceEachTimeAndTwiceInARowStops) {
    SmtpTestServer closesAfterOne({{"close-after=1"}});
    ASSERT_TRUE(closesAfterOne.problem().isEmpty()) << closesAfterOne.problem().toStdString();
    const std::vector<FamilyMail> families = threeFamilies();
    {
        Sending sending(closesAfterOne);
        const SendRun run = sending.send(families);
        EXPECT_TRUE(run.stoppedBecause.isEmpty()) << run.stoppedBecause.toStdString();
        EXPECT_EQ(run.count(DeliveryResult::Sent), 3);
        EXPECT_EQ(closesAfterOne.messages().size(), 3u);
        EXPECT_EQ(sending.session.connectionsOpened(), 3);
    }
    SmtpTestServer takesNone({{"close-after=0"}});
    ASSERT_TRUE(takesNone.problem().isEmpty()) << takesNone.problem().toStdString();
    Sending sending(takesNone);
    const SendRun run = sending.send(families);
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"ann@x.org failed", "ann@x.org failed"}));
    EXPECT_TRUE(run.stoppedBecause.contains("421")) << run.stoppedBecause.toStdString();
    EXPECT_EQ(run.notTriedCount(), 2);
}

TEST(FamilySending, NoServerListeningSaysSoAndRecordsNothingAsSent) {
    Sending sending(SmtpEndpoint{"127.0.0.1", SmtpTestServer::freePort(), MailSecurity::None, {}, {}, {}});
    const SendRun run = sending.send({family("Ann Lee", {"ann@x.org"})});
    EXPECT_TRUE(run.stoppedBecause.startsWith("Unable to connect to the mail server 127.0.0.1:"))
        << run.stoppedBecause.toStdString();
    EXPECT_TRUE(sending.watcher.attempts.empty());
    EXPECT_EQ(run.count(DeliveryResult::Sent), 0);
    EXPECT_EQ(run.notTriedCount(), 1);
}

TEST(FamilySending, CancelStopsBeforeTheNextAddressAndWhatWentIsWhatWasTold) {
    SmtpTestServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    std::vector<FamilyMail> families;
    families.reserve(5);
    for (int i = 0; i < 5; ++i) {
        families.push_back(family(QStringLiteral("Student %1").arg(i), {QStringLiteral("s%1@x.org").arg(i)}));
    }
    Sending sending(server);
    sending.watcher.cancelAfter = 2;
    const SendRun run = sending.send(families);
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(sending.watcher.lines(), (QStringList{"s0@x.org sent", "s1@x.org sent"}));
    EXPECT_EQ(server.messages().size(), 2u);
    EXPECT_EQ(run.notTriedCount(), 3);
    EXPECT_EQ(failedFamilies(families, run, false).size(), 3u);
}

TEST(FamilySending, WhatIsNoAddressIsRefusedWithoutAskingTheServer) {
    SmtpTestServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
    FamilyMail mail = family("Ann Lee", {"ann@x.org"});
    mail.addresses.unusable << QStringLiteral("ann at home");
    Sending sending(server);
    const SendRun run = sending.send({mail});
    ASSERT_EQ(run.families[0].addresses.size(), 2u);
    EXPECT_EQ(run.families[0].addresses[1].result, DeliveryResult::Refused);
    EXPECT_EQ(run.families[0].addresses[1].reply, "not an e-mail address");
    EXPECT_EQ(sending.watcher.lines(), QStringList{"ann@x.org sent"});
    EXPECT_TRUE(failedFamilies({mail}, run, true).empty());
}

// STARTTLS and TLS, each checked against the school's own authority: the
// password goes only over the protected connection, and a server the
// authorities do not vouch for gets nothing.
TEST(FamilySending, SecureConnectionsCheckTheCertificateAndLogIn) {
    for (const auto& [mailSecurity, serverSecurity] :
         {std::pair{MailSecurity::StartTls, SmtpTestServer::Security::StartTls},
          std::pair{MailSecurity::Tls, SmtpTestServer::Security::Tls}}) {
        // A lambda of clang before 16 cannot name a structured binding.
        const MailSecurity security = mailSecurity;
        SCOPED_TRACE(mailSecurityName(security).toStdString());
        SmtpTestServer server({{"auth=teacher:s3cret"}, serverSecurity});
        ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
        const std::vector<FamilyMail> families{family("Ann Lee", {"ann@x.org"})};
        const auto sendWith = [&](const QString& caFile, const QString& password) {
            return Sending({"127.0.0.1", server.port(), security, "teacher", password, caFile}).send(families);
        };

        const SendRun trusted = sendWith(server.caFile(), "s3cret");
        EXPECT_EQ(trusted.count(DeliveryResult::Sent), 1) << trusted.stoppedBecause.toStdString();
        ASSERT_EQ(server.messages().size(), 1u);
        EXPECT_TRUE(server.messages()[0]["authenticated"].toBool());

        const SendRun unknownAuthority = sendWith({}, "s3cret");
        EXPECT_TRUE(unknownAuthority.stoppedBecause.startsWith("No secure connection"))
            << unknownAuthority.stoppedBecause.toStdString();

        const SendRun wrongPassword = sendWith(server.caFile(), "guess");
        EXPECT_TRUE(wrongPassword.stoppedBecause.contains("did not accept the user name or password"))
            << wrongPassword.stoppedBecause.toStdString();
        EXPECT_EQ(server.messages().size(), 1u);
    }
}

TEST(FamilySending, APasswordIsNeverSentWithoutTlsUnlessToThisComputer) {
    const auto problemFor = [](const QString& host, MailSecurity security, const QString& user) {
        return SmtpSession({host, 25, security, user, "pw", {}}).problem();
    };
    EXPECT_FALSE(problemFor("mail.school.example", MailSecurity::None, "t").isEmpty());
    EXPECT_TRUE(problemFor("mail.school.example", MailSecurity::None, {}).isEmpty());
    EXPECT_TRUE(problemFor("mail.school.example", MailSecurity::StartTls, "t").isEmpty());
    EXPECT_TRUE(problemFor("127.0.0.1", MailSecurity::None, "t").isEmpty());
}
