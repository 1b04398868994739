// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/SecretInput.h"

#include <cstdio>

#include <termios.h>
#include <unistd.h>

namespace markwell::cli {
Result<std::optional<QString>> readSecretLine(const QString& question) {
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
    if (ch == EOF && line.isEmpty()) return std::optional<QString>();
    if (line.endsWith('\r')) line.chop(1);
    if (!QByteArrayView(line).isValidUtf8()) {
        return fail(QStringLiteral("the password is not UTF-8 text; type it again in a UTF-8 terminal"));
    }
    return std::optional<QString>(QString::fromUtf8(line));
}

}  // namespace markwell::cli
