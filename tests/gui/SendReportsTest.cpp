// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Sending families their reports from the window: through a real mail server
// on 127.0.0.1, through a stand-in mail program, as .eml files; the summary,
// Resend, Cancel, the send log, and the server's settings under Options.

#include "core/mail/MailServerSettings.h"
#include "core/mail/SendLog.h"
#include "core/settings/QSettingsStore.h"
#include "gui/mail/MailQueueWindow.h"
#include "gui/options/MailServerPage.h"
#include "gui/options/OptionsDialog.h"
#include "gui/reports/SendReportsDialog.h"
#include "gui/reports/SendSummaryDialog.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ScriptedMail.h"
#include "tests/support/SmtpTestServer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <numeric>

using namespace markwell;
using namespace markwell::testing;
using markwell::test::SmtpTestServer;
using Kind = ScriptedDialogs::Kind;

namespace {

// A class of `count` students, each with an address of their own and
// Ann's family with a second one; the last student has none.
ClassRecord familiesClass(int count) {
    ClassRecord cls = smallClass();
    cls.students.resize(static_cast<std::size_t>(count), cls.students.front());
    for (int i = 0; i < count; ++i) {
        StudentInfo& s = cls.students[static_cast<std::size_t>(i)];
        s.name = "Student " + std::to_string(i + 1);
        s.student_email = "s" + std::to_string(i + 1) + "@x.org";
        s.mom_email = i == 0 ? "mother1@x.org; S1@x.org" : "";
    }
    cls.students.back().student_email.clear();
    return cls;
}

// Everything the dialog is lent, kept by the test.
struct SendFixture {
    QTemporaryDir folder;
    QSettingsStore settings{folder.filePath(QStringLiteral("Grades.ini"))};
    ScriptedDialogs dialogs;
    ScriptedMailPasswords passwords;
    RecordingMailLauncher launcher;
    ClassRecord cls;
    QString gradePath = folder.filePath(QStringLiteral("period1.grs"));

    // Attachments are written to a cache folder of the fixture's.
    explicit SendFixture(int students) : cls(familiesClass(students)) {
        qputenv("XDG_CACHE_HOME", folder.filePath(QStringLiteral("cache")).toLocal8Bit());
    }

    void useServer(const SmtpTestServer& server, MailSecurity security = MailSecurity::None, const QString& user = {}) {
        QVERIFY2(server.problem().isEmpty(), qPrintable(server.problem()));
        const QString caFile = security == MailSecurity::None ? QString() : server.caFile();
        QVERIFY(writeMailServerSettings(
            settings, {QStringLiteral("127.0.0.1"), server.port(), security, user, QStringLiteral("Élodie Marchand"),
                       QStringLiteral("teacher@school.example"), caFile, 0}));
    }

    std::unique_ptr<SendReportsDialog> dialog() {
        ReportSource source;
        const int count = static_cast<int>(cls.students.size());
        source.students = [count]() -> Result<std::vector<int>> {
            std::vector<int> all(static_cast<std::size_t>(count));
            std::iota(all.begin(), all.end(), 0);
            return all;
        };
        source.fill = [](const QString& text, int student) {
            return QString(text).replace(QStringLiteral("{name}"), QStringLiteral("Student %1").arg(student + 1));
        };
        source.reportPdf = [](int student) -> Result<QByteArray> {
            return QByteArray("%PDF-1.4 report of ") + QByteArray::number(student + 1);
        };
        auto d = std::make_unique<SendReportsDialog>(
            ReportInput{cls, {}, gradePath}, SendReportsServices{dialogs, settings, passwords, launcher}, source);
        d->setRetryDelay(std::chrono::milliseconds(0));
        return d;
    }

    std::vector<SendLogEntry> log() const {
        const Result<std::vector<SendLogEntry>> entries = SendLog::ofClass(gradePath).read();
        return entries ? *entries : std::vector<SendLogEntry>{};
    }
};

QStringList logLines(const std::vector<SendLogEntry>& entries) {
    QStringList lines;
    for (const SendLogEntry& e : entries) lines << e.address + QLatin1Char(' ') + deliveryResultName(e.result);
    return lines;
}

QStringList receivedAddresses(const SmtpTestServer& server) {
    QStringList addresses;
    for (const QJsonObject& m : server.messages()) addresses << m[QStringLiteral("rcpt_tos")][0].toString();
    return addresses;
}

}  // namespace

