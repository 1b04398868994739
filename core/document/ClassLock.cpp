// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/ClassLock.h"

#include "core/document/DataFolder.h"

#include <QCoreApplication>
#include <QLockFile>

namespace markwell {
namespace {

struct ClassLocks {
    Q_DECLARE_TR_FUNCTIONS(ClassLocks)
};

QString lockFileName(ClassLock::Kind kind) {
    return kind == ClassLock::Kind::Open ? QStringLiteral("open.lock") : QStringLiteral("change.lock");
}

}  // namespace

QString classLockPath(const QString& gradePath, ClassLock::Kind kind) {
    return classDataFolder(gradePath) + u'/' + lockFileName(kind);
}

ClassLock::ClassLock(const QString& gradePath, Kind kind) : classPath_(gradePath), kind_(kind) {}

ClassLock::~ClassLock() = default;

Result<bool> ClassLock::take(std::chrono::milliseconds wait) {
    if (isTaken()) return true;
    if (Result<QString> folder = createClassDataFolder(classPath_); !folder) return folder.error();
    file_ = std::make_unique<QLockFile>(classLockPath(classPath_, kind_));
    // A window may keep a class open for hours: only a holder that is gone
    // makes a lock stale, never its age.
    file_->setStaleLockTime(0);
    if (file_->tryLock(static_cast<int>(wait.count()))) return true;
    const QLockFile::LockError error = file_->error();
    file_.reset();
    if (error == QLockFile::LockFailedError) return false;
    return fail(ClassLocks::tr("Unable to lock %1: the lock file cannot be made in %2.")
                    .arg(classPath_, classDataFolder(classPath_)));
}

bool ClassLock::isTaken() const {
    return file_ && file_->isLocked();
}

void ClassLock::release() {
    file_.reset();
}

}  // namespace markwell
