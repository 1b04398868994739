// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace markwell {

// A message for the desktop's mail program to open, ready to be sent.
// Empty parts are left out: a draft of a recipient alone opens that address
// as it is, its subject and body included ("mailto:...?subject=Grades&body=").
struct MailDraft {
    QByteArray recipient;  // a percent-encoded "mailto:" address; empty for none
    QString subject;
    QString body;
    QString attachment;  // the path of a file to attach; empty for none
};

// Hands messages, with an attachment or without, to the desktop's mail
// program. Tests put a program of their own in its place. compose() returns
// at once, never waiting for the mail program, and shows the busy pointer
// while it starts; what goes wrong then is reported through failed(), with a
// message that names the attachment, if any, so that the teacher can attach
// it by hand.
class MailLauncher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void compose(const MailDraft& draft) = 0;

signals:
    void failed(const QString& message);
};

}  // namespace markwell
