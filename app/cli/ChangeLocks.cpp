// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ChangeLocks.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace markwell::cli {
namespace {

// Each class once (by its lock: every name of a class has the same), in one
// order for every command, so that two commands locking the same two classes
// never wait for each other.
QStringList classesInLockOrder(const QStringList& gradePaths) {
    std::vector<std::pair<QString, QString>> byKey;  // lock path, path as given
    for (const QString& path : gradePaths) byKey.emplace_back(classLockPath(path, ClassLock::Kind::Change), path);
    std::stable_sort(byKey.begin(), byKey.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    byKey.erase(
        std::unique(byKey.begin(), byKey.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
        byKey.end());
    QStringList paths;
    for (const auto& entry : byKey) paths << entry.second;
    return paths;
}

}  // namespace

std::optional<ChangeLocks> lockForChange(const QStringList& gradePaths, const Console& console) {
    ChangeLocks locks;
    for (const QString& path : classesInLockOrder(gradePaths)) {
        auto lock = std::make_unique<ClassLock>(path, ClassLock::Kind::Change);
        const Result<bool> taken = lock->take(kChangeLockWait);
        if (!taken) {
            // No lock, no change: a change made unguarded could be lost.
            console.error(cannotLockMessage(QFileInfo(path).absoluteFilePath(), taken.message()));
            return std::nullopt;
        }
        if (!*taken) {
            console.error(beingChangedMessage(path));
            return std::nullopt;
        }
        locks.push_back(std::move(lock));
    }
    return locks;
}

}  // namespace markwell::cli
