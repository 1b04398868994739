// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Options and Enter Password: what is stored, what is refused, and that a
// refusal followed by Cancel leaves the settings exactly as they were.

#include "gui/options/OptionsDialog.h"
#include "gui/options/PasswordDialog.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/support/TestFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace markwell;
using namespace markwell::testing;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// A settings file of its own.
struct Settings {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Grades.ini")); }
    QSettingsStore store{path()};
    PasswordProtection passwords{store};
    ScriptedDialogs dialogs;

    QByteArray onDisk() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The protection as the next start of the program finds it.
    bool protectedAtNextStart(const QString& password) const {
        QSettingsStore again(path());
        PasswordProtection next(again);
        return next.isOn() && next.accepts(password).value();
    }
};

const QString kWrongPassword =
    q("The password is incorrect. Capital letters count: please check the spelling and the Caps Lock key.");

void fill(OptionsDialog& d, bool protect, const QString& oldPassword, const QString& newPassword,
          const QString& verify) {
    d.protectBox()->setChecked(protect);
    d.oldPasswordBox()->setText(oldPassword);
    d.newPasswordBox()->setText(newPassword);
    d.verifyPasswordBox()->setText(verify);
}

}  // namespace

class PasswordDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void everyPasswordBoxIsMaskedOnlyTheNeededOnesOpenAndEmptyOnesAreRefused() {
        Settings s;
        OptionsDialog first(s.passwords, s.store, s.dialogs);
        for (QLineEdit* box : {first.oldPasswordBox(), first.newPasswordBox(), first.verifyPasswordBox()}) {
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            QCOMPARE(box->maxLength(), 25);
            QVERIFY(!box->isEnabled());
        }
        first.protectBox()->setChecked(true);
        QVERIFY(!first.oldPasswordBox()->isEnabled());  // no password stored yet
        QVERIFY(first.newPasswordBox()->isEnabled());
        QVERIFY(first.verifyPasswordBox()->isEnabled());

