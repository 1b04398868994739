// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/OrdinaryUser.h"

#include <QByteArray>
#include <QFile>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace markwell::test {
namespace {

// The child's answer: "1" for success, "0" and the message for a failure.
QByteArray encode(const Result<void>& result) {
    return result.ok() ? QByteArray("1") : QByteArray("0") + result.message().toUtf8();
}

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0) return;
        done += n;
    }
}

QByteArray readAll(int fd) {
    QByteArray bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, n);
    return bytes;
}

}  // namespace

OrdinaryUser::OrdinaryUser() : asRoot_(::geteuid() == 0) {
    if (!asRoot_) return;
    const passwd* nobody = ::getpwnam("nobody");
    available_ = nobody != nullptr && nobody->pw_uid != 0;
    if (available_) {
        uid_ = nobody->pw_uid;
        gid_ = nobody->pw_gid;
    }
}

bool OrdinaryUser::own(const QString& path) const {
    if (!asRoot_) return true;
    return available_ && ::chown(QFile::encodeName(path).constData(), uid_, gid_) == 0;
}

Result<void> OrdinaryUser::run(const std::function<Result<void>()>& step) const {
    if (!asRoot_) return step();
    if (!available_) return fail(QStringLiteral("there is no unprivileged user to run as"));
    int fds[2];
    if (::pipe(fds) != 0) return fail(QStringLiteral("no pipe to the child"));
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return fail(QStringLiteral("no child process"));
    }
    if (child == 0) {
        ::close(fds[0]);
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid_) == 0 && ::setuid(uid_) == 0;
        writeAll(fds[1], dropped ? encode(step()) : QByteArray("0could not become the unprivileged user"));
        ::_exit(0);  // no exit handlers: they belong to the test program
    }
    ::close(fds[1]);
    const QByteArray answer = readAll(fds[0]);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || answer.isEmpty()) return fail(QStringLiteral("the step ended without an answer"));
    if (answer.front() == '1') return {};
    return fail(QString::fromUtf8(answer.mid(1)));
}

}  // namespace markwell::test
