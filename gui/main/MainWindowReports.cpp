// The main window's report commands: the attendance analysis and the merge.

#include "main/MainWindow.h"

#include "dialogs/UserDialogs.h"
#include "document/DocumentFiles.h"
#include "pages/AttendancePage.h"
#include "reports/AttendanceAnalysisWindow.h"
#include "reports/MergeSetupDialog.h"

#include <algorithm>

namespace markwell {

void MainWindow::analyseAttendance() {
    if (document_.classRecord.students.empty()) return;
    auto* window = new AttendanceAnalysisWindow(document_, attendancePage_->year(), dialogs_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void MainWindow::mergeFiles() {
    auto* setup = new MergeSetupDialog(document_.markwellFile, scales_, dialogs_, this);
    setup->setBeforeReading([this](QWidget* asker, const QStringList& paths) { return readyToMerge(asker, paths); });
    setup->setAttribute(Qt::WA_DeleteOnClose);
    setup->open();
}

bool MainWindow::readyToMerge(QWidget* asker, const QStringList& paths) {
    if (!document_.Dirty || !document_.isTitled()) return true;
    const bool named = std::any_of(paths.begin(), paths.end(),
                                   [this](const QString& path) { return isSameFile(path, document_.markwellFile); });
    if (!named) return true;
    // The merge reads the file on disk; the teacher may want the changes in it.
    switch (dialogs_.askYesNoCancel(asker, tr("Save changes before merging?"))) {
    case UserDialogs::Answer::Yes: return commands_->save() == DocumentCommands::Outcome::Done;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: return false;
    }
    return false;
}

}  // namespace markwell
