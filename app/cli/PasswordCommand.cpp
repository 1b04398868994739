// password set | clear | check: the start-up password, with the passwords
// read from standard input, one per line, so that they never show in a
// process list or a shell's history.

#include "cli/Commands.h"

#include "settings/PasswordProtection.h"
#include "settings/QSettingsStore.h"

#include <cstdio>

#include <termios.h>
#include <unistd.h>

namespace markwell::cli {
namespace {

// The next line of standard input without its line end; none at its end.
// At a terminal the question is asked on stderr and the typing not shown.
std::optional<QString> readLine(const char* question) {
    const bool terminal = isatty(STDIN_FILENO) == 1;
    termios saved{};
    if (terminal && tcgetattr(STDIN_FILENO, &saved) == 0) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        std::fprintf(stderr, "%s: ", question);
    }
    QByteArray line;
    int ch = 0;
    while ((ch = std::fgetc(stdin)) != EOF && ch != '\n') line.append(static_cast<char>(ch));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (ch == EOF && line.isEmpty()) return std::nullopt;
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
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

int setPassword(PasswordProtection& passwords, const Console& console) {
    PasswordProtection::Choice choice{true, {}, {}, {}};
    const bool stored = passwords.hasPassword();
    std::optional<QString> oldPassword = stored ? readLine("Old password") : QString();
    std::optional<QString> newPassword = readLine("New password");
    std::optional<QString> verify = readLine("New password again");
    if (!oldPassword || !newPassword || !verify) {
        console.error(stored ? QStringLiteral("password set: give the old password, then the new one twice, "
                                              "one per line on standard input")
                             : QStringLiteral("password set: give the new password twice, one per line on "
                                              "standard input"));
        return kExitFailed;
    }
    choice.oldPassword = *oldPassword;
    choice.newPassword = *newPassword;
    choice.verifyPassword = *verify;
    const PasswordProtection::Applied applied = passwords.apply(choice);
    switch (applied.outcome) {
    case PasswordProtection::Outcome::Saved:
    case PasswordProtection::Outcome::Unchanged:
        console.printLine(choice.newPassword.isEmpty()
                              ? QStringLiteral("Password protection is on, with the stored password.")
                              : QStringLiteral("Password protection is on, with the new password."));
        return kExitOk;
    case PasswordProtection::Outcome::Failed:
        console.error(QStringLiteral("password set: ") + applied.message);
        return kExitFailed;
    default: console.error(QStringLiteral("password set: ") + refusal(applied.outcome)); return kExitFailed;
    }
}

int clearPassword(PasswordProtection& passwords, const Console& console) {
    if (passwords.hasPassword()) {
        const Result<bool> matches = passwords.accepts(readLine("Old password").value_or(QString()));
        if (!matches || !*matches) {
            console.error(QStringLiteral("password clear: ") +
                          (matches ? QStringLiteral("the old password is incorrect") : matches.message()));
            return kExitFailed;
        }
    }
    if (const Result<void> cleared = passwords.clear(); !cleared) {
        console.error(QStringLiteral("password clear: ") + cleared.message());
        return kExitFailed;
    }
    console.printLine(QStringLiteral("Password protection is off and no password is stored."));
    return kExitOk;
}

int checkPassword(const PasswordProtection& passwords, const Console& console) {
    const bool stored = passwords.hasPassword();
    const Result<bool> matches = passwords.accepts(readLine("Password").value_or(QString()));
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

}  // namespace

int runPassword(const QStringList& args, const Console& console) {
    if (args.size() != 1) return console.usage(QStringLiteral("password: give set, clear or check"));
    QSettingsStore settings;
    PasswordProtection passwords(settings);
    if (args[0] == QLatin1String("set")) return setPassword(passwords, console);
    if (args[0] == QLatin1String("clear")) return clearPassword(passwords, console);
    if (args[0] == QLatin1String("check")) return checkPassword(passwords, console);
    return console.usage(QStringLiteral("password: \"%1\" is not set, clear or check").arg(args[0]));
}

}  // namespace markwell::cli
