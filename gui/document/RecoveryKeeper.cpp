// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/RecoveryKeeper.h"

#include "core/document/RecoveryCopy.h"
#include "core/files/DataFolder.h"
#include "core/files/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>

#include <optional>

namespace markwell {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kEvery = std::chrono::minutes(2);
constexpr milliseconds kAfterLastChange = std::chrono::seconds(10);

std::optional<milliseconds> intervalFromEnvironment() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("MARKWELL_RECOVERY_MS", &ok);
    if (!ok || ms <= 0) return std::nullopt;
    return milliseconds(ms);
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(const Document& document, QObject* parent) : QObject(parent), document_(document) {
    afterLastChange_.setSingleShot(true);
    connect(&every_, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    connect(&afterLastChange_, &QTimer::timeout, this, &RecoveryKeeper::writeCopy);
    const std::optional<milliseconds> forTests = intervalFromEnvironment();
    setIntervals(forTests.value_or(kEvery), forTests.value_or(kAfterLastChange));
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::setIntervals(milliseconds every, milliseconds afterLastChange) {
    every_.setInterval(every);
    afterLastChange_.setInterval(afterLastChange);
}

void RecoveryKeeper::noteChange() {
    if (!document_.modified) return;
    afterLastChange_.start();
    if (!every_.isActive()) every_.start();
}

void RecoveryKeeper::writeCopy() {
    if (!document_.modified || !document_.isTitled()) return;
    if (!holdLockFor(document_.markwellFile)) {
        emit copyFailed(tr("Another Markwell window keeps the recovery copy of %1; this window keeps none.")
                            .arg(QDir::toNativeSeparators(document_.markwellFile)));
        return;
    }
    if (Result<void> written = writeRecoveryCopy(document_, QDateTime::currentDateTime()); !written) {
        emit copyFailed(tr("The recovery copy could not be written: %1").arg(written.message()));
    }
}

void RecoveryKeeper::discardCopy() {
    every_.stop();
    afterLastChange_.stop();
    if (keptFor_.isEmpty()) return;
    const QString gradePath = keptFor_;
    releaseLock();
    removeRecoveryCopy(gradePath);
}

void RecoveryKeeper::followDocument() {
    discardCopy();
    if (!document_.modified) return;
    writeCopy();
    every_.start();
}

bool RecoveryKeeper::holdLockFor(const QString& gradePath) {
    if (lock_ && keptFor_ == gradePath) return true;
    releaseLock();
    const QString folder = recoveryFolderFor(gradePath);
    if (!createClassDataFolder(gradePath) || !makePrivateFolder(folder)) return false;
    auto lock = std::make_unique<QLockFile>(recoveryLockPath(folder));
    lock->setStaleLockTime(0);  // held for as long as the class is open
    if (!lock->tryLock(0)) return false;
    makePrivate(recoveryLockPath(folder));
    lock_ = std::move(lock);
    keptFor_ = gradePath;
    return true;
}

void RecoveryKeeper::releaseLock() {
    lock_.reset();
    keptFor_.clear();
}

}  // namespace markwell
