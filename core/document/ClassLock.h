// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <chrono>
#include <memory>

class QLockFile;

namespace markwell {

class LockFile;

// A class has two locks, for two different promises:
// - Open: held by a window for as long as the class is open in it, so that
//   another window opening the same class can warn. Nothing else waits for
//   it: a script may change a class that is open in a window. It lives in
//   the class's folder of the program's data folder.
// - Change: held for the few moments of a read-change-write (a markwell-cli
//   command, a window's save, the finishing of an interrupted save), so
//   that two changes never interleave and one of them is lost. It is a
//   hidden file beside the class (".period1.grs.lock"), so that programs of
//   other users and other computers sharing the folder see it too, and it
//   is there only while it is held.
// A lock left by a process that died is taken over without a word.
class ClassLock {
public:
    enum class Kind { Open, Change };

    ClassLock(const QString& gradePath, Kind kind);
    ~ClassLock();
    ClassLock(const ClassLock&) = delete;
    ClassLock& operator=(const ClassLock&) = delete;

    // Takes the lock, waiting for it up to `wait`. True once held; false
    // when another live process holds it; an error when the lock file
    // cannot be made. Within one process a change lock is shared (a save
    // inside a command that holds it); an open lock is not.
    Result<bool> take(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    bool isTaken() const;
    void release();
    // Whether a change lock is still this process's own, not taken over.
    bool stillHeld() const;

    // The grade file the lock is for, as it was given.
    const QString& classPath() const { return classPath_; }

private:
    QString classPath_;
    Kind kind_;
    std::unique_ptr<QLockFile> openFile_;
    std::unique_ptr<LockFile> changeFile_;
};

// The lock file of a class (for tests and for a person looking for it).
QString classLockPath(const QString& gradePath, ClassLock::Kind kind);

// A hidden file beside the class for what every program opening it must see
// (".period1.grs" + suffix). Named after the grade file with its links
// followed and its extension as ".grs", so that every name of one class
// (another capitalisation, a link) finds the same one.
QString besideClassPath(const QString& gradePath, const QString& suffix);

// The refusal of a class whose change lock another program holds.
QString beingChangedMessage(const QString& gradePath);
// The refusal of a class whose change lock cannot be made, for `reason`:
// no class is written without it.
QString cannotLockMessage(const QString& gradePath, const QString& reason);

}  // namespace markwell
