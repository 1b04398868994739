// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The mail server's password in a real keyring: gnome-keyring's Secret
// Service in a D-Bus session of the test's own (dbus-run-session), in
// folders of the test's own. The test runs itself again inside that session.

#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"
#include "gui/mail/KeyringMailPasswords.h"
#include "gui/options/MailServerPage.h"
#include "gui/options/OptionsDialog.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

using namespace markwell;
using namespace markwell::testing;

namespace {

const char* const kInSession = "MARKWELL_IN_KEYRING_SESSION";

// Inside the session: through Options into the keyring, back, and out again.
void passwordRoundTrip() {
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Grades.ini"));
    QSettingsStore settings(ini);
    PasswordProtection protection(settings);
    ScriptedDialogs dialogs;
    const QString password = QStringLiteral("Keyring-Only-%1").arg(QCoreApplication::applicationPid());
    OptionsDialog options(protection, settings, dialogs);  // the desktop's keyring
    MailServerPage* page = options.mailPage();
    page->serverBox()->setText(QStringLiteral("smtp.school.example"));
    page->userBox()->setText(QStringLiteral("teacher"));
    page->senderAddressBox()->setText(QStringLiteral("teacher@school.example"));
    page->passwordBox()->setText(password);
    options.accept();
    QCOMPARE(options.result(), int(QDialog::Accepted));
    QVERIFY2(dialogs.shown.empty(), qPrintable(dialogs.messages().join(QLatin1Char('\n'))));

    KeyringMailPasswords keyring;
    const QString account = QStringLiteral("teacher@smtp.school.example:587");
    const MailPasswords::Lookup found = keyring.read(account);
    QCOMPARE(int(found.status), int(MailPasswords::Status::Found));
    QCOMPARE(found.password, password);
    for (const QString& where : {folder.path(), qEnvironmentVariable("XDG_CONFIG_HOME"),
                                 qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME")}) {
        QVERIFY2(filesHolding(where, password.toUtf8()).isEmpty(), qPrintable(where));
    }

    QVERIFY(keyring.forget(account));
    QCOMPARE(int(keyring.read(account).status), int(MailPasswords::Status::NotFound));
}

}  // namespace

class KeyringTest : public QObject {
    Q_OBJECT
private slots:
    void thePasswordGoesToTheKeyringAndNowhereElse() {
        if (qEnvironmentVariableIsSet(kInSession)) {
            passwordRoundTrip();
            return;
        }
        const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
        if (session.isEmpty() || daemon.isEmpty()) {
            QSKIP("dbus-run-session (Debian: dbus) or gnome-keyring-daemon (gnome-keyring) is not installed: "
                  "the desktop's keyring is not tested here.");
        }
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("run")));
        QFile::setPermissions(home.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
        env.insert(QString::fromLatin1(kInSession), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);

        // The keyring is made and unlocked with a password of the test's, as a
        // desktop does at login; then this test runs again inside the session.
        child.start(session, {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                              QStringLiteral("printf markwell-test | \"$1\" --unlock --components=secrets >/dev/null "
                                             "&& exec \"$0\" thePasswordGoesToTheKeyringAndNowhereElse"),
                              QCoreApplication::applicationFilePath(), daemon});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("Totals: 3 passed, 0 failed")), qPrintable(output));
    }
};

MARKWELL_GUI_TEST_MAIN(KeyringTest)
#include "KeyringTest.moc"
