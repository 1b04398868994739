// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>

namespace markwell {

// A reply of the mail server: its three-digit code and its text (the lines
// of a reply of several joined by spaces, each with its code as sent).
struct SmtpReply {
    int code = 0;
    QString text;

    bool isEmpty() const { return code == 0; }
};

// Follows one transaction with the mail server from what is said both ways
// (each command we send, each reply line it sends) and tells what came of
// the address: where the first refusal came, and whether the message itself
// had gone when the talk ended. Only the kind of each command is kept, never
// its text: an AUTH line carries the password.
class SmtpDialogue {
public:
    enum class Stage {
        Session,   // greeting, EHLO, STARTTLS, AUTH: about the connection
        Envelope,  // MAIL FROM, RCPT TO: about this address
        Data,      // DATA sent, the go-ahead awaited
        Body,      // the message on its way, its answer awaited
        Ended,     // the message's answer came
    };

    void commandSent(QByteArrayView line);
    void replyLineReceived(QByteArrayView line);

    // The first reply of 400 or more, and the stage it answered.
    const SmtpReply& refusal() const { return refusal_; }
    Stage refusalStage() const { return refusalStage_; }
    // The last complete reply.
    const SmtpReply& lastReply() const { return last_; }
    // Whether the server had said to send the message (354): from then on, a
    // lost connection may have delivered it.
    bool messageStarted() const { return stage_ == Stage::Body || stage_ == Stage::Ended; }
    Stage stage() const { return stage_; }

private:
    Stage stage_ = Stage::Session;
    Stage refusalStage_ = Stage::Session;
    bool afterRefusal_ = false;  // what follows a refusal (RSET, QUIT) counts no more
    SmtpReply refusal_;
    SmtpReply last_;
    QString pending_;  // the lines so far of a reply of several lines
};

}  // namespace markwell
