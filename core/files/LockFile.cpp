// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/LockFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace markwell {
namespace {

// The locks this process holds: the file it made and how many holders share
// it. A process started by fork() holds none of its parent's.
struct Held {
    dev_t device = 0;
    ino_t inode = 0;
    int holders = 0;
    pid_t holder = 0;
};

std::map<QString, Held>& heldLocks() {
    static std::map<QString, Held> held;
    std::erase_if(held, [](const auto& entry) { return entry.second.holder != ::getpid(); });
    return held;
}

QString lockKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QByteArray holderText() {
    return QByteArray::number(::getpid()) + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n';
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

enum class Attempt { Made, Exists, Failed };

// Makes the lock file with the holder's lines in it, unless it is there.
Attempt makeLockFile(const QByteArray& native, struct stat& made) {
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? Attempt::Exists : Attempt::Failed;
    const QByteArray text = holderText();
    const bool written = ::write(fd, text.constData(), static_cast<size_t>(text.size())) == text.size();
    const bool known = ::fstat(fd, &made) == 0;
    ::close(fd);
    if (written && known) return Attempt::Made;
    const int error = errno;
    ::unlink(native.constData());
    errno = error;
    return Attempt::Failed;
}

bool olderThanUnfinishedAge(const struct stat& st) {
    const qint64 age = QDateTime::currentSecsSinceEpoch() - static_cast<qint64>(st.st_mtime);
    return age > kUnfinishedLockAge.count();
}

// Whether the lock whose file is `st` was left by a holder that can no longer let go.
bool isStale(const QByteArray& native, const struct stat& st, const QString& key) {
    QFile file(QFile::decodeName(native));
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
    const QList<QByteArray> lines = text.split('\n');
    bool numbered = false;
    const qint64 pid = lines.value(0).toLongLong(&numbered);
    if (!numbered || pid <= 0 || lines.size() < 2) return olderThanUnfinishedAge(st);
    if (QString::fromUtf8(lines.at(1)) != QSysInfo::machineHostName()) return false;
    // A file with this process's number that it does not hold was left by an
    // earlier process of that number.
    if (pid == ::getpid()) return !heldLocks().contains(key);
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes a stale lock, unless it was replaced between the look and now.
bool removeIfStale(const QByteArray& native, const QString& key) {
    struct stat seen {};
    if (::stat(native.constData(), &seen) != 0) return errno == ENOENT;
    if (!isStale(native, seen, key)) return false;
    struct stat now {};
    if (::stat(native.constData(), &now) != 0 || !sameFile(seen, now) || now.st_mtime != seen.st_mtime) return false;
    return ::unlink(native.constData()) == 0 || errno == ENOENT;
}

}  // namespace

LockFile::LockFile(const QString& path) : path_(lockKey(path)) {}

LockFile::~LockFile() {
    release();
}

Result<bool> LockFile::take(std::chrono::milliseconds wait) {
    if (taken_) return true;
    if (auto held = heldLocks().find(path_); held != heldLocks().end()) {
        ++held->second.holders;
        taken_ = true;
        return true;
    }
    const QByteArray native = QFile::encodeName(path_);
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + wait.count();
    for (;;) {
        struct stat made {};
        switch (makeLockFile(native, made)) {
        case Attempt::Made:
            heldLocks()[path_] = Held{made.st_dev, made.st_ino, 1, ::getpid()};
            taken_ = true;
            return true;
        case Attempt::Failed: return fail(QString::fromLocal8Bit(std::strerror(errno)));
        case Attempt::Exists: break;
        }
        if (removeIfStale(native, path_)) continue;
        if (QDateTime::currentMSecsSinceEpoch() >= deadline) return false;
        QThread::msleep(25);
    }
}

void LockFile::release() {
    if (!taken_) return;
    // Only the file this process made: one taken over meanwhile is its new holder's.
    const bool ours = stillHeld();
    taken_ = false;
    auto held = heldLocks().find(path_);
    if (held == heldLocks().end() || --held->second.holders > 0) return;
    if (ours) ::unlink(QFile::encodeName(path_).constData());
    heldLocks().erase(held);
}

bool LockFile::stillHeld() const {
    const auto held = heldLocks().find(path_);
    if (!taken_ || held == heldLocks().end()) return false;
    struct stat now {};
    return ::stat(QFile::encodeName(path_).constData(), &now) == 0 && now.st_dev == held->second.device &&
           now.st_ino == held->second.inode;
}

}  // namespace markwell
