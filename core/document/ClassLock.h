// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <chrono>
#include <memory>

class QLockFile;

namespace markwell {

// One writer at a time: a lock file in the class's folder of the program's
// data folder (never beside the class), so that it works for classes on
// read-only or shared drives alike. A lock left by a process that died is
// taken over without a word.
//
// A class has two locks, for two different promises:
// - Open: held by a window for as long as the class is open in it, so that
//   another window opening the same class can warn. Nothing else waits for
//   it: a script may change a class that is open in a window.
// - Change: held for the few moments of a read-change-write (a markwell-cli
//   command, a window's save), so that two changes never interleave and one
//   of them is lost.
class ClassLock {
public:
    enum class Kind { Open, Change };

    ClassLock(const QString& gradePath, Kind kind);
    ~ClassLock();
    ClassLock(const ClassLock&) = delete;
    ClassLock& operator=(const ClassLock&) = delete;

    // Takes the lock, waiting for it up to `wait`. True once it is held;
    // false when another live process (or another lock of this one) holds
    // it; an error when the lock file cannot be made.
    Result<bool> take(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    bool isTaken() const;
    void release();

    // The grade file the lock is for, as it was given.
    const QString& classPath() const { return classPath_; }

private:
    QString classPath_;
    Kind kind_;
    std::unique_ptr<QLockFile> file_;
};

// The lock file of a class (for tests and for a person looking for it).
QString classLockPath(const QString& gradePath, ClassLock::Kind kind);

}  // namespace markwell
