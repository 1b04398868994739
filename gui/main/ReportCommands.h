// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

class QDialog;

namespace markwell {

struct CommandContext;
class MailLauncher;
struct ReportInput;

// The report windows of the main window (each modal over it), the merge of
// two grade files, e-mail to a student and the overview of the teacher's
// classes. None of them changes the class.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    explicit ReportCommands(const CommandContext& context);

    // Where messages with an attachment go (xdg-email unless told otherwise).
    void setMailLauncher(MailLauncher& launcher);

public slots:
    void showIndividualReport();
    // Every chosen student's report at the term's end, in one go.
    void showClassReports();
    void showGradeInformation();
    void showGraph();
    // One student's attendance over a year (Attendance page).
    void analyseAttendance();
    // Merge Setup, and from it the merged report of two grade files.
    void mergeFiles();
    // Opens the mail program on a message to the student whose name is
    // selected in the grades table.
    void sendMail();
    // View > My Classes...: the teacher's classes side by side; the one
    // chosen there opens here, after the save question.
    void showMyClasses();

private:
    ReportInput reportInput() const;
    void openReport(QDialog* report);
    // Before a merge reads `paths`: an open class with unsaved changes among
    // them may be saved first. False stops the merge.
    bool readyToMerge(QWidget* asker, const QStringList& paths);

    const CommandContext& context_;
    MailLauncher* mail_ = nullptr;
};

}  // namespace markwell
