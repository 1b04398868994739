// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/ScoreCommands.h"

#include "core/export/CanvasExport.h"
#include "gui/document/ClassHistory.h"
#include "gui/editors/ImportScoresDialog.h"
#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "gui/shared/UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace markwell {
namespace {

// How long the word that the file was written stays in the status bar.
constexpr int kNoticeMilliseconds = 6000;

}  // namespace

ScoreCommands::ScoreCommands(MainWindow& window, ClassHistory& history, UserDialogs& dialogs, SettingsStore& settings,
                             const MainActions& actions)
    : window_(window), history_(history), dialogs_(dialogs), settings_(settings) {
    window_.connectCommand(actions.importScores, [this] { importScores(); });
    window_.connectCommand(actions.exportForCanvas, [this] { exportForCanvas(); });
}

void ScoreCommands::importScores() {
    UserDialogs::FileRequest request;
    request.title = tr("Import Scores");
    request.filters = {tr("Gradebook (*.csv *.txt)"), tr("All files (*)")};
    const QString markwellFile = window_.document().markwellFile;
    if (!markwellFile.isEmpty()) request.folder = QFileInfo(markwellFile).absolutePath();
    const QString path = dialogs_.openFile(&window_, request);
    if (path.isEmpty()) return;

    ImportScoresDialog dialog(dialogs_, settings_, window_.document().classRecord, &window_);
    if (!dialog.openScoreFile(path)) return;
    if (dialog.exec() != QDialog::Accepted) return;
    if (Result<void> applied = history_.apply(dialog.importChange()); !applied) {
        dialogs_.warn(&window_, applied.message());
    }
}

void ScoreCommands::exportForCanvas() {
    const QString markwellFile = window_.document().markwellFile;
    UserDialogs::FileRequest request;
    request.title = tr("Export for Canvas");
    request.filters = {tr("CSV File (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    if (!markwellFile.isEmpty()) {
        const QFileInfo grades(markwellFile);
        request.folder = grades.absolutePath();
        request.fileName = grades.completeBaseName() + QStringLiteral("-canvas.csv");
    }
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(&window_, request);
    if (!choice) return;
    if (Result<void> written = writeCanvasGradebook(window_.document().classRecord, choice->path); !written) {
        dialogs_.warn(&window_, tr("The scores could not be written for Canvas: %1").arg(written.message()));
        return;
    }
    window_.statusBar()->showMessage(tr("Scores written for Canvas: %1").arg(QDir::toNativeSeparators(choice->path)),
                                     kNoticeMilliseconds);
}

}  // namespace markwell
