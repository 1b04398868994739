// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/StagedFile.h"

#include "core/files/AtomicFile.h"
#include "core/files/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwell {
namespace {

struct StagedFileText {
    Q_DECLARE_TR_FUNCTIONS(StagedFile)
};

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// The file a write of `path` replaces: a link is followed to its end (as far
// as it goes when it points nowhere yet).
QString finalTarget(const QString& path) {
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// Why the user cannot replace `target`, or nothing when they can (the folder
// is checked by creating the temporary file).
QString replaceProblem(const QString& target) {
    struct stat st {};
    if (::stat(nativePath(target).constData(), &st) != 0) return {};
    if (S_ISDIR(st.st_mode)) return StagedFileText::tr("it is a folder");
    if (!S_ISREG(st.st_mode)) return StagedFileText::tr("it is not a file");
    if (::access(nativePath(target).constData(), W_OK) != 0) return systemError(errno);
    return {};
}

// Removes ".NAME.PID.part" and ".NAME.PID.kept" beside `target` whose writer is gone.
void removeLeftOvers(const QString& target) {
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QRegularExpression pattern(
        QStringLiteral("^\\.%1\\.(\\d+)\\.(part|kept)$").arg(QRegularExpression::escape(info.fileName())));
    const QStringList candidates = folder.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch() && writerIsGone(match.captured(1).toLongLong())) QFile::remove(folder.filePath(name));
    }
}

QString tempNameFor(const QString& target, const char* kind) {
    const QFileInfo info(target);
    return info.absoluteDir().filePath(
        QStringLiteral(".%1.%2.%3").arg(info.fileName()).arg(::getpid()).arg(QLatin1String(kind)));
}

bool syncPath(const QString& path) {
    const int fd = ::open(nativePath(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The permissions of the file replaced, or those of a new file.
mode_t permissionsFor(const QString& target) {
    struct stat st {};
    if (::stat(nativePath(target).constData(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool writerIsGone(qint64 pid) {
    if (pid == ::getpid()) return true;  // this process writes each name once at a time
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

Result<StagedFile> StagedFile::begin(const QString& path, Access access) {
    const QString target = finalTarget(path);
    if (const QString problem = replaceProblem(target); !problem.isEmpty()) return fail(unableToCreate(path, problem));
    removeLeftOvers(target);
    const QString tempPath = tempNameFor(target, "part");
    const int fd = ::open(nativePath(tempPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return fail(unableToCreate(path, systemError(errno)));
    ::close(fd);
    return StagedFile(path, target, tempPath, access);
}

StagedFile::StagedFile(QString path, QString target, QString tempPath, Access access)
    : path_(std::move(path)), target_(std::move(target)), tempPath_(std::move(tempPath)), access_(access) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)), target_(std::move(other.target_)), tempPath_(std::move(other.tempPath_)),
      access_(other.access_) {
    other.tempPath_.clear();
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        discard();
        path_ = std::move(other.path_);
        target_ = std::move(other.target_);
        tempPath_ = std::move(other.tempPath_);
        access_ = other.access_;
        other.tempPath_.clear();
    }
    return *this;
}

StagedFile::~StagedFile() {
    discard();
}

void StagedFile::discard() {
    if (!tempPath_.isEmpty()) ::unlink(nativePath(tempPath_).constData());
    tempPath_.clear();
}

Result<void> StagedFile::write(const QByteArray& bytes) {
    const int fd = ::open(nativePath(tempPath_).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return fail(unableToCreate(path_, systemError(errno)));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A full disk or a file-size limit: the system says which.
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return fail(unableToCreate(path_, systemError(error)));
        }
        done += n;
    }
    if (::close(fd) != 0) return fail(unableToCreate(path_, systemError(errno)));
    return {};
}

Result<void> StagedFile::finish(bool sync) {
    if (sync && !syncPath(tempPath_)) return fail(unableToCreate(path_, systemError(errno)));
    const mode_t mode = access_ == Access::Private ? mode_t{kPrivateFileMode} : permissionsFor(target_);
    ::chmod(nativePath(tempPath_).constData(), mode);
    return {};
}

QString StagedFile::backupPath() const {
    return tempNameFor(target_, "kept");
}

bool StagedFile::keepOldContent() const {
    // A hard link costs nothing; a copy serves where links fail.
    const QByteArray backup = nativePath(backupPath());
    ::unlink(backup.constData());
    if (::link(nativePath(target_).constData(), backup.constData()) == 0) return true;
    return QFile::copy(target_, backupPath());
}

void syncFolderOf(const QString& path) {
    syncPath(QFileInfo(path).absolutePath());
}

Result<void> syncFileSystemOf(const QString& path) {
    const int fd = ::open(nativePath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        return fail(unableToCreate(path, systemError(error)));
    }
    ::close(fd);
    return {};
}

}  // namespace markwell
