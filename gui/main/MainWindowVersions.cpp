// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window's Earlier Versions and History commands.

#include "gui/main/MainWindow.h"

#include "core/document/EarlierVersions.h"
#include "gui/document/EarlierVersionsDialog.h"
#include "gui/main/DocumentCommands.h"
#include "gui/reports/HistoryWindow.h"

#include <QFileInfo>

namespace markwell {

void MainWindow::showEarlierVersions() {
    if (!document().isTitled()) return;
    EarlierVersionsDialog dialog(document().markwellFile, earlierVersions(document().markwellFile), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<EarlierVersion> version = dialog.chosenVersion();
    if (!version) return;
    const QString origin = QFileInfo(document().markwellFile).fileName();
    if (commands_->openEarlierVersion(*version) != DocumentCommands::Outcome::Done) return;
    // Untitled, the class says where it came from until it is saved or another one opens.
    untitledName_ = tr("%1, version %2 (unsaved)").arg(origin).arg(version->number);
    updateWindowTitle();
}

void MainWindow::showGradeHistory() {
    if (!document().isTitled()) return;
    commands_->recordChangesOutside();
    GradeHistory& history = commands_->gradeHistory();
    HistoryWindow window(history, document().markwellFile, document().classRecord, dialogs_, {}, this);
    window.exec();
}

}  // namespace markwell
