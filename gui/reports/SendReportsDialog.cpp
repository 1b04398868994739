// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/SendReportsDialog.h"

#include "core/common/Cp1252.h"
#include "core/export/CsvWriter.h"
#include "core/mail/MailServerSettings.h"
#include "core/mail/SendLog.h"
#include "gui/mail/MailPasswords.h"
#include "gui/mail/MailQueueWindow.h"
#include "gui/mail/ServerSending.h"
#include "gui/reports/ReportWindowParts.h"
#include "gui/reports/SendSummaryDialog.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"
#include "mail/sending/MessageFiles.h"
#include "render/paging/PrintProgress.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace markwell {
namespace {

QCheckBox* tick(const QString& text, const QString& objectName, bool checked) {
    auto* box = new QCheckBox(text);
    box->setObjectName(objectName);
    box->setChecked(checked);
    return box;
}

}  // namespace

SendReportsDialog::SendReportsDialog(ReportInput input, SendReportsServices services, ReportSource source,
                                     QWidget* parent)
    : QDialog(parent), input_(std::move(input)), services_(services), source_(std::move(source)),
      pages_(new QTabWidget), student_(tick(tr("S&tudent"), QStringLiteral("toStudent"), true)),
      mother_(tick(tr("M&other"), QStringLiteral("toMother"), false)),
      father_(tick(tr("&Father"), QStringLiteral("toFather"), false)), subject_(new QLineEdit(defaultReportSubject())),
      body_(new QPlainTextEdit(defaultReportBody())), server_(new QRadioButton),
      program_(new QRadioButton(tr("Through the mail &program, one message at a time"))),
      files_(new QRadioButton(tr("Save as e-mail f&iles (.eml)"))), send_(new QPushButton(tr("&Send"))),
      logView_(ReportWindowParts::readOnlyView(QStringLiteral("sendLogView"))) {
    setWindowTitle(tr("Send Reports by E-mail"));
    setObjectName(QStringLiteral("sendReportsDialog"));
    setHelpTopic(this, HelpTopic::SendReports);
    subject_->setObjectName(QStringLiteral("subject"));
    body_->setObjectName(QStringLiteral("body"));
    body_->setTabChangesFocus(true);
    server_->setObjectName(QStringLiteral("throughServer"));
    program_->setObjectName(QStringLiteral("throughMailProgram"));
    files_->setObjectName(QStringLiteral("asFiles"));
    send_->setObjectName(QStringLiteral("sendButton"));

    const MailServerSettings mail = readMailServerSettings(services_.settings);
    const bool haveServer = !mail.host.isEmpty();
    server_->setText(haveServer ? tr("Through the mail se&rver %1").arg(mail.host)
                                : tr("Through the mail se&rver (set it under Edit > Options)"));
    server_->setEnabled(haveServer);
    (haveServer ? server_ : program_)->setChecked(true);

    auto* whom = new QGroupBox(tr("Send to"));
    auto* whomLayout = new QHBoxLayout(whom);
    whomLayout->addWidget(student_);
    whomLayout->addWidget(mother_);
    whomLayout->addWidget(father_);
    whomLayout->addStretch();

    auto* subjectLabel = new QLabel(tr("S&ubject"));
    subjectLabel->setBuddy(subject_);
    auto* bodyLabel = new QLabel(tr("Mess&age"));
    bodyLabel->setBuddy(body_);
    auto* text = new QFormLayout;
    text->addRow(subjectLabel, subject_);
    text->addRow(bodyLabel, body_);
    text->addRow(new QLabel(tr("{name}, {grade} and {average} become each student's own.")));

    auto* how = new QGroupBox(tr("How"));
    auto* howLayout = new QVBoxLayout(how);
    howLayout->addWidget(server_);
    howLayout->addWidget(program_);
    howLayout->addWidget(files_);

    auto* messagePage = new QWidget;
    auto* messageLayout = new QVBoxLayout(messagePage);
    messageLayout->addWidget(whom);
    messageLayout->addLayout(text, 1);
    messageLayout->addWidget(how);

    auto* exportButton = new QPushButton(tr("&Export as CSV..."));
    exportButton->setObjectName(QStringLiteral("exportLog"));
    connect(exportButton, &QPushButton::clicked, this, &SendReportsDialog::exportLog);
    auto* logPage = new QWidget;
    auto* logLayout = new QVBoxLayout(logPage);
    logLayout->addWidget(logView_, 1);
    logLayout->addWidget(exportButton, 0, Qt::AlignLeft);

    pages_->setObjectName(QStringLiteral("sendPages"));
    pages_->setAccessibleName(tr("Message and send log"));
    pages_->addTab(messagePage, tr("&Message"));
    pages_->addTab(logPage, tr("Send &Log"));
    ReportWindowParts::addPageKeys(this, pages_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(send_, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    send_->setDefault(true);
    connect(send_, &QPushButton::clicked, this, &SendReportsDialog::send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* b : {server_, program_, files_}) {
        connect(b, &QRadioButton::toggled, this, &SendReportsDialog::updateSendButton);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    resize(640, 560);
    refreshLog();
    updateSendButton();
}

void SendReportsDialog::updateSendButton() {
    send_->setText(files_->isChecked() ? tr("&Save...") : tr("&Send"));
}

void SendReportsDialog::refreshLog() {
    const Result<std::vector<SendLogEntry>> entries = SendLog::ofClass(input_.gradeFilePath).read();
    logSheet_ = sendLogSheet(entries ? *entries : std::vector<SendLogEntry>{});
    ReportWindowParts::show(logView_, &logSheet_);
}

void SendReportsDialog::exportLog() {
    UserDialogs::FileRequest request;
    request.title = tr("Export the Send Log");
    request.filters = {tr("CSV File (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    request.fileName = tr("send log.csv");
    const std::optional<UserDialogs::SaveChoice> choice = services_.dialogs.saveFile(this, request);
    if (!choice) return;
    if (const Result<void> written = writeCsvFile(logSheet_, choice->path); !written) {
        services_.dialogs.warn(this, written.message());
    }
}

std::optional<SendReportsDialog::Chosen> SendReportsDialog::chosen() {
    const AddressChoice to{student_->isChecked(), mother_->isChecked(), father_->isChecked()};
    if (to.none()) {
        services_.dialogs.inform(this, tr("Please tick whom the messages go to: the student, the mother or the "
                                          "father."));
        return std::nullopt;
    }
    Result<std::vector<int>> students = source_.students();
    if (!students) {
        services_.dialogs.inform(this, students.message());
        return std::nullopt;
    }
    if (students->empty()) {
        services_.dialogs.inform(this, tr("No student is chosen."));
        return std::nullopt;
    }
    const MailServerSettings mail = readMailServerSettings(services_.settings);
    Chosen chosen{std::move(*students), {}};
    chosen.plan.from = {mail.senderName, mail.senderAddress};
    chosen.plan.to = to;
    chosen.plan.subject = subject_->text();
    chosen.plan.body = body_->toPlainText();
    chosen.plan.fill = source_.fill;
    // Reports are drawn on the window's thread, whichever thread asks.
    chosen.plan.reportPdf = [this](int student) {
        return makeOnThreadOf(this, [this, student] { return source_.reportPdf(student); });
    };
    return chosen;
}

void SendReportsDialog::send() {
    if (input_.gradeFilePath.isEmpty()) {
        services_.dialogs.inform(this, tr("Please save the class first: the record of what is sent is kept with it."));
        return;
    }
    const std::optional<Chosen> choice = chosen();
    if (!choice) return;
    if (program_->isChecked()) {
        openInMailProgram(*choice);
    } else if (server_->isChecked()) {
        sendThroughServer(reportMails(input_.cls, choice->students, choice->plan));
    } else {
        saveMessageFiles(reportMails(input_.cls, choice->students, choice->plan));
    }
    refreshLog();
}

std::optional<QString> SendReportsDialog::serverPassword(const QString& user, const QString& host, int port) {
    const MailPasswords::Lookup kept = services_.passwords.read(mailPasswordAccount(user, host, port));
    if (kept.status == MailPasswords::Status::Found) return kept.password;
    UserDialogs::TextRequest request;
    request.title = tr("Mail Server Password");
    request.label = tr("Password of %1 on %2:").arg(user, host);
    request.secret = true;
    return services_.dialogs.askText(this, request);
}

void SendReportsDialog::sendThroughServer(std::vector<FamilyMail> families) {
    const MailServerSettings mail = readMailServerSettings(services_.settings);
    if (const QString problem = mailServerProblem(mail); !problem.isEmpty()) {
        services_.dialogs.inform(this, problem + QLatin1Char('\n') + tr("See Edit > Options, E-mail."));
        return;
    }
    ServerSendRequest request{{mail.host, mail.port, mail.security, mail.user, {}, mail.caFile},
                              mail.senderAddress,
                              {},
                              {std::chrono::milliseconds(mail.pauseMs), retryDelay_, {}},
                              SendLog::ofClass(input_.gradeFilePath)};
    if (!mail.user.isEmpty()) {
        std::optional<QString> password = serverPassword(mail.user, mail.host, mail.port);
        if (!password) return;
        request.endpoint.password = *password;
    }
    if (const Result<void> pruned = request.log.removeOldEntries(QDateTime::currentDateTimeUtc()); !pruned) {
        services_.dialogs.warn(this, pruned.message());
    }
    while (true) {
        request.families = families;
        const ServerSendOutcome outcome = markwell::sendThroughServer(this, services_.dialogs, request);
        lastRun_ = outcome.run;
        if (!outcome.logProblem.isEmpty()) services_.dialogs.warn(this, outcome.logProblem);
        const bool canResend = !failedFamilies(families, outcome.run, true).empty();
        SendSummaryDialog summary(outcome.run, canResend, this);
        if (summary.exec() != QDialog::Accepted) break;
        std::optional<std::vector<FamilyMail>> again = failedToResend(families, outcome.run);
        if (!again || again->empty()) break;
        families = std::move(*again);
    }
    request.endpoint.password.fill(QLatin1Char(' '));
}

std::optional<std::vector<FamilyMail>> SendReportsDialog::failedToResend(const std::vector<FamilyMail>& sent,
                                                                         const SendRun& run) {
    const int unknown = run.count(DeliveryResult::Unknown);
    bool includeUnknown = false;
    if (unknown > 0) {
        switch (services_.dialogs.askYesNoCancel(
            this, tr("Addresses that may have received the message already: %1 (the connection was lost after it "
                     "was sent). Send it to them again too?")
                      .arg(unknown))) {
        case UserDialogs::Answer::Yes: includeUnknown = true; break;
        case UserDialogs::Answer::No: break;
        case UserDialogs::Answer::Cancel: return std::nullopt;
        }
    }
    return failedFamilies(sent, run, includeUnknown);
}

void SendReportsDialog::openInMailProgram(const Chosen& choice) {
    std::vector<QueuedMessage> queue;
    QStringList skipped;
    for (const int index : choice.students) {
        const StudentInfo& student = input_.cls.students[static_cast<std::size_t>(index)];
        const QString name = cp1252::toUnicode(student.name);
        const FamilyAddresses family = familyAddresses(student, choice.plan.to);
        if (family.recipients.empty()) {
            skipped << name;
            continue;
        }
        queue.push_back({name, family.addresses(), choice.plan.fill(choice.plan.subject, index),
                         choice.plan.fill(choice.plan.body, index), reportAttachmentName(name),
                         [this, index] { return source_.reportPdf(index); }});
    }
    if (!skipped.isEmpty()) {
        services_.dialogs.inform(this, tr("No address for: %1.").arg(skipped.join(QStringLiteral(", "))));
    }
    if (queue.empty()) return;
    MailQueueWindow window(std::move(queue), services_.launcher, services_.dialogs,
                           SendLog::ofClass(input_.gradeFilePath), this);
    window.exec();
}

void SendReportsDialog::saveMessageFiles(const std::vector<FamilyMail>& families) {
    UserDialogs::FileRequest request;
    request.title = tr("Folder for the Messages");
    request.folder = QFileInfo(input_.gradeFilePath).absolutePath();
    const QString folder = services_.dialogs.chooseFolder(this, request);
    if (folder.isEmpty()) return;
    std::unique_ptr<PrintProgress> progress = services_.dialogs.showProgress(this, tr("Saving message %1 of %2..."));
    const Result<std::vector<SavedMessage>> saved = saveFamilyMessages(
        folder, families, [&progress](int index, int count) { return progress->pageStarting(index + 1, count); });
    progress.reset();
    if (!saved) {
        services_.dialogs.warn(this, saved.message());
        return;
    }
    const auto written =
        std::count_if(saved->begin(), saved->end(), [](const SavedMessage& m) { return !m.path.isEmpty(); });
    services_.dialogs.inform(this, tr("%1 messages were saved in %2.").arg(written).arg(folder));
}

}  // namespace markwell
