// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/mail/SendLog.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace markwell {

class MailLauncher;
class UserDialogs;

// One family's message for the desktop's mail program.
struct QueuedMessage {
    QString student;
    QStringList addresses;
    QString subject;
    QString body;
    QString attachmentName;                              // "Ann Lee.pdf"
    std::function<Result<QByteArray>()> makeAttachment;  // the report, made when its turn comes
};

// For teachers without a mail server: the families' messages one at a time,
// "Message 3 of 28 — Ann Lee (ann@x.org, lee.family@x.org)", each opened in
// the mail program with its report attached for the teacher to send. The
// attachments it writes are removed after some days (see MailAttachment.h).
// Each message opened is a line of the class's send log.
class MailQueueWindow : public QDialog {
    Q_OBJECT
public:
    MailQueueWindow(std::vector<QueuedMessage> messages, MailLauncher& launcher, UserDialogs& dialogs, SendLog log,
                    QWidget* parent = nullptr);

    QLabel* messageLabel() const { return label_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* skipButton() const { return skip_; }
    QPushButton* stopButton() const { return stop_; }
    int opened() const { return opened_; }
    int skipped() const { return skipped_; }

public slots:
    void openInMailProgram();
    void skipMessage();

private:
    void showCurrent();
    void next();

    std::vector<QueuedMessage> messages_;
    MailLauncher& launcher_;
    UserDialogs& dialogs_;
    SendLog log_;
    std::size_t current_ = 0;
    int opened_ = 0;
    int skipped_ = 0;
    QLabel* label_;
    QPushButton* open_;
    QPushButton* skip_;
    QPushButton* stop_;
};

}  // namespace markwell
