// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/AtomicFile.h"

#include "core/files/StagedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace markwell {
namespace {

struct AtomicFile {
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
};

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

int renameFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}

struct Replaced {
    QString target;
    QString backup;  // empty when the file was new
};

// Puts back what a failed set replaced, the last first.
void restore(const std::vector<Replaced>& replaced) {
    for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
        if (it->backup.isEmpty()) {
            QFile::remove(it->target);
        } else {
            renameFile(it->backup, it->target);
        }
    }
}

Result<void> commitAll(std::vector<StagedFile>& staged, const RenameStep& rename) {
    const bool keepsBackups = staged.size() > 1;  // one file alone is never half replaced
    std::vector<Replaced> replaced;
    Result<void> outcome;
    for (StagedFile& file : staged) {
        Replaced step{file.target(), {}};
        if (keepsBackups && QFileInfo::exists(file.target())) {
            if (!file.keepOldContent()) {
                outcome = fail(unableToCreate(file.path(), systemError(errno)));
                break;
            }
            step.backup = file.backupPath();
        }
        if (rename(file.tempPath(), file.target()) != 0) {
            outcome = fail(unableToCreate(file.path(), systemError(errno)));
            if (!step.backup.isEmpty()) QFile::remove(step.backup);
            break;
        }
        file.markCommitted();
        replaced.push_back(step);
    }
    if (!outcome) restore(replaced);
    for (const Replaced& step : replaced) {
        if (outcome && !step.backup.isEmpty()) QFile::remove(step.backup);
    }
    for (const StagedFile& file : staged) syncFolderOf(file.target());
    return outcome;
}

}  // namespace

QString unableToCreate(const QString& path, const QString& reason) {
    if (reason.isEmpty()) return AtomicFile::tr("Unable to create %1").arg(path);
    return AtomicFile::tr("Unable to create %1: %2").arg(path, reason);
}

Result<void> writeFilesAsSet(const std::vector<FileToWrite>& files, const RenameStep& rename) {
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    // Every target checked and every content on disk before anything is replaced.
    for (const FileToWrite& file : files) {
        Result<StagedFile> started = StagedFile::begin(
            file.path, file.isPrivate ? StagedFile::Access::Private : StagedFile::Access::LikeReplaced);
        if (!started) return started.error();
        staged.push_back(std::move(started).value());
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (Result<void> written = staged[i].write(files[i].bytes); !written) return written;
        if (Result<void> finished = staged[i].finish(); !finished) return finished;
    }
    return commitAll(staged, rename ? rename : RenameStep(renameFile));
}

Result<FileSetWriter> FileSetWriter::begin(const QStringList& paths) {
    FileSetWriter set;
    set.staged_.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        Result<StagedFile> started = StagedFile::begin(path);
        if (!started) return started.error();
        set.staged_.push_back(std::move(started).value());
    }
    return set;
}

Result<void> FileSetWriter::write(std::size_t index, const QByteArray& bytes) {
    StagedFile& file = staged_.at(index);
    if (Result<void> written = file.write(bytes); !written) return written;
    return file.finish(false);
}

Result<void> FileSetWriter::commit() {
    if (staged_.empty()) return {};
    if (Result<void> synced = syncFileSystemOf(staged_.front().target()); !synced) return synced;
    return commitAll(staged_, RenameStep(renameFile));
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeFilesAsSet({FileToWrite{path, bytes}});
}

Result<void> writePrivateFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeFilesAsSet({FileToWrite{path, bytes, true}});
}

Result<void> writeFileAtomicallyVia(const QString& path,
                                    const std::function<Result<void>(const QString& tempPath)>& write) {
    Result<StagedFile> started = StagedFile::begin(path);
    if (!started) return started.error();
    std::vector<StagedFile> staged;
    staged.push_back(std::move(started).value());
    if (Result<void> written = write(staged.front().tempPath()); !written) {
        return fail(unableToCreate(path, written.message()));
    }
    if (Result<void> finished = staged.front().finish(); !finished) return finished;
    return commitAll(staged, RenameStep(renameFile));
}

}  // namespace markwell
