// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli send-reports: each family's message through a real mail
// server on 127.0.0.1 with that student's own report, a line per address,
// the send log, .eml files instead of sending, and refusals.

#include "tests/core/cli/CliFolder.h"

#include "core/common/Cp1252.h"
#include "core/files/GradeFile.h"
#include "core/mail/SendLog.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/PdfText.h"
#include "tests/support/SmtpTestServer.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfText;

namespace {

const QString kZoe = QStringLiteral("Zoë Núñez");

// Zoë with her mother's two addresses (one of them hers again), Bob with
// his own, Cleo with none.
struct FamiliesClass {
    QTemporaryDir dir;
    QString path = dir.filePath("period 3.grs");

    FamiliesClass() {
        ClassRecord cls =
            makeClass({*cp1252::fromUnicode(kZoe), "Bob Stone", "Cleo Park"}, {{"Test", "Test", 10, {"9", "5", "7"}}});
        cls.students[0].student_email = "zoe@x.org";
        cls.students[0].mom_email = "mum@x.org; ZOE@x.org";
        cls.students[1].student_email = "bob@x.org";
        EXPECT_TRUE(writeGradeFile(path, cls).ok());
    }

    // Through `server`, to the student and mother without TLS unless `more` says otherwise.
    QStringList send(const SmtpTestServer& server, QStringList more, CliRun* run,
                     const QStringList& environment = {}) const {
        for (const char* option : {"--to", "--security"}) {
            if (!more.contains(QLatin1String(option))) {
                more << QLatin1String(option)
                     << QLatin1String(option == std::string_view("--to") ? "student,mother" : "none");
            }
        }
        *run = runCli(
            QStringList{"send-reports", path, "--from", "teacher@school.example", "--smtp", server.hostAndPort()} +
                more,
            environment);
        return run->out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList log() const {
        QStringList lines;
        const Result<std::vector<SendLogEntry>> entries = SendLog::ofClass(path).read();
        if (!entries) return {entries.message()};
        for (const SendLogEntry& e : *entries) {
            lines << e.student + QLatin1Char(' ') + e.address + QLatin1Char(' ') + deliveryResultName(e.result);
        }
        return lines;
    }
};

}  // namespace

TEST(SendReportsCommand, EachFamilyGetsItsOwnReportAndEveryAddressALineThenNoServerSendsNothing) {
    SmtpTestServer server({{"refuse=bob@x.org", "cut=mum@x.org"}});
    ASSERT_TRUE(server.problem().isEmpty()) << qPrintable(server.problem());
    FamiliesClass f;
    const QString body = f.dir.filePath("body.txt");
    ASSERT_TRUE(writeWholeFile(body, "{name} has {grade}.\n"));
    CliRun run;
    const QStringList lines = f.send(server, {"--subject", "Grades of {name}", "--body-file", body}, &run,
                                     {"MARKWELL_SMTP_PASSWORD=never used"});
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    ASSERT_EQ(lines.size(), 4) << qPrintable(run.out);
    EXPECT_EQ(lines[0], QStringLiteral("sent\t%1\tzoe@x.org").arg(kZoe));
    EXPECT_EQ(lines[1], QStringLiteral("unknown\t%1\tmum@x.org").arg(kZoe));
    EXPECT_TRUE(lines[2].startsWith("refused\tBob Stone\tbob@x.org\t550")) << qPrintable(lines[2]);
    EXPECT_EQ(lines[3], "skipped\tCleo Park\tno address");
    EXPECT_EQ(f.log(), (QStringList{kZoe + QStringLiteral(" zoe@x.org sent"),
                                    kZoe + QStringLiteral(" mum@x.org unknown"), "Bob Stone bob@x.org refused"}));

    // Zoë's one message, to her family alone, with her own report as the Grades page shows it.
    const std::vector<QStringList> shown = shownStudentRows(f.path);
    ASSERT_FALSE(shown.empty());
    const QStringList& zoe = shown.front();
    const QString& average = zoe.at(zoe.size() - 2);
    const QString grade = zoe.back().trimmed();
    ASSERT_EQ(zoe.front(), kZoe);
    const std::vector<QJsonObject> messages = server.messages();
    ASSERT_EQ(messages.size(), 1u);  // the one to mum@x.org was cut off
    const QJsonObject& m = messages[0];
    EXPECT_EQ(m["to_addresses"].toArray(), (QJsonArray{"zoe@x.org", "mum@x.org"}));
    EXPECT_EQ(m["subject"].toString(), QStringLiteral("Grades of ") + kZoe);
    EXPECT_EQ(m["body"].toString(), kZoe + QStringLiteral(" has %1.\n").arg(grade));
    EXPECT_EQ(m["attachments"].toArray(), QJsonArray{kZoe + QStringLiteral(".pdf")});
    if (havePdfToText()) {
        const QString report = pdfText(server.attachmentPath(0)).simplified();
        EXPECT_TRUE(report.contains(kZoe) && report.contains(average) && report.contains(grade)) << qPrintable(report);
    }

    server.stop();
    const QStringList none = f.send(server, {}, &run);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unable to connect")) << qPrintable(run.err);
    EXPECT_TRUE(none.filter(QRegularExpression("^sent")).isEmpty()) << qPrintable(run.out);
    EXPECT_EQ(f.log().size(), 3);
}

TEST(SendReportsCommand, APasswordFromTheEnvironmentGoesOverStartTlsAndIntoNoFile) {
    SmtpTestServer server({{"auth=teacher:s3cret-Pw"}, SmtpTestServer::Security::StartTls});
    ASSERT_TRUE(server.problem().isEmpty()) << qPrintable(server.problem());
    FamiliesClass f;
    CliRun run;
    f.send(server, {"--security", "starttls", "--user", "teacher", "--ca-file", server.caFile(), "--to", "student"},
           &run, {"MARKWELL_SMTP_PASSWORD=s3cret-Pw"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);  // Cleo's skip is no failure
    ASSERT_EQ(server.messages().size(), 2u);
    EXPECT_TRUE(server.messages()[0]["authenticated"].toBool());
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        QDirIterator it(qEnvironmentVariable(variable), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_FALSE(file.readAll().contains("s3cret-Pw")) << qPrintable(file.fileName());
        }
    }
}

TEST(SendReportsCommand, SavedMessagesAreOneEmlFilePerFamilyAndNothingIsSentAndWhatCannotBeSentIsRefusedFirst) {
    FamiliesClass f;
    const QString folder = f.dir.filePath("messages");
    const QString run =
        outputOf({"send-reports", f.path, "--from", "teacher@school.example", "--save-messages", folder});
    const QString zoeFile = folder + QLatin1Char('/') + kZoe + QStringLiteral(".eml");
    EXPECT_EQ(run, QStringLiteral("saved\t%1\t%2\nsaved\tBob Stone\t%3/Bob Stone.eml\nskipped\tCleo Park\tno address\n")
                       .arg(kZoe, zoeFile, folder));
    QFile eml(zoeFile);
    ASSERT_TRUE(eml.open(QIODevice::ReadOnly));
    const QByteArray bytes = eml.readAll();
    for (const char* part : {"Date: ", "\nMessage-Id: <", " <zoe@x.org>\r\n", "application/pdf"}) {
        EXPECT_TRUE(bytes.contains(part)) << part;
    }
    EXPECT_FALSE(bytes.contains("mum@x.org"));  // --to is the student alone by default
    EXPECT_TRUE(f.log().isEmpty());

    // What cannot be sent is refused before the class is read.
    const struct {
        QStringList args;
        int exitCode;
        const char* said;
    } cases[] = {
        {{"--from", "t@x.org", "--smtp", "h", "--save-messages", "d"}, 2, "--smtp HOST[:PORT] or --save-messages"},
        {{"--from", "t at x", "--smtp", "h"}, 1, "not an e-mail address"},
        {{"--from", "t@x.org", "--smtp", "h", "--to", "aunt"}, 1, "--to"},
        {{"--from", "t@x.org", "--smtp", "mail.school.example", "--security", "none", "--user", "t"}, 1, "without TLS"},
    };
    for (const auto& c : cases)
        expectRefused(QStringList{"send-reports", f.path} + c.args, c.exitCode, c.said, {"MARKWELL_SMTP_PASSWORD=pw"});
}