class SendReportsTest : public QObject {
    Q_OBJECT
private slots:
    void everyFamilyGetsItsMessageTheSummaryResendsOnlyTheRefusedAndNoServerIsSaid() {
        SmtpTestServer server({{QStringLiteral("refuse=s2@x.org")}});
        SendFixture f(4);
        f.useServer(server);
        std::unique_ptr<SendReportsDialog> dialog = f.dialog();
        QVERIFY(dialog->serverButton()->isChecked());
        dialog->motherBox()->setChecked(true);
        dialog->subjectBox()->setText(QStringLiteral("Notes de {name}"));
        QString firstSummary;
        bool resendEnabled = false;
        whenModalShows<SendSummaryDialog>([&](SendSummaryDialog* summary) {
            firstSummary = summary->summaryLabel()->text();
            resendEnabled = summary->resendButton()->isEnabled();

            // The second summary, after the resend, is closed.
            whenModalShows<SendSummaryDialog>([](SendSummaryDialog* again) { again->reject(); });
            summary->resendButton()->click();
        });
        dialog->sendButton()->click();
        QCOMPARE(receivedAddresses(server), (QStringList{"s1@x.org", "mother1@x.org", "s3@x.org"}));
        const std::vector<QJsonObject> received = server.messages();
        QCOMPARE(received[0][QStringLiteral("subject")].toString(), QStringLiteral("Notes de Student 1"));
        QCOMPARE(received[2][QStringLiteral("to_addresses")].toArray().size(), 1);
        QVERIFY2(firstSummary.startsWith(QStringLiteral("Sent: 3. Refused: 1.")), qPrintable(firstSummary));
        QVERIFY2(firstSummary.contains(QStringLiteral("Skipped (no address): 1.")), qPrintable(firstSummary));
        QVERIFY(resendEnabled);

        // The resend tried only the refused address.
        QCOMPARE(logLines(f.log()), (QStringList{"s1@x.org sent", "mother1@x.org sent", "s2@x.org refused",
                                                 "s3@x.org sent", "s2@x.org refused"}));
        QVERIFY(f.log()[2].reply.startsWith(QStringLiteral("550 5.1.1")));

        // The Send Log page shows it, newest first.
        QCOMPARE(dialog->logSheet().maxRow(), 6);
        QCOMPARE(dialog->logSheet().text(2, 3), QStringLiteral("s2@x.org"));
        QCOMPARE(f.dialogs.unanswered, 0);

        // With no server listening, that is said and nothing more is logged.
        server.stop();
        const std::size_t logged = f.log().size();
        dialog = f.dialog();
        QString summary;
        bool resend = false;
        whenModalShows<SendSummaryDialog>([&](SendSummaryDialog* d) {
            summary = d->summaryLabel()->text();
            resend = d->resendButton()->isEnabled();
            d->reject();
        });
        dialog->sendButton()->click();
        QVERIFY2(summary.contains(QStringLiteral("Sending stopped: Unable to connect to the mail server 127.0.0.1:")),
                 qPrintable(summary));
        QVERIFY2(summary.startsWith(QStringLiteral("Sent: 0.")), qPrintable(summary));
        QVERIFY(resend);  // once the server is back
        QCOMPARE(f.log().size(), logged);
    }

    void cancelHalfWayLeavesALogOfExactlyWhatWent() {
        SmtpTestServer server({{QStringLiteral("slow=0.3")}});
        SendFixture f(7);
        f.useServer(server);
        f.dialogs.cancelAtPage = 3;
        std::unique_ptr<SendReportsDialog> dialog = f.dialog();
        whenModalShows<SendSummaryDialog>([](SendSummaryDialog* summary) { summary->reject(); });
        dialog->sendButton()->click();
        QVERIFY(dialog->lastRun() && dialog->lastRun()->cancelled);
        const QStringList went = receivedAddresses(server);
        QVERIFY2(went.size() >= 2 && went.size() < 6, qPrintable(went.join(QLatin1Char(' '))));
        QStringList logged;
        for (const SendLogEntry& e : f.log()) {
            QCOMPARE(e.result, DeliveryResult::Sent);
            logged << e.address;
        }
        QCOMPARE(logged.join(QLatin1Char(' ')), went.join(QLatin1Char(' ')));
    }

    void aPasswordAskedForIsUsedOverTlsAndKeptInNoFile() {
        const QString password = QStringLiteral("Pw-%1-only-here").arg(QCoreApplication::applicationPid());
        SmtpTestServer server({{QStringLiteral("auth=teacher:") + password}, SmtpTestServer::Security::StartTls});
        SendFixture f(2);
        f.useServer(server, MailSecurity::StartTls, QStringLiteral("teacher"));
        f.passwords.keyringAnswers = false;
        f.dialogs.answerText(password);
        std::unique_ptr<SendReportsDialog> dialog = f.dialog();
        whenModalShows<SendSummaryDialog>([](SendSummaryDialog* summary) { summary->reject(); });
        dialog->sendButton()->click();
        QCOMPARE(receivedAddresses(server), QStringList{"s1@x.org"});
        QVERIFY(server.messages()[0][QStringLiteral("authenticated")].toBool());
        QCOMPARE(f.dialogs.textRequests.size(), 1u);
        QVERIFY(f.dialogs.textRequests[0].secret);
        for (const char* home : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString folder = qEnvironmentVariable(home);
            QVERIFY2(filesHolding(folder, password.toUtf8()).isEmpty(), home);
        }
        QVERIFY(filesHolding(f.folder.path(), password.toUtf8()).isEmpty());
    }

