// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QMenu>

namespace markwell {

// File > Open Recent: the recent classes, newest first, each with its folder
// and its number as Alt letter; a file that is missing now is greyed. Clear
// Recent empties the list. The menu is made again each time it or the menu
// holding it opens, so it shows the files as they are on disk then; it is
// greyed while the list is empty.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentFilesMenu(QMenu* fileMenu);

    // Makes the menu from the list as it stands.
    void showRecentFiles();

signals:
    // A recent class was chosen; opening it (and asking to save the class
    // that is open) is the window's.
    void openRequested(const QString& path);

private:
    void addRecentFile(int number, const QString& path);
};

}  // namespace markwell
