// The main window's report windows, the merge and e-mail.

#include "gui/main/MainWindow.h"

#include "core/common/Cp1252.h"
#include "gui/shared/UserDialogs.h"
#include "core/document/DocumentFiles.h"
#include "core/grading/GradesLayout.h"
#include "core/mail/MailAddress.h"
#include "gui/mail/MailLauncher.h"
#include "gui/pages/AttendancePage.h"
#include "gui/reports/AttendanceAnalysisWindow.h"
#include "gui/reports/GradeInformationWindow.h"
#include "gui/reports/GraphWindow.h"
#include "gui/reports/IndividualReportWindow.h"
#include "gui/reports/MergeSetupDialog.h"
#include "gui/reports/ReportInput.h"

#include <algorithm>

namespace markwell {

void MainWindow::setMailLauncher(MailLauncher& launcher) {
    if (mail_) disconnect(mail_, nullptr, this, nullptr);
    mail_ = &launcher;
    // Told after the report window that started the message may have closed.
    connect(mail_, &MailLauncher::failed, this, [this](const QString& message) { dialogs_.warn(this, message); });
}

ReportInput MainWindow::reportInput() const {
    return {document_.classRecord, grades_.sheet, document_.markwellFile};
}

void MainWindow::openReport(QDialog* report) {
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->setWindowModality(Qt::ApplicationModal);
    report->show();
}

void MainWindow::showIndividualReport() {
    openReport(new IndividualReportWindow(reportInput(), dialogs_, *mail_, this));
}

void MainWindow::showGradeInformation() {
    openReport(new GradeInformationWindow(reportInput(), dialogs_, this));
}

void MainWindow::showGraph() {
    openReport(new GraphWindow(reportInput(), dialogs_, this));
}

void MainWindow::analyseAttendance() {
    if (document_.classRecord.students.empty()) return;
    openReport(new AttendanceAnalysisWindow(document_, attendancePage_->year(), dialogs_, this));
}

void MainWindow::mergeFiles() {
    auto* setup = new MergeSetupDialog(document_.markwellFile, scales_, dialogs_, this);
    setup->setBeforeReading([this](QWidget* asker, const QStringList& paths) { return readyToMerge(asker, paths); });
    openReport(setup);
}

bool MainWindow::readyToMerge(QWidget* asker, const QStringList& paths) {
    if (!document_.modified || !document_.isTitled()) return true;
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

void MainWindow::sendMail() {
    const Sheet& sheet = grades_.sheet;
    const CellRange selection = sheet.resolve(sheet.selection());
    const GradesLayout layout = GradesLayout::of(sheet);
    const StudentInfo* student = nullptr;
    if (selection.c1 == GradesLayout::kNameCol && layout.isStudentRow(selection.r1)) {
        // The first student of the name, as the row is that student's.
        const QString name = sheet.text(selection.r1, GradesLayout::kNameCol);
        for (const StudentInfo& s : document_.classRecord.students) {
            if (cp1252::toUnicode(s.name) == name) {
                student = &s;
                break;
            }
        }
    }
    if (!student) {
        dialogs_.inform(this, tr("Please highlight student you wish to e-mail information about."));
        return;
    }
    // Through the mail launcher, which watches the mail program start and
    // says when it cannot: the desktop's own opening of an address reports
    // success as soon as its helper runs, even with no mail program set up.
    MailDraft draft;
    draft.recipient = gradesMailtoUrl(student->student_email);
    mail_->compose(draft);
}

}  // namespace markwell
