// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

using Outcome = PasswordProtection::Outcome;
const SettingsGroup kGroup = {QStringLiteral("PasswordProtection")};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

PasswordProtection::Choice protect(const char* oldPassword, const char* newPassword, const char* verify) {
    return {true, q(oldPassword), q(newPassword), q(verify)};
}

class PasswordTest : public testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Grades.ini")); }
    // The settings as the next start of the program reads them.
    QSettingsStore reread() const { return QSettingsStore(path()); }

    QTemporaryDir dir_;
    QSettingsStore settings_{path()};
    PasswordProtection passwords_{settings_};
};

}  // namespace

TEST_F(PasswordTest, TheStoreHoldsAVerifierNeverTheText) {
    const QString password = q("Tr0ub4dor & 3");
    ASSERT_EQ(passwords_.apply(protect("", "Tr0ub4dor & 3", "Tr0ub4dor & 3")).outcome, Outcome::Saved);

    const QString stored = reread().readString(kGroup, q("Password")).value_or(QString());
    EXPECT_TRUE(stored.startsWith(q("$argon2id$"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(password));
    const QByteArray bytes = fileContents(path());
    EXPECT_FALSE(bytes.contains("Tr0ub4dor")) << bytes.constData();
    EXPECT_EQ(reread().readInteger(kGroup, q("Display")), 1);

    // Salted: the same password gives another verifier each time.
    EXPECT_NE(passwordVerifier(password).value(), passwordVerifier(password).value());
}

TEST_F(PasswordTest, TheExactPasswordIsAcceptedAtTheNextStart) {
    const QString full = q("  twenty-five characters ");  // blanks count
    ASSERT_EQ(full.size(), PasswordProtection::kMaxLength);
    ASSERT_EQ(passwords_.apply({true, {}, full, full}).outcome, Outcome::Saved);

    QSettingsStore nextStart = reread();
    PasswordProtection atStart(nextStart);
    EXPECT_TRUE(atStart.isOn());
    EXPECT_TRUE(atStart.accepts(full).value());
    EXPECT_FALSE(atStart.accepts(full.trimmed()).value());
    EXPECT_FALSE(atStart.accepts(q("  Twenty-five characters ")).value());  // letter case counts
    EXPECT_FALSE(atStart.accepts(full.left(24)).value());
    EXPECT_FALSE(atStart.accepts(QString()).value());

    const QString tooLong = full + q("x");
    EXPECT_EQ(passwords_.apply({true, full, tooLong, tooLong}).outcome, Outcome::TooLong);
}

TEST_F(PasswordTest, ARefusedChoiceWritesNothing) {
    ASSERT_EQ(passwords_.apply(protect("", "apple", "apple")).outcome, Outcome::Saved);
    ASSERT_EQ(passwords_.apply({false, q("apple"), {}, {}}).outcome, Outcome::Saved);
    const QByteArray before = fileContents(path());

    // Switching protection on again needs the old password; a wrong one
    // leaves protection off, as it was (it used to be switched on first).
    EXPECT_EQ(passwords_.apply(protect("Apple", "pear", "pear")).outcome, Outcome::OldPasswordIncorrect);
    EXPECT_EQ(passwords_.apply(protect("apple", "pear", "peach")).outcome, Outcome::VerificationFailed);
    EXPECT_EQ(passwords_.apply(protect("apple", "", "pear")).outcome, Outcome::VerificationFailed);
    EXPECT_FALSE(passwords_.isOn());
    EXPECT_FALSE(reread().readBool(kGroup, q("Display")).value_or(true));
    EXPECT_EQ(fileContents(path()), before);
    EXPECT_TRUE(passwords_.accepts(q("apple")).value());
}

TEST_F(PasswordTest, EmptyNewEntriesKeepAStoredPasswordAndAreRefusedWithoutOne) {
    EXPECT_EQ(passwords_.apply(protect("", "", "")).outcome, Outcome::NewPasswordNeeded);
    EXPECT_FALSE(passwords_.isOn());
    EXPECT_FALSE(passwords_.hasPassword());

    ASSERT_EQ(passwords_.apply(protect("", "apple", "apple")).outcome, Outcome::Saved);
    ASSERT_EQ(passwords_.apply({false, q("apple"), {}, {}}).outcome, Outcome::Saved);
    EXPECT_FALSE(passwords_.isOn());
    EXPECT_TRUE(passwords_.hasPassword());  // switching off keeps it

    ASSERT_EQ(passwords_.apply(protect("apple", "", "")).outcome, Outcome::Saved);
    EXPECT_TRUE(passwords_.isOn());
    EXPECT_TRUE(passwords_.accepts(q("apple")).value());
    EXPECT_FALSE(passwords_.accepts(q("")).value());

    // Protection on, nothing typed: nothing to check and nothing written.
    EXPECT_EQ(passwords_.apply(protect("", "", "")).outcome, Outcome::Unchanged);
    // Changing it needs the old one.
    EXPECT_EQ(passwords_.apply(protect("", "pear", "pear")).outcome, Outcome::OldPasswordIncorrect);
    ASSERT_EQ(passwords_.apply(protect("apple", "pear", "pear")).outcome, Outcome::Saved);
    EXPECT_TRUE(reread().readString(kGroup, q("Password")).has_value());
    EXPECT_TRUE(PasswordProtection(settings_).accepts(q("pear")).value());
}

TEST_F(PasswordTest, SwitchingOffAndRemovingNeedTheStoredPassword) {
    ASSERT_EQ(passwords_.apply(protect("", "apple", "apple")).outcome, Outcome::Saved);
    for (const char* wrong : {"", "Apple", "pear"}) {
        EXPECT_EQ(passwords_.apply({false, q(wrong), {}, {}}).outcome, Outcome::OldPasswordIncorrect) << wrong;
        EXPECT_EQ(passwords_.apply({false, q(wrong), {}, {}, true}).outcome, Outcome::OldPasswordIncorrect) << wrong;
    }
    EXPECT_TRUE(reread().readBool(kGroup, q("Display")).value_or(false));

    ASSERT_EQ(passwords_.apply({false, q("apple"), {}, {}}).outcome, Outcome::Saved);
    EXPECT_FALSE(passwords_.isOn());
    EXPECT_TRUE(passwords_.hasPassword());
    // Already off: nothing to ask and nothing to write.
    EXPECT_EQ(passwords_.apply({false, {}, {}, {}}).outcome, Outcome::Unchanged);
    // Removing the password still needs it.
    EXPECT_EQ(passwords_.apply({false, q("pear"), {}, {}, true}).outcome, Outcome::OldPasswordIncorrect);
    EXPECT_TRUE(passwords_.hasPassword());
    ASSERT_EQ(passwords_.apply({false, q("apple"), {}, {}, true}).outcome, Outcome::Saved);
    EXPECT_FALSE(reread().readString(kGroup, q("Password")).has_value());
    EXPECT_FALSE(passwords_.isOn());
    // Nothing stored: a new password needs no old one.
    EXPECT_EQ(passwords_.apply(protect("", "pear", "pear")).outcome, Outcome::Saved);
}

TEST_F(PasswordTest, ClearRemovesThePasswordAndAStoreWithoutAVerifierIsReadSafely) {
    ASSERT_EQ(passwords_.apply(protect("", "apple", "apple")).outcome, Outcome::Saved);
    ASSERT_TRUE(passwords_.clear().ok());
    EXPECT_FALSE(reread().readString(kGroup, q("Password")).has_value());
    EXPECT_FALSE(PasswordProtection(settings_).isOn());
    // Switched on with no password stored, any entry is accepted.
    settings_.writeBool(kGroup, q("Display"), true);
    ASSERT_TRUE(settings_.flush().ok());
    EXPECT_TRUE(passwords_.isOn());
    EXPECT_TRUE(passwords_.accepts(QString()).value());
    EXPECT_TRUE(passwords_.accepts(q("anything")).value());
    // A hand-edited store, or one from a program that kept the text itself.
    settings_.writeString(kGroup, q("Password"), q("apple"));
    EXPECT_FALSE(passwords_.accepts(q("apple")).value());
    EXPECT_FALSE(verifierMatches(q("$argon2id$v=19$m=1,t=1,p=1$x$y"), q("apple")).value());
}

TEST(PasswordStoreFailure, AFailedWriteIsReportedAndUndone) {
    QTemporaryDir dir;
    QSettingsStore settings(unwritablePath(dir.path(), QStringLiteral("Grades.ini")));
    PasswordProtection passwords(settings);

    const PasswordProtection::Applied applied = passwords.apply(protect("", "apple", "apple"));
    EXPECT_EQ(applied.outcome, Outcome::Failed);
    EXPECT_TRUE(applied.message.startsWith(q("Unable to save the settings"))) << applied.message.toStdString();
    EXPECT_FALSE(passwords.isOn());
    EXPECT_FALSE(passwords.hasPassword());
}
