// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace markwell {
namespace {

const QString kRecentFilesKey = QStringLiteral("RecentFiles/paths");

QString fullPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

QStringList recentFiles() {
    // The settings file is the user's to edit: empty, repeated and surplus
    // entries are passed over.
    QStringList paths;
    for (const QString& path : QSettings().value(kRecentFilesKey).toStringList()) {
        if (path.isEmpty()) continue;
        const QString full = fullPath(path);
        if (!paths.contains(full)) paths << full;
        if (paths.size() == kMaxRecentFiles) break;
    }
    return paths;
}

void rememberRecentFile(const QString& path) {
    if (path.isEmpty()) return;
    const QString full = fullPath(path);
    QStringList paths = recentFiles();
    paths.removeAll(full);
    paths.prepend(full);
    QSettings().setValue(kRecentFilesKey, paths.mid(0, kMaxRecentFiles));
}

void clearRecentFiles() {
    QSettings().remove(kRecentFilesKey);
}

}  // namespace markwell
