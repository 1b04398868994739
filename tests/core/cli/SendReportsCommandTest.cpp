// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli send-reports: each family's message through a real mail
// server on 127.0.0.1 with that student's own report, a line per address,
// the send log, .eml files instead of sending, and refusals.

#include "tests/core/cli/CliRunner.h"

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
    QString path = dir.filePath(QStringLiteral("period 3.grs"));

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
            QStringList{QStringLiteral("send-reports"), path, QStringLiteral("--from"),
                        QStringLiteral("teacher@school.example"), QStringLiteral("--smtp"), server.hostAndPort()} +
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

// Zoë's average and grade as show's table has them.
std::pair<QString, QString> zoesFigures(const QString& grs) {
    const CliRun shown = runCli({QStringLiteral("show"), grs});
    for (const QString& line : shown.out.split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() > 3 && cells.front() == kZoe) return {cells.at(cells.size() - 2), cells.back().trimmed()};
    }
    return {};
}

}  // namespace

TEST(SendReportsCommand, EachFamilyGetsItsOwnReportAndEveryAddressALineThenNoServerSendsNothing) {
    SmtpTestServer server({{QStringLiteral("refuse=bob@x.org"), QStringLiteral("cut=mum@x.org")}});
    ASSERT_TRUE(server.problem().isEmpty()) << qPrintable(server.problem());
    FamiliesClass f;
    QFile body(f.dir.filePath(QStringLiteral("body.txt")));
    ASSERT_TRUE(body.open(QIODevice::WriteOnly));
    body.write("{name} has {grade}.\n");
    body.close();
    CliRun run;
    const QStringList lines = f.send(server,
                                     {QStringLiteral("--subject"), QStringLiteral("Grades of {name}"),
                                      QStringLiteral("--body-file"), body.fileName()},
                                     &run, {QStringLiteral("MARKWELL_SMTP_PASSWORD=never used")});
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    ASSERT_EQ(lines.size(), 4) << qPrintable(run.out);
    EXPECT_EQ(lines[0], QStringLiteral("sent\t%1\tzoe@x.org").arg(kZoe));
    EXPECT_EQ(lines[1], QStringLiteral("unknown\t%1\tmum@x.org").arg(kZoe));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("refused\tBob Stone\tbob@x.org\t550"))) << qPrintable(lines[2]);
    EXPECT_EQ(lines[3], QStringLiteral("skipped\tCleo Park\tno address"));
    EXPECT_EQ(f.log(),
              (QStringList{kZoe + QStringLiteral(" zoe@x.org sent"), kZoe + QStringLiteral(" mum@x.org unknown"),
                           QStringLiteral("Bob Stone bob@x.org refused")}));

    // Zoë's one message, to her family alone, with her own report as the Grades page shows it.
    const auto [average, grade] = zoesFigures(f.path);
    ASSERT_FALSE(grade.isEmpty());
    const std::vector<QJsonObject> messages = server.messages();
    ASSERT_EQ(messages.size(), 1u);  // the one to mum@x.org was cut off
    const QJsonObject& m = messages[0];
    EXPECT_EQ(m[QStringLiteral("to_addresses")].toArray(), (QJsonArray{"zoe@x.org", "mum@x.org"}));
    EXPECT_EQ(m[QStringLiteral("subject")].toString(), QStringLiteral("Grades of ") + kZoe);
    EXPECT_EQ(m[QStringLiteral("body")].toString(), kZoe + QStringLiteral(" has %1.\n").arg(grade));
    EXPECT_EQ(m[QStringLiteral("attachments")].toArray(), QJsonArray{kZoe + QStringLiteral(".pdf")});
    if (havePdfToText()) {
        const QString report = pdfText(server.attachmentPath(0)).simplified();
        EXPECT_TRUE(report.contains(kZoe) && report.contains(average) && report.contains(grade)) << qPrintable(report);
    }

    server.stop();
    const QStringList none = f.send(server, {}, &run);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Unable to connect"))) << qPrintable(run.err);
    EXPECT_TRUE(none.filter(QRegularExpression(QStringLiteral("^sent"))).isEmpty()) << qPrintable(run.out);
    EXPECT_EQ(f.log().size(), 3);
}

