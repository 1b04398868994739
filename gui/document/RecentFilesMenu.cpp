// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/RecentFilesMenu.h"

#include "gui/document/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace markwell {
namespace {

// A name shown in a menu: "&" is a letter there, not the Alt mark.
QString menuText(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu) : QMenu(tr("Open &Recent"), fileMenu) {
    setObjectName(QStringLiteral("recentFilesMenu"));
    connect(fileMenu, &QMenu::aboutToShow, this, &RecentFilesMenu::showRecentFiles);
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::showRecentFiles);
    showRecentFiles();
}

void RecentFilesMenu::showRecentFiles() {
    clear();
    const QStringList paths = recentFiles();
    for (int i = 0; i < paths.size(); ++i) addRecentFile(i + 1, paths.at(i));
    addSeparator();
    QAction* clearList = addAction(tr("&Clear Recent"));
    clearList->setObjectName(QStringLiteral("clearRecentFiles"));
    connect(clearList, &QAction::triggered, this, [this] {
        clearRecentFiles();
        // The items go the next time the menu opens: not while one of them is
        // still reporting its click.
        menuAction()->setEnabled(false);
    });
    menuAction()->setEnabled(!paths.isEmpty());
}

void RecentFilesMenu::addRecentFile(int number, const QString& path) {
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    QAction* action = addAction(tr("&%1 %2  (%3)").arg(number).arg(menuText(file.fileName()), menuText(folder)));
    action->setData(path);
    const bool present = file.isFile();
    action->setEnabled(present);
    action->setStatusTip(present ? QDir::toNativeSeparators(path)
                                 : tr("%1 is missing.").arg(QDir::toNativeSeparators(path)));
    connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
}

}  // namespace markwell
