#include "files/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwell {
namespace {

struct AtomicFile {
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
};

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Qt reports a failed write (a full disk, a file-size limit) as "Unknown
// error"; the system's own reason tells the teacher what to do about it.
QString writeError(const QSaveFile& file, int savedErrno) {
    const QString reason = file.errorString();
    if (savedErrno != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error"))) {
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    }
    return reason;
}

bool syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The new file gets the old one's permissions, or those of a fresh file.
void copyPermissions(const QString& from, const QString& to) {
    struct stat st {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(from).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(to).constData(), mode);
}

}  // namespace

QString unableToCreate(const QString& path, const QString& reason) {
    if (reason.isEmpty()) return AtomicFile::tr("Unable to create %1").arg(path);
    return AtomicFile::tr("Unable to create %1: %2").arg(path, reason);
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(unableToCreate(path, file.errorString()));
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = writeError(file, errno);
        file.cancelWriting();
        return fail(unableToCreate(path, reason));
    }
    if (::fsync(file.handle()) != 0) {
        const QString reason = systemError();
        file.cancelWriting();
        return fail(unableToCreate(path, reason));
    }
    if (!file.commit()) return fail(unableToCreate(path, file.errorString()));
    return {};
}

Result<void> writeFileAtomicallyVia(const QString& path,
                                    const std::function<Result<void>(const QString& tempPath)>& write) {
    const QFileInfo target(path);
    // A rename would replace a file the user made read-only; refuse it as
    // the direct writes do.
    if (target.exists() && !target.isWritable()) {
        return fail(unableToCreate(path, QString::fromLocal8Bit(std::strerror(EACCES))));
    }
    QTemporaryFile temp(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temp.open()) return fail(unableToCreate(path, temp.errorString()));
    const QString tempPath = temp.fileName();
    temp.close();

    if (Result<void> written = write(tempPath); !written) {
        return fail(unableToCreate(path, written.message()));
    }
    if (!syncPath(tempPath)) return fail(unableToCreate(path, systemError()));
    copyPermissions(path, tempPath);
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0) {
        return fail(unableToCreate(path, systemError()));
    }
    temp.setAutoRemove(false);  // it has become the target
    syncPath(target.absolutePath());
    return {};
}

}  // namespace markwell
