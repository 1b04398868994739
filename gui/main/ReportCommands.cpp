// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/ReportCommands.h"

#include "core/common/Cp1252.h"
#include "core/document/DocumentFiles.h"
#include "core/grading/GradesLayout.h"
#include "core/mail/MailAddress.h"
#include "gui/document/DocumentCommands.h"
#include "gui/mail/MailLauncher.h"
#include "gui/mail/XdgEmailLauncher.h"
#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "gui/pages/AttendancePage.h"
#include "gui/reports/AttendanceAnalysisWindow.h"
#include "gui/reports/ClassReportsWindow.h"
#include "gui/reports/GradeInformationWindow.h"
#include "gui/reports/GraphWindow.h"
#include "gui/reports/IndividualReportWindow.h"
#include "gui/reports/MergeSetupDialog.h"
#include "gui/reports/MyClassesWindow.h"
#include "gui/reports/ReportInput.h"
#include "gui/shared/UserDialogs.h"

#include <QFileInfo>

#include <algorithm>

namespace markwell {

ReportCommands::ReportCommands(MainWindow& window, UserDialogs& dialogs, ScaleStore& scales, const MainActions& actions)
    : window_(window), dialogs_(dialogs), scales_(scales) {
    setMailLauncher(*new XdgEmailLauncher(this));
    window_.connectCommand(actions.individualReport, [this] { showIndividualReport(); });
    window_.connectCommand(actions.gradeInformation, [this] { showGradeInformation(); });
    window_.connectCommand(actions.graph, [this] { showGraph(); });
    window_.connectCommand(actions.attendanceAnalysis, [this] { analyseAttendance(); });
    window_.connectCommand(actions.classReports, [this] { showClassReports(); });
    window_.connectCommand(actions.merge, [this] { mergeFiles(); });
    window_.connectCommand(actions.sendMail, [this] { sendMail(); });
    window_.connectCommand(actions.myClasses, [this] { showMyClasses(); });
}

void ReportCommands::setMailLauncher(MailLauncher& launcher) {
    if (mail_) disconnect(mail_, nullptr, this, nullptr);
    mail_ = &launcher;
    // Told after the report window that started the message may have closed.
    connect(mail_, &MailLauncher::failed, this, [this](const QString& message) { dialogs_.warn(&window_, message); });
}

ReportInput ReportCommands::reportInput() const {
    const Document& document = window_.document();
    GradeHistory* history = document.isTitled() ? &window_.documentCommands().gradeHistory() : nullptr;
    return {document.classRecord, window_.gradesTable().sheet, document.markwellFile, history};
}

void ReportCommands::openReport(QDialog* report) {
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->setWindowModality(Qt::ApplicationModal);
    report->show();
}

void ReportCommands::showMyClasses() {
    const Document& document = window_.document();
    const QString folder = document.isTitled() ? QFileInfo(document.markwellFile).absolutePath() : QString();
    auto* overview = new MyClassesWindow(scales_, dialogs_, folder, &window_);
    connect(overview, &QDialog::accepted, this, [this, overview] {
        // The class in the window may have changes: openFile asks about them first.
        if (!overview->chosenClass().isEmpty()) window_.documentCommands().openFile(overview->chosenClass());
    });
    openReport(overview);
}

void ReportCommands::showIndividualReport() {
    openReport(new IndividualReportWindow(reportInput(), dialogs_, *mail_, &window_));
}

void ReportCommands::showClassReports() {
    const Document& document = window_.document();
    if (document.classRecord.students.empty()) return;
    const Sheet& grades = window_.gradesTable().sheet;
    auto* reports = new ClassReportsWindow(reportInput(), document.attendance, grades.resolve(grades.selection()),
                                           dialogs_, &window_);
    if (mail_) reports->setMailServices({dialogs_, window_.settings(), window_.mailPasswords(), *mail_});
    openReport(reports);
}

void ReportCommands::showGradeInformation() {
    openReport(new GradeInformationWindow(reportInput(), dialogs_, &window_));
}

void ReportCommands::showGraph() {
    openReport(new GraphWindow(reportInput(), dialogs_, &window_));
}

void ReportCommands::analyseAttendance() {
    const Document& document = window_.document();
    if (document.classRecord.students.empty()) return;
    openReport(new AttendanceAnalysisWindow(document, window_.attendancePage()->year(), dialogs_, &window_));
}

void ReportCommands::mergeFiles() {
    auto* setup = new MergeSetupDialog(window_.document().markwellFile, scales_, dialogs_, &window_);
    setup->setBeforeReading([this](QWidget* asker, const QStringList& paths) { return readyToMerge(asker, paths); });
    openReport(setup);
}

bool ReportCommands::readyToMerge(QWidget* asker, const QStringList& paths) {
    const Document& document = window_.document();
    if (!document.modified || !document.isTitled()) return true;
    const bool named = std::any_of(paths.begin(), paths.end(), [&document](const QString& path) {
        return isSameFile(path, document.markwellFile);
    });
    if (!named) return true;
    // The merge reads the file on disk; the teacher may want the changes in it.
    switch (dialogs_.askYesNoCancel(asker, tr("Save changes before merging?"))) {
    case UserDialogs::Answer::Yes: return window_.documentCommands().save() == DocumentCommands::Outcome::Done;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: return false;
    }
    return false;
}

void ReportCommands::sendMail() {
    const Sheet& sheet = window_.gradesTable().sheet;
    const CellRange selection = sheet.resolve(sheet.selection());
    const GradesLayout layout = GradesLayout::of(sheet);
    const StudentInfo* student = nullptr;
    if (selection.c1 == GradesLayout::kNameCol && layout.isStudentRow(selection.r1)) {
        // The first student of the name, as the row is that student's.
        const QString name = sheet.text(selection.r1, GradesLayout::kNameCol);
        for (const StudentInfo& s : window_.document().classRecord.students) {
            if (cp1252::toUnicode(s.name) == name) {
                student = &s;
                break;
            }
        }
    }
    if (!student) {
        dialogs_.inform(&window_, tr("Please highlight student you wish to e-mail information about."));
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
