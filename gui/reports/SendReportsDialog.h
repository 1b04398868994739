// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "gui/reports/ReportInput.h"
#include "mail/sending/FamilySender.h"
#include "mail/sending/ReportMail.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace markwell {

class MailLauncher;
class MailPasswords;
class SettingsStore;
class SheetView;
class UserDialogs;

// What the window lends the dialog.
struct SendReportsServices {
    UserDialogs& dialogs;
    SettingsStore& settings;
    MailPasswords& passwords;
    MailLauncher& launcher;
};

// What the class reports give the messages: the students chosen, their
// placeholders filled in, and each one's report.
struct ReportSource {
    std::function<Result<std::vector<int>>()> students;
    std::function<QString(const QString& text, int student)> fill;
    std::function<Result<QByteArray>(int student)> reportPdf;
};

// Send each family its report: whom the messages go to (the student, the
// mother, the father), the subject and text typed once with the
// placeholders of the class reports, and how: through the school's mail
// server (Edit > Options), through the mail program one message at a time,
// or saved as .eml files. The Send Log page shows what was sent for the
// class, and exports it as CSV.
class SendReportsDialog : public QDialog {
    Q_OBJECT
public:
    SendReportsDialog(ReportInput input, SendReportsServices services, ReportSource source, QWidget* parent = nullptr);

    QCheckBox* studentBox() const { return student_; }
    QCheckBox* motherBox() const { return mother_; }
    QCheckBox* fatherBox() const { return father_; }
    QLineEdit* subjectBox() const { return subject_; }
    QPlainTextEdit* bodyBox() const { return body_; }
    QRadioButton* serverButton() const { return server_; }
    QRadioButton* mailProgramButton() const { return program_; }
    QRadioButton* filesButton() const { return files_; }
    QPushButton* sendButton() const { return send_; }
    QTabWidget* pages() const { return pages_; }
    const Sheet& logSheet() const { return logSheet_; }

    // How long a deferred address waits before it is tried again (tests).
    void setRetryDelay(std::chrono::milliseconds delay) { retryDelay_ = delay; }
    // How the last send through the server ended.
    const std::optional<SendRun>& lastRun() const { return lastRun_; }

public slots:
    void send();
    void exportLog();

private:
    struct Chosen {
        std::vector<int> students;
        ReportMailPlan plan;
    };
    // The students and the messages' plan as the boxes say; nothing after
    // telling the teacher why not.
    std::optional<Chosen> chosen();
    void sendThroughServer(std::vector<FamilyMail> families);
    // The password of the server's user: from the keyring, or asked for.
    std::optional<QString> serverPassword(const QString& user, const QString& host, int port);
    // "Resend the failed ones": the addresses still without their message,
    // those whose outcome is unknown only when the teacher says so.
    std::optional<std::vector<FamilyMail>> failedToResend(const std::vector<FamilyMail>& sent, const SendRun& run);
    void openInMailProgram(const Chosen& choice);
    void saveMessageFiles(const std::vector<FamilyMail>& families);
    void refreshLog();
    void updateSendButton();

    ReportInput input_;
    SendReportsServices services_;
    ReportSource source_;
    std::chrono::milliseconds retryDelay_{30000};
    std::optional<SendRun> lastRun_;
    Sheet logSheet_;

    QTabWidget* pages_;
    QCheckBox* student_;
    QCheckBox* mother_;
    QCheckBox* father_;
    QLineEdit* subject_;
    QPlainTextEdit* body_;
    QRadioButton* server_;
    QRadioButton* program_;
    QRadioButton* files_;
    QPushButton* send_;
    SheetView* logView_;
};

}  // namespace markwell
