// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// password set | clear | check: the start-up password, with the passwords
// read from standard input, one per line, so that they never show in a
// process list or a shell's history.

#include "app/cli/Commands.h"
#include "app/cli/SecretInput.h"

#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"

namespace markwell::cli {
namespace {

// The lines answering the questions, in order; a missing line is empty when
// `missing` is empty, otherwise it is refused with that message. Gives none,
// after saying why, when a line is refused.
std::optional<QStringList> readPasswords(const QString& command, const QStringList& questions, const QString& missing,
                                         const Console& console) {
    QStringList lines;
    for (const QString& question : questions) {
        const Result<std::optional<QString>> line = readSecretLine(question);
        if (!line) {
            console.error(command + QStringLiteral(": ") + line.message());
            return std::nullopt;
        }
        if (!*line && !missing.isEmpty()) {
            console.error(command + QStringLiteral(": ") + missing);
            return std::nullopt;
        }
        lines << line->value_or(QString());
    }
    return lines;
}

QString refusal(PasswordProtection::Outcome outcome) {
    using Outcome = PasswordProtection::Outcome;
    switch (outcome) {
    case Outcome::OldPasswordIncorrect: return QStringLiteral("the old password is incorrect");
    case Outcome::VerificationFailed: return QStringLiteral("the two new passwords differ");
    case Outcome::NewPasswordNeeded: return QStringLiteral("no password is stored, so a new one is needed");
    case Outcome::TooLong:
        return QStringLiteral("a password has at most %1 characters").arg(PasswordProtection::kMaxLength);
    default: return {};
    }
}

// Whether the old password is the stored one; says why not.
bool oldPasswordAccepted(const PasswordProtection& passwords, const QString& oldPassword, const QString& command,
                         const Console& console) {
    const Result<bool> matches = passwords.accepts(oldPassword);
    if (matches && *matches) return true;
    console.error(command + QStringLiteral(": ") +
                  (matches ? refusal(PasswordProtection::Outcome::OldPasswordIncorrect) : matches.message()));
    return false;
}

int setPassword(PasswordProtection& passwords, const Console& console) {
    const QString command = QStringLiteral("password set");
    const bool stored = passwords.hasPassword();
    QStringList questions = {QStringLiteral("New password"), QStringLiteral("New password again")};
    if (stored) questions.prepend(QStringLiteral("Old password"));
    const std::optional<QStringList> lines = readPasswords(
        command, questions,
        stored ? QStringLiteral("give the old password, then the new one twice, one per line on standard input")
               : QStringLiteral("give the new password twice, one per line on standard input"),
        console);
    if (!lines) return kExitFailed;
    const PasswordProtection::Choice choice{true, stored ? lines->front() : QString(), lines->at(lines->size() - 2),
                                            lines->back()};
    // The old password comes first: without it nothing else counts, not even
    // three empty lines.
    if (stored && !oldPasswordAccepted(passwords, choice.oldPassword, command, console)) return kExitFailed;
    const PasswordProtection::Applied applied = passwords.apply(choice);
    switch (applied.outcome) {
    case PasswordProtection::Outcome::Saved:
    case PasswordProtection::Outcome::Unchanged:
        console.printLine(choice.newPassword.isEmpty()
                              ? QStringLiteral("Password protection is on, with the stored password.")
                              : QStringLiteral("Password protection is on, with the new password."));
        return kExitOk;
    case PasswordProtection::Outcome::Failed:
        console.error(command + QStringLiteral(": ") + applied.message);
        return kExitFailed;
    default: console.error(command + QStringLiteral(": ") + refusal(applied.outcome)); return kExitFailed;
    }
}

int clearPassword(PasswordProtection& passwords, const Console& console) {
    const QString command = QStringLiteral("password clear");
    if (passwords.hasPassword()) {
        const std::optional<QStringList> old =
            readPasswords(command, {QStringLiteral("Old password")}, QString(), console);
        if (!old || !oldPasswordAccepted(passwords, old->front(), command, console)) return kExitFailed;
    }
    if (const Result<void> cleared = passwords.clear(); !cleared) {
        console.error(command + QStringLiteral(": ") + cleared.message());
        return kExitFailed;
    }
    console.printLine(QStringLiteral("Password protection is off and no password is stored."));
    return kExitOk;
}

int checkPassword(const PasswordProtection& passwords, const Console& console) {
    const bool stored = passwords.hasPassword();
    const std::optional<QStringList> typed =
        readPasswords(QStringLiteral("password check"), {QStringLiteral("Password")}, QString(), console);
    if (!typed) return kExitFailed;
    const Result<bool> matches = passwords.accepts(typed->front());
    if (!matches) {
        console.error(QStringLiteral("password check: ") + matches.message());
        return kExitFailed;
    }
    if (!*matches) {
        console.error(QStringLiteral("password check: the password does not match"));
        return kExitFailed;
    }
    console.printLine(stored ? QStringLiteral("The password matches.")
                             : QStringLiteral("No password is stored: any password is accepted."));
    return kExitOk;
}

int runPassword(const CommandArguments& args, const Console& console) {
    const QString action = args.positional[0];
    QSettingsStore settings;
    PasswordProtection passwords(settings);
    if (action == QLatin1String("set")) return setPassword(passwords, console);
    if (action == QLatin1String("clear")) return clearPassword(passwords, console);
    if (action == QLatin1String("check")) return checkPassword(passwords, console);
    return console.usage(QStringLiteral("password: \"%1\" is not set, clear or check").arg(action));
}

constexpr const char* kPasswordArguments[] = {"ACTION"};
constexpr Command kPassword{.name = "password",
                            .usage = "password set|clear|check",
                            .summary =
                                "Set, remove or check the start-up password, read from standard input one per line "
                                "(the old one first when one is stored).",
                            .run = runPassword,
                            .arguments = kPasswordArguments,
                            .place = 210};
const CommandRegistration kPasswordListed{kPassword};

}  // namespace

}  // namespace markwell::cli
