// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/ReportCommands.h"

#include "core/common/Cp1252.h"
#include "core/document/DocumentFiles.h"
#include "core/grading/GradesLayout.h"
#include "core/mail/MailAddress.h"
#include "gui/document/OpenClass.h"
#include "gui/mail/MailLauncher.h"
#include "gui/mail/XdgEmailLauncher.h"
#include "gui/main/CommandContext.h"
#include "gui/main/DocumentCommands.h"
#include "gui/main/MainActions.h"
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

ReportCommands::ReportCommands(const CommandContext& context) : context_(context) {
    const MainActions& actions = context_.actions;
    setMailLauncher(*new XdgEmailLauncher(this));
    context_.onTriggered(actions.individualReport, this, [this] { showIndividualReport(); });
    context_.onTriggered(actions.gradeInformation, this, [this] { showGradeInformation(); });
    context_.onTriggered(actions.graph, this, [this] { showGraph(); });
    context_.onTriggered(actions.attendanceAnalysis, this, [this] { analyseAttendance(); });
    context_.onTriggered(actions.classReports, this, [this] { showClassReports(); });
    context_.onTriggered(actions.merge, this, [this] { mergeFiles(); });
    context_.onTriggered(actions.sendMail, this, [this] { sendMail(); });
    context_.onTriggered(actions.myClasses, this, [this] { showMyClasses(); });
}

void ReportCommands::setMailLauncher(MailLauncher& launcher) {
    if (mail_) disconnect(mail_, nullptr, this, nullptr);
    mail_ = &launcher;
    // Told after the report window that started the message may have closed.
    connect(mail_, &MailLauncher::failed, this,
            [this](const QString& message) { context_.dialogs.warn(context_.window, message); });
}

ReportInput ReportCommands::reportInput() const {
    const Document& document = context_.open.document();
    GradeHistory* history = document.isTitled() ? &context_.documents->gradeHistory() : nullptr;
    return {document.classRecord, context_.open.grades().sheet, document.markwellFile, history};
}

void ReportCommands::openReport(QDialog* report) {
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->setWindowModality(Qt::ApplicationModal);
    report->show();
}

void ReportCommands::showMyClasses() {
    const Document& document = context_.open.document();
    const QString folder = document.isTitled() ? QFileInfo(document.markwellFile).absolutePath() : QString();
    auto* overview = new MyClassesWindow(context_.stores.scales, context_.dialogs, folder, context_.window);
    connect(overview, &QDialog::accepted, this, [this, overview] {
        // The class in the window may have changes: openFile asks about them first.
        if (!overview->chosenClass().isEmpty()) context_.documents->openFile(overview->chosenClass());
    });
    openReport(overview);
}

void ReportCommands::showIndividualReport() {
    openReport(new IndividualReportWindow(reportInput(), context_.dialogs, *mail_, context_.window));
}

void ReportCommands::showClassReports() {
    const Document& document = context_.open.document();
    if (document.classRecord.students.empty()) return;
    const Sheet& grades = context_.open.grades().sheet;
    auto* reports = new ClassReportsWindow(reportInput(), document.attendance, grades.resolve(grades.selection()),
                                           context_.dialogs, context_.window);
    if (mail_) reports->setMailServices({context_.dialogs, context_.stores.settings, context_.mailPasswords(), *mail_});
    openReport(reports);
}

void ReportCommands::showGradeInformation() {
    openReport(new GradeInformationWindow(reportInput(), context_.dialogs, context_.window));
}

void ReportCommands::showGraph() {
    openReport(new GraphWindow(reportInput(), context_.dialogs, context_.window));
}

void ReportCommands::analyseAttendance() {
    const Document& document = context_.open.document();
    if (document.classRecord.students.empty()) return;
    openReport(
        new AttendanceAnalysisWindow(document, context_.pages.attendance->year(), context_.dialogs, context_.window));
}

void ReportCommands::mergeFiles() {
    auto* setup = new MergeSetupDialog(context_.open.document().markwellFile, context_.stores.scales, context_.dialogs,
                                       context_.window);
    setup->setBeforeReading([this](QWidget* asker, const QStringList& paths) { return readyToMerge(asker, paths); });
    openReport(setup);
}

bool ReportCommands::readyToMerge(QWidget* asker, const QStringList& paths) {
    const Document& document = context_.open.document();
    if (!document.modified || !document.isTitled()) return true;
    const bool named = std::any_of(paths.begin(), paths.end(), [&document](const QString& path) {
        return isSameFile(path, document.markwellFile);
    });
    if (!named) return true;
    // The merge reads the file on disk; the teacher may want the changes in it.
    switch (context_.dialogs.askYesNoCancel(asker, tr("Save changes before merging?"))) {
    case UserDialogs::Answer::Yes: return context_.documents->save() == DocumentCommands::Outcome::Done;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: return false;
    }
    return false;
}

void ReportCommands::sendMail() {
    const Sheet& sheet = context_.open.grades().sheet;
    const CellRange selection = sheet.resolve(sheet.selection());
    const GradesLayout layout = GradesLayout::of(sheet);
    const StudentInfo* student = nullptr;
    if (selection.c1 == GradesLayout::kNameCol && layout.isStudentRow(selection.r1)) {
        // The first student of the name, as the row is that student's.
        const QString name = sheet.text(selection.r1, GradesLayout::kNameCol);
        for (const StudentInfo& s : context_.open.document().classRecord.students) {
            if (cp1252::toUnicode(s.name) == name) {
                student = &s;
                break;
            }
        }
    }
    if (!student) {
        context_.dialogs.inform(context_.window, tr("Please highlight student you wish to e-mail information about."));
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
