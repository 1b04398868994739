// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

// The new content of one file, written beside it under a temporary name
// (".NAME.PID.part", hidden) until it is renamed over the file. A link is
// followed: the file it points to is the one replaced, whatever the format.
//
// Starting one removes what earlier writes of the same name left behind when
// they were killed (their process is gone), so a killed save or export
// leaves nothing for long. The temporary file is removed again when the
// staged file goes without being committed.
class StagedFile {
public:
    // The permissions the new content gets: those of the file it replaces
    // (a new file follows the umask), or private (0600) whatever was there.
    enum class Access { LikeReplaced, Private };

    // Refuses, with "Unable to create " + path + the reason, a target that is
    // not a plain file or that the user may not write, before anything is
    // written; otherwise creates the empty temporary file.
    static Result<StagedFile> begin(const QString& path, Access access = Access::LikeReplaced);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    const QString& path() const { return path_; }      // as the caller named it
    const QString& target() const { return target_; }  // the file replaced, links followed
    const QString& tempPath() const { return tempPath_; }

    // Writes the whole content into the temporary file.
    Result<void> write(const QByteArray& bytes);
    // Makes the temporary file durable, with its permissions (see Access):
    // it can then be renamed into place. A set of many files passes `sync`
    // false and syncs their disk once (syncFileSystemOf) before renaming
    // any: a sync per file is slow.
    Result<void> finish(bool sync = true);
    // The temporary file has been renamed into place: it is no longer removed.
    void markCommitted() { tempPath_.clear(); }

    // The name beside `target` under which a save keeps the old content
    // while the files of a set are renamed one by one.
    QString backupPath() const;
    // Keeps the target's present content under backupPath(); false when it
    // cannot be kept.
    bool keepOldContent() const;

private:
    StagedFile(QString path, QString target, QString tempPath, Access access);
    void discard();

    QString path_;
    QString target_;
    QString tempPath_;
    Access access_ = Access::LikeReplaced;
};

// Syncs the folder that holds `path`, so that a rename in it is durable.
void syncFolderOf(const QString& path);
// Makes everything written to the disk that holds `path` durable.
Result<void> syncFileSystemOf(const QString& path);

// Whether what a write named after process `pid` left beside its file is
// left over: that process is gone (or it is this one, which writes each
// name once at a time).
bool writerIsGone(qint64 pid);

}  // namespace markwell
