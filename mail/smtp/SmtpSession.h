// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/mail/MailServerSettings.h"
#include "mail/smtp/SmtpDialogue.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace markwell {

// Where the messages go and how: the server of the settings with the
// password for this run (from the keyring, the teacher or the environment;
// never stored with the settings).
struct SmtpEndpoint {
    QString host;
    int port = 587;
    MailSecurity security = MailSecurity::StartTls;
    QString user;
    QString password;
    QString caFile;
};

// What the server made of one address.
struct DeliveryReply {
    enum class Kind {
        Accepted,       // the server took the message for the address
        Refused,        // 5xx: not for this address, ever
        Deferred,       // 4xx: not now
        ServerClosing,  // 421: the server is closing the connection; nothing was taken
        Dropped,        // the connection went before the message did: nothing was taken
        Unknown,        // the connection went after the message was sent: it may have arrived
        SessionFailed,  // no connection the address could go through (see `message`)
        Cancelled,      // stopped before the message went
    };
    Kind kind = Kind::Accepted;
    SmtpReply reply;  // the server's reply that decided it, when there was one
    QString message;  // for a person: what went wrong with the connection
};

// One connection to the mail server, kept open from one message to the
// next (libcurl's SMTP). Every delivery is one transaction for one address
// (MAIL FROM, RCPT TO, DATA), so the result of every address is known.
// Certificates are always checked: against the system's authorities and,
// when given, the endpoint's CA file besides them. A password is never sent
// unprotected, unless to this computer.
class SmtpSession {
public:
    explicit SmtpSession(SmtpEndpoint endpoint);
    ~SmtpSession();
    SmtpSession(const SmtpSession&) = delete;
    SmtpSession& operator=(const SmtpSession&) = delete;

    // Why the endpoint cannot be used before anything is sent (a password
    // that would go without TLS to another computer, a CA file that cannot
    // be read); empty when it can.
    QString problem() const;

    // Called now and then during a delivery; true stops it, as long as the
    // message has not started on its way.
    void setCancelCheck(std::function<bool()> cancelled) { cancelled_ = std::move(cancelled); }

    DeliveryReply deliver(const QString& from, const QString& to, const QByteArray& message);

    // The next delivery starts on a new connection.
    void reconnect() { freshConnection_ = true; }

    // How many connections were opened so far.
    int connectionsOpened() const { return connections_; }

private:
    struct Transfer;
    DeliveryReply outcomeOf(int curlCode, const SmtpDialogue& dialogue, const QString& detail) const;
    QString serverName() const;

    SmtpEndpoint endpoint_;
    void* curl_ = nullptr;  // CURL*
    std::function<bool()> cancelled_;
    bool freshConnection_ = false;
    int connections_ = 0;
};

}  // namespace markwell
