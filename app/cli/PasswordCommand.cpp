// password set | clear | check: the start-up password, with the passwords
// read from standard input, one per line, so that they never show in a
// process list or a shell's history.

#include "cli/Commands.h"

#include "settings/PasswordProtection.h"
#include "settings/QSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>

#include <termios.h>
#include <unistd.h>

namespace markwell::cli {
namespace {

struct PasswordCommand {
    Q_DECLARE_TR_FUNCTIONS(PasswordCommand)
};

// The next line of standard input without its line end; none at its end.
// At a terminal the question is asked on stderr and the typing not shown.
std::optional<QString> readLine(const QString& question) {
    const bool terminal = isatty(STDIN_FILENO) == 1;
    termios saved{};
    if (terminal && tcgetattr(STDIN_FILENO, &saved) == 0) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        std::fprintf(stderr, "%s: ", question.toUtf8().constData());
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
    case Outcome::OldPasswordIncorrect: return PasswordCommand::tr("the old password is incorrect");
    case Outcome::VerificationFailed: return PasswordCommand::tr("the two new passwords differ");
    case Outcome::NewPasswordNeeded: return PasswordCommand::tr("no password is stored, so a new one is needed");
    case Outcome::TooLong:
        return PasswordCommand::tr("a password has at most %1 characters").arg(PasswordProtection::kMaxLength);
    default: return {};
    }
}

int setPassword(PasswordProtection& passwords, const Console& console) {
    PasswordProtection::Choice choice{true, {}, {}, {}};
    const bool stored = passwords.hasPassword();
    std::optional<QString> oldPassword = stored ? readLine(PasswordCommand::tr("Old password")) : QString();
    std::optional<QString> newPassword = readLine(PasswordCommand::tr("New password"));
    std::optional<QString> verify = readLine(PasswordCommand::tr("New password again"));
    if (!oldPassword || !newPassword || !verify) {
        console.error(stored ? PasswordCommand::tr("password set: give the old password, then the new one twice, "
                                                   "one per line on standard input")
                             : PasswordCommand::tr("password set: give the new password twice, one per line on "
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
                              ? PasswordCommand::tr("Password protection is on, with the stored password.")
                              : PasswordCommand::tr("Password protection is on, with the new password."));
        return kExitOk;
    case PasswordProtection::Outcome::Failed:
        console.error(QStringLiteral("password set: ") + applied.message);
        return kExitFailed;
    default: console.error(QStringLiteral("password set: ") + refusal(applied.outcome)); return kExitFailed;
    }
}

int clearPassword(PasswordProtection& passwords, const Console& console) {
    if (passwords.hasPassword()) {
        const Result<bool> matches = passwords.accepts(readLine(PasswordCommand::tr("Old password")).value_or(QString()));
        if (!matches || !*matches) {
            console.error(QStringLiteral("password clear: ") +
                          (matches ? PasswordCommand::tr("the old password is incorrect") : matches.message()));
            return kExitFailed;
        }
    }
    if (const Result<void> cleared = passwords.clear(); !cleared) {
        console.error(QStringLiteral("password clear: ") + cleared.message());
        return kExitFailed;
    }
    console.printLine(PasswordCommand::tr("Password protection is off and no password is stored."));
    return kExitOk;
}

int checkPassword(const PasswordProtection& passwords, const Console& console) {
    const bool stored = passwords.hasPassword();
    const Result<bool> matches = passwords.accepts(readLine(PasswordCommand::tr("Password")).value_or(QString()));
    if (!matches) {
        console.error(QStringLiteral("password check: ") + matches.message());
        return kExitFailed;
    }
    if (!*matches) {
        console.error(PasswordCommand::tr("password check: the password does not match"));
        return kExitFailed;
    }
    console.printLine(stored ? PasswordCommand::tr("The password matches.")
                             : PasswordCommand::tr("No password is stored: any password is accepted."));
    return kExitOk;
}

}  // namespace

int runPassword(const QStringList& args, const Console& console) {
    if (args.size() != 1) return console.usage(PasswordCommand::tr("password: give set, clear or check"));
    QSettingsStore settings;
    PasswordProtection passwords(settings);
    if (args[0] == QLatin1String("set")) return setPassword(passwords, console);
    if (args[0] == QLatin1String("clear")) return clearPassword(passwords, console);
    if (args[0] == QLatin1String("check")) return checkPassword(passwords, console);
    return console.usage(PasswordCommand::tr("password: \"%1\" is not set, clear or check").arg(args[0]));
}

}  // namespace markwell::cli
