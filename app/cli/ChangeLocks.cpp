// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ChangeLocks.h"

#include "core/document/DataFolder.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace markwell::cli {
namespace {

struct ChangeLocking {
    Q_DECLARE_TR_FUNCTIONS(ChangeLocking)
};

// Each class once, in one order for every command, so that two commands
// locking the same two classes never wait for each other.
QStringList classesInLockOrder(const QStringList& gradePaths) {
    std::vector<std::pair<QString, QString>> byKey;  // key path, path as given
    for (const QString& path : gradePaths) byKey.emplace_back(classKeyPath(path), path);
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
            // The program's own folder is out of reach: the change goes on
            // unguarded, as it did before there were locks.
            console.error(ChangeLocking::tr("warning: %1").arg(taken.message()));
            continue;
        }
        if (!*taken) {
            console.error(ChangeLocking::tr("%1 is being changed by another program; nothing was written. "
                                            "Try again once it is done.")
                              .arg(path));
            return std::nullopt;
        }
        locks.push_back(std::move(lock));
    }
    return locks;
}

}  // namespace markwell::cli