    void theMailProgramQueueOpensEachFamilyWithItsReportOrTheyAreSavedAsEml() {
        SendFixture f(3);
        std::unique_ptr<SendReportsDialog> dialog = f.dialog();
        QVERIFY(!dialog->serverButton()->isEnabled());  // no server in the settings
        QVERIFY(dialog->mailProgramButton()->isChecked());
        dialog->motherBox()->setChecked(true);
        QStringList labels;
        whenModalShows<MailQueueWindow>([&labels](MailQueueWindow* queue) {
            labels << queue->messageLabel()->text();
            queue->openButton()->click();
            labels << queue->messageLabel()->text();
            queue->skipButton()->click();
        });
        dialog->sendButton()->click();
        QCOMPARE(labels, (QStringList{"Message 1 of 2 — Student 1 (s1@x.org, mother1@x.org)",
                                      "Message 2 of 2 — Student 2 (s2@x.org)"}));
        QCOMPARE(f.dialogs.texts(Kind::Inform),
                 (QStringList{"No address for: Student 3.", "1 of 2 messages were opened in the mail program."}));
        QCOMPARE(f.launcher.drafts.size(), 1u);
        const MailDraft& draft = f.launcher.drafts[0];
        QCOMPARE(draft.recipient, QByteArray("mailto:s1@x.org,mother1@x.org"));
        QCOMPARE(draft.subject, QStringLiteral("Grades of Student 1"));
        QCOMPARE(QFileInfo(draft.attachment).fileName(), QStringLiteral("Student 1.pdf"));
        QVERIFY(draft.attachment.startsWith(f.folder.filePath(QStringLiteral("cache/"))));
        QFile attachment(draft.attachment);
        QVERIFY(attachment.open(QIODevice::ReadOnly));
        QCOMPARE(attachment.readAll(), QByteArray("%PDF-1.4 report of 1"));
        const QStringList logged = logLines(f.log());
        QCOMPARE(logged, (QStringList{"s1@x.org mail program", "mother1@x.org mail program"}));

        // Saved as .eml files instead, with nothing sent.
        dialog->filesButton()->setChecked(true);
        QCOMPARE(dialog->sendButton()->text(), QStringLiteral("&Save..."));
        const QString folder = f.folder.filePath(QStringLiteral("messages"));
        f.dialogs.folders.push_back(folder);
        dialog->sendButton()->click();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{"Student 1.eml", "Student 2.eml"}));
        QFile eml(folder + QStringLiteral("/Student 2.eml"));
        QVERIFY(eml.open(QIODevice::ReadOnly));
        const QByteArray bytes = eml.readAll();
        for (const QByteArray& header : {QByteArray("\r\nDate: "), QByteArray("\r\nMessage-Id: <"),
                                         QByteArray("\r\nTo: Student 2 <s2@x.org>\r\n")}) {
            QVERIFY2(bytes.contains(header) || bytes.startsWith(header.mid(2)), header.constData());
        }
        QCOMPARE(logLines(f.log()), logged);
    }

    void optionsKeepTheServerAndGiveThePasswordToTheKeyringOnly() {
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Grades.ini"));
        QSettingsStore settings(ini);
        PasswordProtection protection(settings);
        ScriptedDialogs dialogs;
        ScriptedMailPasswords passwords;
        const QString password = QStringLiteral("App-Password-9");
        {
            OptionsDialog options(protection, settings, dialogs, nullptr, &passwords);
            MailServerPage* page = options.mailPage();
            page->serverBox()->setText(QStringLiteral("smtp.school.example"));
            page->securityBox()->setCurrentIndex(page->securityBox()->findText(QStringLiteral("TLS")));
            QCOMPARE(page->portBox()->value(), 465);  // follows the security while it is the usual port
            page->userBox()->setText(QStringLiteral("teacher"));
            page->passwordBox()->setText(password);
            page->senderAddressBox()->setText(QStringLiteral("not an address"));
            options.accept();
            QCOMPARE(options.result(), 0);  // refused: the sender's address
            page->senderAddressBox()->setText(QStringLiteral("teacher@school.example"));
            options.accept();
            QCOMPARE(options.result(), int(QDialog::Accepted));
        }
        const MailServerSettings stored = readMailServerSettings(QSettingsStore(ini));
        QCOMPARE(stored.host, QStringLiteral("smtp.school.example"));
        QCOMPARE(stored.port, 465);
        QCOMPARE(stored.security, MailSecurity::Tls);
        QCOMPARE(passwords.kept.value(QStringLiteral("teacher@smtp.school.example:465")), password);
        QVERIFY(filesHolding(folder.path(), password.toUtf8()).isEmpty());

        // No keyring: said so, and nothing is kept anywhere.
        passwords.keyringAnswers = false;
        passwords.kept.clear();
        dialogs.clearRecord();
        OptionsDialog again(protection, settings, dialogs, nullptr, &passwords);
        again.mailPage()->passwordBox()->setText(password);
        again.accept();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(dialogs.count(Kind::Inform), 1);
        QVERIFY(dialogs.texts(Kind::Inform)[0].contains(QStringLiteral("asked for each time")));
        QVERIFY(filesHolding(folder.path(), password.toUtf8()).isEmpty());
    }
};

MARKWELL_GUI_TEST_MAIN(SendReportsTest)
#include "SendReportsTest.moc"