TEST(SendReportsCommand, APasswordFromTheEnvironmentGoesOverStartTlsAndIntoNoFile) {
    SmtpTestServer server({{QStringLiteral("auth=teacher:s3cret-Pw")}, SmtpTestServer::Security::StartTls});
    ASSERT_TRUE(server.problem().isEmpty()) << qPrintable(server.problem());
    FamiliesClass f;
    CliRun run;
    f.send(
        server,
        {QStringLiteral("--security"), QStringLiteral("starttls"), QStringLiteral("--user"), QStringLiteral("teacher"),
         QStringLiteral("--ca-file"), server.caFile(), QStringLiteral("--to"), QStringLiteral("student")},
        &run, {QStringLiteral("MARKWELL_SMTP_PASSWORD=s3cret-Pw")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);  // Cleo's skip is no failure
    ASSERT_EQ(server.messages().size(), 2u);
    EXPECT_TRUE(server.messages()[0][QStringLiteral("authenticated")].toBool());
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        QDirIterator it(qEnvironmentVariable(variable), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_FALSE(file.readAll().contains("s3cret-Pw")) << qPrintable(file.fileName());
        }
    }
}

TEST(SendReportsCommand, SavedMessagesAreOneEmlFilePerFamilyAndNothingIsSent) {
    FamiliesClass f;
    const QString folder = f.dir.filePath(QStringLiteral("messages"));
    const CliRun run = runCli({QStringLiteral("send-reports"), f.path, QStringLiteral("--from"),
                               QStringLiteral("teacher@school.example"), QStringLiteral("--save-messages"), folder});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QString zoeFile = folder + QLatin1Char('/') + kZoe + QStringLiteral(".eml");
    EXPECT_EQ(run.out,
              QStringLiteral("saved\t%1\t%2\nsaved\tBob Stone\t%3/Bob Stone.eml\nskipped\tCleo Park\tno address\n")
                  .arg(kZoe, zoeFile, folder));
    QFile eml(zoeFile);
    ASSERT_TRUE(eml.open(QIODevice::ReadOnly));
    const QByteArray bytes = eml.readAll();
    for (const char* part : {"Date: ", "\nMessage-Id: <", " <zoe@x.org>\r\n", "application/pdf"}) {
        EXPECT_TRUE(bytes.contains(part)) << part;
    }
    EXPECT_FALSE(bytes.contains("mum@x.org"));  // --to is the student alone by default
    EXPECT_TRUE(f.log().isEmpty());
}

TEST(SendReportsCommand, RefusesWhatCannotBeSentBeforeReadingTheClass) {
    const struct {
        QStringList args;
        int exitCode;
        const char* said;
    } cases[] = {
        {{QStringLiteral("--smtp"), QStringLiteral("127.0.0.1")}, 2, "--from"},
        {{QStringLiteral("--from"), QStringLiteral("t@x.org")}, 2, "--smtp HOST[:PORT] or --save-messages"},
        {{QStringLiteral("--from"), QStringLiteral("t@x.org"), QStringLiteral("--smtp"), QStringLiteral("h"),
          QStringLiteral("--save-messages"), QStringLiteral("d")},
         2,
         "--smtp HOST[:PORT] or --save-messages"},
        {{QStringLiteral("--from"), QStringLiteral("t at x"), QStringLiteral("--smtp"), QStringLiteral("h")},
         1,
         "not an e-mail address"},
        {{QStringLiteral("--from"), QStringLiteral("t@x.org"), QStringLiteral("--smtp"), QStringLiteral("h"),
          QStringLiteral("--to"), QStringLiteral("aunt")},
         1,
         "--to"},
        {{QStringLiteral("--from"), QStringLiteral("t@x.org"), QStringLiteral("--smtp"),
          QStringLiteral("mail.school.example"), QStringLiteral("--security"), QStringLiteral("none"),
          QStringLiteral("--user"), QStringLiteral("t")},
         1,
         "without TLS"},
    };
    FamiliesClass f;
    for (const auto& c : cases) {
        const CliRun run = runCli(QStringList{QStringLiteral("send-reports"), f.path} + c.args,
                                  {QStringLiteral("MARKWELL_SMTP_PASSWORD=pw")});
        EXPECT_EQ(run.exitCode, c.exitCode) << qPrintable(c.args.join(u' '));
        EXPECT_TRUE(run.err.contains(QLatin1String(c.said))) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty());
    }
}
