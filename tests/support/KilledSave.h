// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// A save of several files under a journal, killed at one of its renames: a
// child process replaces the files and dies there, as a kill would leave
// them (no destructor, no clean-up), so the test sees exactly what is on disk.

#include "core/files/SaveJournal.h"

#include <QFile>

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace markwell::test {

// Dies just before rename number `renameNumber` (from 1), or just after it
// when `afterIt`. True when the child died there.
inline bool saveKilledAtRename(const std::vector<FileToWrite>& files, const QString& journal, int renameNumber,
                               bool afterIt = false) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        int renames = 0;
        (void)replaceFilesUnderJournal(
            files, journal, QStringLiteral("Save"), {}, [&](const QString& from, const QString& to) {
                if (!afterIt && ++renames == renameNumber) _exit(0);
                const int done = std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
                if (afterIt && ++renames == renameNumber) _exit(0);
                return done;
            });
        _exit(1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace markwell::test
