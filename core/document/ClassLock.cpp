// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/ClassLock.h"

#include "core/data/ClassRecord.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFolder.h"
#include "core/files/LockFile.h"
#include "core/files/PrivateFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

namespace markwell {
namespace {

struct ClassLocks {
    Q_DECLARE_TR_FUNCTIONS(ClassLocks)
};

}  // namespace

QString besideClassPath(const QString& gradePath, const QString& suffix) {
    const QFileInfo key(siblingPath(classKeyPath(gradePath), QStringLiteral("grs")));
    return key.absolutePath() + QStringLiteral("/.") + key.fileName() + suffix;
}

QString classLockPath(const QString& gradePath, ClassLock::Kind kind) {
    if (kind == ClassLock::Kind::Change) return besideClassPath(gradePath, QStringLiteral(".lock"));
    return classDataFolder(gradePath) + QStringLiteral("/open.lock");
}

QString beingChangedMessage(const QString& gradePath) {
    return ClassLocks::tr("%1 is being changed by another program; nothing was written. Try again once it is done.")
        .arg(gradePath);
}

QString cannotLockMessage(const QString& gradePath, const QString& reason) {
    return unableToCreate(gradePath, ClassLocks::tr("%1 (its lock %2 cannot be made, and a class is never written "
                                                    "without it)")
                                         .arg(reason, classLockPath(gradePath, ClassLock::Kind::Change)));
}

ClassLock::ClassLock(const QString& gradePath, Kind kind) : classPath_(gradePath), kind_(kind) {}

ClassLock::~ClassLock() = default;

Result<bool> ClassLock::take(std::chrono::milliseconds wait) {
    if (isTaken()) return true;
    if (kind_ == Kind::Change) {
        changeFile_ = std::make_unique<LockFile>(classLockPath(classPath_, kind_));
        Result<bool> taken = changeFile_->take(wait);
        if (!taken || !*taken) changeFile_.reset();
        return taken;
    }
    if (Result<QString> folder = createClassDataFolder(classPath_); !folder) return folder.error();
    openFile_ = std::make_unique<QLockFile>(classLockPath(classPath_, kind_));
    // A window may keep a class open for hours: only a holder that is gone
    // makes a lock stale, never its age.
    openFile_->setStaleLockTime(0);
    if (openFile_->tryLock(static_cast<int>(wait.count()))) {
        makePrivate(classLockPath(classPath_, kind_));
        return true;
    }
    const QLockFile::LockError error = openFile_->error();
    openFile_.reset();
    if (error == QLockFile::LockFailedError) return false;
    return fail(ClassLocks::tr("Unable to lock %1: the lock file cannot be made in %2.")
                    .arg(classPath_, classDataFolder(classPath_)));
}

bool ClassLock::isTaken() const {
    return (openFile_ && openFile_->isLocked()) || (changeFile_ && changeFile_->isTaken());
}

bool ClassLock::stillHeld() const {
    return changeFile_ && changeFile_->stillHeld();
}

void ClassLock::release() {
    openFile_.reset();
    changeFile_.reset();
}

}  // namespace markwell
