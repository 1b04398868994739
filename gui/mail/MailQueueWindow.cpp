// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/mail/MailQueueWindow.h"

#include "core/mail/MailAddress.h"
#include "core/mail/MailAttachment.h"
#include "gui/mail/MailLauncher.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwell {

MailQueueWindow::MailQueueWindow(std::vector<QueuedMessage> messages, MailLauncher& launcher, UserDialogs& dialogs,
                                 SendLog log, QWidget* parent)
    : QDialog(parent), messages_(std::move(messages)), launcher_(launcher), dialogs_(dialogs), log_(std::move(log)),
      label_(new QLabel), open_(new QPushButton(tr("&Open in Mail Program"))), skip_(new QPushButton(tr("&Skip"))),
      stop_(new QPushButton(tr("S&top"))) {
    setWindowTitle(tr("Messages for the Mail Program"));
    setObjectName(QStringLiteral("mailQueueWindow"));
    setHelpTopic(this, HelpTopic::SendReports);
    label_->setObjectName(QStringLiteral("queuedMessage"));
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    open_->setObjectName(QStringLiteral("openInMailProgram"));
    skip_->setObjectName(QStringLiteral("skipMessage"));
    stop_->setObjectName(QStringLiteral("stopQueue"));
    open_->setDefault(true);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(open_, QDialogButtonBox::ActionRole);
    buttons->addButton(skip_, QDialogButtonBox::ActionRole);
    buttons->addButton(stop_, QDialogButtonBox::RejectRole);
    connect(open_, &QPushButton::clicked, this, &MailQueueWindow::openInMailProgram);
    connect(skip_, &QPushButton::clicked, this, &MailQueueWindow::skipMessage);
    connect(stop_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(new QLabel(tr("Each message opens in your mail program with its report attached: check it "
                                    "and send it from there.")));
    layout->addWidget(buttons);
    setMinimumWidth(480);
    showCurrent();
}

void MailQueueWindow::showCurrent() {
    if (current_ >= messages_.size()) return;
    const QueuedMessage& m = messages_[current_];
    label_->setText(tr("Message %1 of %2 — %3 (%4)")
                        .arg(current_ + 1)
                        .arg(messages_.size())
                        .arg(m.student, m.addresses.join(QStringLiteral(", "))));
}

void MailQueueWindow::next() {
    ++current_;
    if (current_ < messages_.size()) {
        showCurrent();
        return;
    }
    dialogs_.inform(this, tr("%1 of %2 messages were opened in the mail program.").arg(opened_).arg(messages_.size()));
    accept();
}

void MailQueueWindow::skipMessage() {
    if (current_ >= messages_.size()) return;
    ++skipped_;
    next();
}

void MailQueueWindow::openInMailProgram() {
    if (current_ >= messages_.size()) return;
    const QueuedMessage& m = messages_[current_];
    Result<QByteArray> report = m.makeAttachment();
    Result<QString> attachment = report ? writeMailAttachment(*report, m.attachmentName, mailAttachmentFolder())
                                        : Result<QString>(report.error());
    if (!attachment) {
        dialogs_.warn(this, attachment.message());
        return;
    }
    launcher_.compose({recipientsUrl(m.addresses), m.subject, m.body, *attachment});
    std::vector<SendLogEntry> entries;
    for (const QString& address : m.addresses) {
        entries.push_back(
            {QDateTime::currentDateTimeUtc(), m.student, address, m.subject, DeliveryResult::MailProgram, {}});
    }
    if (const Result<void> logged = log_.append(entries); !logged) dialogs_.warn(this, logged.message());
    ++opened_;
    next();
}

}  // namespace markwell
