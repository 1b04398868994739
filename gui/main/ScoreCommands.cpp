// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/ScoreCommands.h"

#include "core/export/CanvasExport.h"
#include "gui/document/OpenClass.h"
#include "gui/editors/ImportScoresDialog.h"
#include "gui/main/CommandContext.h"
#include "gui/main/MainActions.h"
#include "gui/shared/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace markwell {
ScoreCommands::ScoreCommands(const CommandContext& context) : context_(context) {
    const MainActions& actions = context_.actions;
    context_.onTriggered(actions.importScores, this, [this] { importScores(); });
    context_.onTriggered(actions.exportForCanvas, this, [this] { exportForCanvas(); });
}

void ScoreCommands::importScores() {
    UserDialogs::FileRequest request;
    request.title = tr("Import Scores");
    request.filters = {tr("Gradebook (*.csv *.txt)"), tr("All files (*)")};
    const QString markwellFile = context_.open.document().markwellFile;
    if (!markwellFile.isEmpty()) request.folder = QFileInfo(markwellFile).absolutePath();
    const QString path = context_.dialogs.openFile(context_.window, request);
    if (path.isEmpty()) return;

    ImportScoresDialog dialog(context_.dialogs, context_.stores.settings, context_.open.document().classRecord,
                              context_.window);
    if (!dialog.openScoreFile(path)) return;
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(dialog.importChange());
}

void ScoreCommands::exportForCanvas() {
    const QString markwellFile = context_.open.document().markwellFile;
    UserDialogs::FileRequest request;
    request.title = tr("Export for Canvas");
    request.filters = {tr("CSV File (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    if (!markwellFile.isEmpty()) {
        const QFileInfo grades(markwellFile);
        request.folder = grades.absolutePath();
        request.fileName = grades.completeBaseName() + QStringLiteral("-canvas.csv");
    }
    const std::optional<UserDialogs::SaveChoice> choice = context_.dialogs.saveFile(context_.window, request);
    if (!choice) return;
    if (Result<void> written = writeCanvasGradebook(context_.open.document().classRecord, choice->path); !written) {
        context_.dialogs.warn(context_.window,
                              tr("The scores could not be written for Canvas: %1").arg(written.message()));
        return;
    }
    context_.notice(tr("Scores written for Canvas: %1").arg(QDir::toNativeSeparators(choice->path)));
}

}  // namespace markwell
