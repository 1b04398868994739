// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window's ways to a class besides File > Open: File > Open Recent
// and a grade file dropped on the window.

#include "gui/main/MainWindow.h"

#include "gui/document/GradeFileDrops.h"
#include "gui/document/RecentFiles.h"
#include "gui/document/RecentFilesMenu.h"

namespace markwell {

void MainWindow::addRecentFilesMenu(QMenu* fileMenu) {
    auto* recent = new RecentFilesMenu(fileMenu);
    fileMenu->addMenu(recent);
    connect(recent, &RecentFilesMenu::openRequested, this, &MainWindow::openNamedClass);
    // Every class opened or saved under a name comes first in the list.
    const auto rememberClass = [this] {
        if (document().isTitled()) rememberRecentFile(document().markwellFile);
    };
    connect(commands_.get(), &DocumentCommands::documentReplaced, this, rememberClass);
    connect(commands_.get(), &DocumentCommands::saved, this, rememberClass);
}

void MainWindow::acceptGradeFileDrops() {
    connect(new GradeFileDrops(this), &GradeFileDrops::gradeFileDropped, this, &MainWindow::openNamedClass);
}

void MainWindow::openNamedClass(const QString& path) {
    finishTyping();
    commands_->openFile(path);
}

}  // namespace markwell
