#include "settings/PasswordProtection.h"

#include <sodium.h>

namespace markwell {
namespace {

const SettingsGroup kGroup = {QStringLiteral("PasswordProtection")};
const QString kDisplay = QStringLiteral("Display");
const QString kPassword = QStringLiteral("Password");

}  // namespace

Result<void> initialisePasswordHashing() {
    // 0 on the first call, 1 when already done, -1 when the library cannot work.
    if (sodium_init() < 0) {
        return fail(QStringLiteral("Passwords cannot be checked on this computer: the password library "
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
        return fail(QStringLiteral("The password could not be stored: there is not enough memory to protect it."));
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

PasswordProtection::Applied PasswordProtection::apply(const Choice& choice) {
    const auto failed = [](const Error& error) { return Applied{Outcome::Failed, error.message}; };
    if (!choice.protect) {
        // Switching off asks for nothing and keeps the password for later.
        const std::optional<QString> kept = settings_.readString(kGroup, kPassword);
        if (Result<void> stored = store(false, kept); !stored) return failed(stored.error());
        return {Outcome::Saved, {}};
    }
    const bool stored = hasPassword();
    if (stored && isOn() && choice.oldPassword.isEmpty() && choice.newPassword.isEmpty() &&
        choice.verifyPassword.isEmpty()) {
        return {Outcome::Unchanged, {}};
    }
    if (stored) {
        const Result<bool> matches = accepts(choice.oldPassword);
        if (!matches) return failed(matches.error());
        if (!*matches) return {Outcome::OldPasswordIncorrect, {}};
    }
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
