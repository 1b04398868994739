// The main window's Earlier Versions command.

#include "main/MainWindow.h"

#include "dialogs/EarlierVersionsDialog.h"
#include "document/EarlierVersions.h"

namespace markwell {

void MainWindow::showEarlierVersions() {
    if (!document_.isTitled()) return;
    EarlierVersionsDialog dialog(document_.markwellFile, earlierVersions(document_.markwellFile), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<EarlierVersion> version = dialog.chosenVersion()) commands_->openEarlierVersion(*version);
}

}  // namespace markwell
