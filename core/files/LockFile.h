// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <chrono>

namespace markwell {

// A lock kept as a file that every program sharing its folder sees, on this
// computer or another: it holds the holder's process number, computer and
// program, and it is there only while it is held.
//
// A lock is stale, and is taken over, when its process is gone on this
// computer, or when its file is empty or unreadable and older than
// kUnfinishedLockAge (a holder killed between making it and writing into
// it). A lock held on another computer is never judged from here.
//
// Within one process a lock is shared: a second LockFile of the same path
// is granted at once, so that a step that holds it may call one that takes
// it again. The file goes when the last of them lets go.
class LockFile {
public:
    explicit LockFile(const QString& path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock, waiting up to `wait` for its holder to let go. True
    // once held; false while another holder keeps it; an error (the
    // system's reason) when the file cannot be made.
    Result<bool> take(std::chrono::milliseconds wait);
    bool isTaken() const { return taken_; }
    void release();

    // Whether the file is still the one this process made: false when
    // another program took it over meanwhile.
    bool stillHeld() const;

    const QString& path() const { return path_; }

private:
    QString path_;
    bool taken_ = false;
};

inline constexpr std::chrono::seconds kUnfinishedLockAge{10};

}  // namespace markwell