        // Left empty, with no password stored, they are refused.
        clickOk(&first);
        QCOMPARE(first.result(), int(QDialog::Rejected));
        QCOMPARE(s.dialogs.messages().size(), 1);
        QVERIFY(!s.passwords.isOn());
        QCOMPARE(s.onDisk(), QByteArray());
        QCOMPARE(s.passwords.apply({true, {}, q("apple"), q("apple")}).outcome, PasswordProtection::Outcome::Saved);
        OptionsDialog second(s.passwords, s.store, s.dialogs);
        QVERIFY(second.protectBox()->isChecked());
        QVERIFY(second.oldPasswordBox()->isEnabled());
        QVERIFY(!second.removePasswordBox()->isEnabled());
        second.protectBox()->setChecked(false);
        QVERIFY(second.oldPasswordBox()->isEnabled());  // switching off needs it too
        QVERIFY(!second.newPasswordBox()->isEnabled());
        QVERIFY(second.removePasswordBox()->isEnabled());
        QVERIFY(!first.removePasswordBox()->isEnabled());  // nothing stored to remove
    }

    void aTwentyFiveCharacterPasswordRoundTripDecidesWhetherTheProgramRuns() {
        Settings s;
        bool handled = false;
        whenModalShows<PasswordDialog>([](PasswordDialog* d) { d->reject(); }, &handled);

        // Protection off: no question (it would have been answered while the call ran).
        QVERIFY(passwordAcceptedAtStart(s.passwords, s.dialogs));
        QVERIFY(!handled);
        stopWatchingModals();
        const QString full = q(" Twenty-five characters! ");
        QCOMPARE(full.size(), 25);
        {
            OptionsDialog options(s.passwords, s.store, s.dialogs);
            QVERIFY(showExposed(options));
            options.protectBox()->setChecked(true);

            // The boxes take 25 characters, blanks included; more are not taken.
            QTest::keyClicks(options.newPasswordBox(), full + q("XYZ"));
            QTest::keyClicks(options.verifyPasswordBox(), full);
            QCOMPARE(options.newPasswordBox()->text(), full);

            // Editing keys still work at the limit.
            QTest::keyClick(options.verifyPasswordBox(), Qt::Key_Backspace);
            QTest::keyClicks(options.verifyPasswordBox(), q(" "));
            clickOk(&options);
            QCOMPARE(options.result(), int(QDialog::Accepted));
        }
        QCOMPARE(s.dialogs.messages(), QStringList());
        QSettingsStore nextStart(s.path());
        PasswordProtection passwords(nextStart);
        whenModalShows<PasswordDialog>(
            [&s, full](PasswordDialog* d) {
                QTest::keyClicks(d->passwordBox(), full.trimmed());
                clickOk(d);
                QCOMPARE(s.dialogs.messages(), QStringList{kWrongPassword});
                QVERIFY(d->isVisible());
                d->passwordBox()->clear();
                QTest::keyClicks(d->passwordBox(), full);
                clickOk(d);
            },
            &handled);
        QVERIFY(passwordAcceptedAtStart(passwords, s.dialogs));
        QVERIFY(handled);

        // Escape in the question: the program does not run.
        whenModalShows<PasswordDialog>(
            [](PasswordDialog* d) {
                QVERIFY(QTest::qWaitForWindowActive(d, kWaitLimitMs));
                QCOMPARE(QApplication::focusWidget(), d->passwordBox());
                QTest::keyClick(d->passwordBox(), Qt::Key_Escape);
            },
            &handled);
        QVERIFY(!passwordAcceptedAtStart(passwords, s.dialogs));
        QVERIFY(handled);
    }

    void aFailedSettingsWriteKeepsOptionsOpen() {
        QTemporaryDir dir;
        QSettingsStore settings(unwritablePath(dir.path(), QStringLiteral("Grades.ini")));
        PasswordProtection passwords(settings);
        ScriptedDialogs dialogs;
        OptionsDialog dialog(passwords, settings, dialogs);
        fill(dialog, true, {}, q("apple"), q("apple"));
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.onlyText(ScriptedDialogs::Kind::Warn).startsWith(q("Unable to save the settings")));
        QVERIFY(!passwords.isOn());
    }

    void switchingOffAndRemovingAskForTheStoredPasswordAndAWrongOneChangesNothing() {
        Settings s;
        QCOMPARE(s.passwords.apply({true, {}, q("apple"), q("apple")}).outcome, PasswordProtection::Outcome::Saved);
        {
            OptionsDialog off(s.passwords, s.store, s.dialogs);
            QVERIFY(showExposed(off));
            fill(off, false, {}, {}, {});
            clickOk(&off);
            QCOMPARE(s.dialogs.messages(), QStringList{q("Old password is incorrect, please check spelling!")});
            QVERIFY(off.isVisible());
            QCOMPARE(QApplication::focusWidget(), off.oldPasswordBox());
            QVERIFY(s.protectedAtNextStart(q("apple")));
            off.oldPasswordBox()->setText(q("apple"));
            clickOk(&off);
            QCOMPARE(off.result(), int(QDialog::Accepted));
        }
        QVERIFY(!s.passwords.isOn());
        QVERIFY(s.passwords.hasPassword());  // kept for switching on again
        // A wrong old password, or a failed verification, then Cancel: nothing changes.
        s.dialogs.clearRecord();
        const QByteArray before = s.onDisk();
        OptionsDialog dialog(s.passwords, s.store, s.dialogs);
        QVERIFY(showExposed(dialog));
        fill(dialog, true, q("Apple"), q("pear"), q("pear"));
        clickOk(&dialog);
        QCOMPARE(s.dialogs.messages(), QStringList{q("Old password is incorrect, please check spelling!")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog.oldPasswordBox());
        fill(dialog, true, q("apple"), q("pear"), q("peach"));
        clickOk(&dialog);
        QCOMPARE(s.dialogs.messages().last(), q("Password verification failed, please check spelling!"));
        QCOMPARE(QApplication::focusWidget(), dialog.verifyPasswordBox());

        // Protection was switched on first, before the checks: Cancel left it on
        // with a password the user could not give.
        dialog.reject();
        QCOMPARE(s.onDisk(), before);
        QVERIFY(!s.passwords.isOn());
        QVERIFY(s.passwords.accepts(q("apple")).value());

        // Removing asks for the password too, though protection is off.
        OptionsDialog remove(s.passwords, s.store, s.dialogs);
        QVERIFY(!remove.oldPasswordBox()->isEnabled());  // already off: nothing to ask
        remove.removePasswordBox()->setChecked(true);
        QVERIFY(remove.oldPasswordBox()->isEnabled());
        remove.oldPasswordBox()->setText(q("apple"));
        clickOk(&remove);
        QCOMPARE(remove.result(), int(QDialog::Accepted));
        QVERIFY(!s.passwords.hasPassword());
        QVERIFY(!s.onDisk().contains("argon2id"));
    }

    void optionsIsACommandOfTheMainWindow() {
        WindowHarness h;
        QVERIFY(answered<OptionsDialog>(h.window->actions().options, [](OptionsDialog* d) {
            fill(*d, true, {}, q("pear"), q("pear"));
            clickOk(d);
        }));
        QVERIFY(h.passwords->isOn());
        QVERIFY(h.passwords->accepts(q("pear")).value());
        QVERIFY(!h.window->document().modified);  // a setting of the program, not of the class
    }
};

MARKWELL_GUI_TEST_MAIN(PasswordDialogsTest)
#include "PasswordDialogsTest.moc"
