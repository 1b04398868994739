// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window's Earlier Versions command.

#include "gui/main/MainWindow.h"

#include "core/document/EarlierVersions.h"
#include "gui/document/EarlierVersionsDialog.h"

namespace markwell {

void MainWindow::showEarlierVersions() {
    if (!document_.isTitled()) return;
    EarlierVersionsDialog dialog(document_.markwellFile, earlierVersions(document_.markwellFile), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<EarlierVersion> version = dialog.chosenVersion()) commands_->openEarlierVersion(*version);
}

}  // namespace markwell
