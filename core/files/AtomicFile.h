// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/files/StagedFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace markwell {

// Every file Markwell writes goes through one of these: the new content is
// written to a temporary file in the same folder, flushed and synced, then
// renamed over the old file (see StagedFile). A failure leaves the old file
// whole and returns "Unable to create " + path + ": " + the reason. A link is
// followed to the file it names, whatever the format.

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);
// The same for a file Markwell keeps for itself: it is 0600 whatever it was.
Result<void> writePrivateFileAtomically(const QString& path, const QByteArray& bytes);

// For libraries that can only write to a file name: `write` is called with the
// path of the temporary file and must leave the complete content there.
Result<void> writeFileAtomicallyVia(const QString& path,
                                    const std::function<Result<void>(const QString& tempPath)>& write);

struct FileToWrite {
    QString path;
    QByteArray bytes;
    bool isPrivate = false;  // one of Markwell's own files: 0600
};

// The step that moves a finished temporary file into place (rename(2) unless
// a test stands in for it); 0 on success, else -1 with errno set.
using RenameStep = std::function<int(const QString& from, const QString& to)>;

// Writes several files as one set: every target is checked and every new
// content fully written and synced under a temporary name before the first
// file is replaced; the files are then renamed into place in the order
// given. When a rename fails, the files already replaced get their old
// content back and those created are removed, so a failure leaves every
// file as it was. A kill leaves each file whole, old or new: put the file
// that makes the others count last.
Result<void> writeFilesAsSet(const std::vector<FileToWrite>& files, const RenameStep& rename = {});

// A set of files written one at a time, for sets too large to hold in
// memory at once (a folder of reports): each file goes to its temporary name
// as it is made, the disk is synced once, and only then are they renamed
// into place, as writeFilesAsSet does. A set dropped before commit()
// (cancelled, or one of its files failed) replaces nothing and leaves no
// temporary file behind.
class FileSetWriter {
public:
    // Checks every target and creates its temporary file, before anything
    // is written.
    static Result<FileSetWriter> begin(const QStringList& paths);

    // The whole content of file `index` (in the order of `paths`).
    Result<void> write(std::size_t index, const QByteArray& bytes);
    // Puts every file in place; all of them must have been written.
    Result<void> commit();

private:
    std::vector<StagedFile> staged_;
};

// The message of a failed write of `path`.
QString unableToCreate(const QString& path, const QString& reason);

}  // namespace markwell
