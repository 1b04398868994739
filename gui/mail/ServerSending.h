// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/mail/SendLog.h"
#include "mail/sending/FamilySender.h"
#include "mail/smtp/SmtpSession.h"

#include <QString>

#include <vector>

class QWidget;

namespace markwell {

class UserDialogs;

struct ServerSendRequest {
    SmtpEndpoint endpoint;
    QString senderAddress;
    std::vector<FamilyMail> families;
    SendTimings timings;
    SendLog log;
};

struct ServerSendOutcome {
    SendRun run;
    QString logProblem;  // the first line of the log that could not be written
};

// Sends the families' messages on a thread of its own, so that the window
// keeps drawing, and shows how far it got with Cancel (through `dialogs`).
// Every attempt is written to the log as it ends. Returns once the run has
// ended. A message whose report has to be drawn is made on this (the
// window's) thread.
ServerSendOutcome sendThroughServer(QWidget* parent, UserDialogs& dialogs, ServerSendRequest request);

// Runs `make` on the thread of `context` (the window's) and waits for it:
// for what only that thread may do, asked from the sending thread.
Result<QByteArray> makeOnThreadOf(QObject* context, const std::function<Result<QByteArray>()>& make);

}  // namespace markwell
