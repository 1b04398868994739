// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/settings/SettingsStore.h"

#include <QString>

#include <optional>

namespace markwell {

// The password asked for at start-up, shared by every class of this user.
// The settings group "PasswordProtection" holds "Display" (1 while the
// password is asked at start-up) and "Password": never the password itself,
// only an Argon2id verifier of it, from which the password cannot be read
// back. Nothing is written before every check has passed, and every write is
// made permanent or reported.
class PasswordProtection {
public:
    // Passwords have at most this many characters, blanks included.
    static constexpr int kMaxLength = 25;

    explicit PasswordProtection(SettingsStore& settings) : settings_(settings) {}

    // Whether the password is asked at start-up.
    bool isOn() const;
    // Whether a password is stored (it outlives switching the protection off).
    bool hasPassword() const;

    // Whether the typed text is the stored password, exactly (letter case and
    // blanks count). With no password stored any text is accepted. Fails only
    // when passwords cannot be checked on this computer.
    Result<bool> accepts(const QString& typed) const;

    // What the Options dialog holds when OK is pressed.
    struct Choice {
        bool protect = false;
        QString oldPassword;
        QString newPassword;
        QString verifyPassword;
        bool removePassword = false;  // with protect off: forget the stored password too
    };
    enum class Outcome {
        Saved,                 // the choice is stored
        Unchanged,             // the protection stays on as it is; nothing to write
        OldPasswordIncorrect,  // the old password does not match the stored one
        VerificationFailed,    // the new password and its verification differ
        NewPasswordNeeded,     // protection on with no password stored and none given
        TooLong,               // a new password of more than kMaxLength characters
        Failed,                // the password could not be checked or stored: see message
    };
    struct Applied {
        Outcome outcome;
        QString message;  // why, for Failed
    };

    // OK of the Options dialog. Switching protection off, and removing the
    // stored password, need that password as the old one; switching off keeps
    // it unless it is removed, and protection already off with nothing to
    // remove changes nothing. Protection on needs the stored password (if
    // any) as the old one and two equal new entries; both new entries empty
    // keep a stored password, and are refused when none is stored. Protection
    // already on with all three boxes empty changes nothing. Nothing is
    // written unless the outcome is Saved; a failed write is undone and
    // reported.
    Applied apply(const Choice& choice);

    // Removes the password and switches the protection off (markwell-cli
    // password clear, once the old password has been given).
    Result<void> clear();

private:
    Applied switchOff(const Choice& choice);
    // The refusal of an old password that is not the stored one; none when
    // it is, or when no password is stored.
    std::optional<Applied> refuseWrongOldPassword(const QString& oldPassword) const;

    // Writes Display and Password (none removes it) and makes them permanent,
    // or restores what was there and says why.
    Result<void> store(bool display, const std::optional<QString>& verifier);

    SettingsStore& settings_;
};

// Makes the password hashing library ready; fails when it cannot be used.
Result<void> initialisePasswordHashing();

// An Argon2id verifier of the password ("$argon2id$v=19$..."), salted anew
// each time.
Result<QString> passwordVerifier(const QString& password);

// Whether the password is the one the verifier was made from. A stored text
// that is no verifier matches nothing.
Result<bool> verifierMatches(const QString& verifier, const QString& password);

}  // namespace markwell
