// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/PasswordProtection.h"

#include <sodium.h>

#include <QCoreApplication>

namespace markwell {
namespace {

struct PasswordProtectionText {
    Q_DECLARE_TR_FUNCTIONS(PasswordProtection)
};

const SettingsGroup kGroup = {QStringLiteral("PasswordProtection")};
const QString kDisplay = QStringLiteral("Display");
const QString kPassword = QStringLiteral("Password");

}  // namespace

Result<void> initialisePasswordHashing() {
    // 0 on the first call, 1 when already done, -1 when the library cannot work.
    if (sodium_init() < 0) {
        return fail(PasswordProtectionText::tr("Passwords cannot be checked on this computer: the password library "
                                               "(libsodium) could not be started."));
    }
    return {};
}

Result<QString> passwordVerifier(const QString& password) {
    if (Result<void> ready = initialisePasswordHashing(); !ready) return ready.error();
    const QByteArray bytes = password.toUtf8();
    char verifier[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(verifier, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return fail(
            PasswordProtectionText::tr("The password could not be stored: there is not enough memory to protect it."));
    }
    return QString::fromLatin1(verifier);
}

Result<bool> verifierMatches(const QString& verifier, const QString& password) {
    if (Result<void> ready = initialisePasswordHashing(); !ready) return ready.error();
    const QByteArray stored = verifier.toLatin1();
    if (stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES) return false;
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool PasswordProtection::isOn() const {
    return settings_.readBool(kGroup, kDisplay).value_or(false);
}

bool PasswordProtection::hasPassword() const {
    return !settings_.readString(kGroup, kPassword).value_or(QString()).isEmpty();
}

Result<bool> PasswordProtection::accepts(const QString& typed) const {
    const QString verifier = settings_.readString(kGroup, kPassword).value_or(QString());
    if (verifier.isEmpty()) return true;
    return verifierMatches(verifier, typed);
}

namespace {

PasswordProtection::Applied failed(const Error& error) {
    return {PasswordProtection::Outcome::Failed, error.message};
}

}  // namespace

std::optional<PasswordProtection::Applied> PasswordProtection::refuseWrongOldPassword(
    const QString& oldPassword) const {
    const Result<bool> matches = accepts(oldPassword);
    if (!matches) return failed(matches.error());
    if (!*matches) return Applied{Outcome::OldPasswordIncorrect, {}};
    return std::nullopt;
}

PasswordProtection::Applied PasswordProtection::switchOff(const Choice& choice) {
    const bool stored = hasPassword();
    if (!isOn() && !(choice.removePassword && stored)) return {Outcome::Unchanged, {}};
    // Whoever may not pass the start-up question may not switch it off either.
    if (const std::optional<Applied> refused = refuseWrongOldPassword(choice.oldPassword)) return *refused;
    const std::optional<QString> kept = choice.removePassword ? std::nullopt : settings_.readString(kGroup, kPassword);
    if (Result<void> written = store(false, kept); !written) return failed(written.error());
    return {Outcome::Saved, {}};
}

PasswordProtection::Applied PasswordProtection::apply(const Choice& choice) {
    if (!choice.protect) return switchOff(choice);
    const bool stored = hasPassword();
    if (stored && isOn() && choice.oldPassword.isEmpty() && choice.newPassword.isEmpty() &&
        choice.verifyPassword.isEmpty()) {
        return {Outcome::Unchanged, {}};
    }
    if (const std::optional<Applied> refused = refuseWrongOldPassword(choice.oldPassword)) return *refused;
    if (choice.newPassword != choice.verifyPassword) return {Outcome::VerificationFailed, {}};
    if (choice.newPassword.size() > kMaxLength) return {Outcome::TooLong, {}};
    std::optional<QString> verifier = settings_.readString(kGroup, kPassword);
    if (choice.newPassword.isEmpty()) {
        if (!stored) return {Outcome::NewPasswordNeeded, {}};
    } else {
        Result<QString> made = passwordVerifier(choice.newPassword);
        if (!made) return failed(made.error());
        verifier = std::move(made).value();
    }
    if (Result<void> written = store(true, verifier); !written) return failed(written.error());
    return {Outcome::Saved, {}};
}

Result<void> PasswordProtection::clear() {
    return store(false, std::nullopt);
}

Result<void> PasswordProtection::store(bool display, const std::optional<QString>& verifier) {
    const std::optional<QString> oldDisplay = settings_.readString(kGroup, kDisplay);
    const std::optional<QString> oldVerifier = settings_.readString(kGroup, kPassword);
    const auto put = [this](const QString& name, const std::optional<QString>& value) {
        if (value) settings_.writeString(kGroup, name, *value);
        else settings_.removeValue(kGroup, name);
    };
    settings_.writeBool(kGroup, kDisplay, display);
    put(kPassword, verifier);
    Result<void> flushed = settings_.flush();
    if (!flushed) {
        // What this program reads for the rest of the run matches what is on disk.
        put(kDisplay, oldDisplay);
        put(kPassword, oldVerifier);
    }
    return flushed;
}

}  // namespace markwell
