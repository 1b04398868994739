// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace markwell {

// A name and an address as a message's headers show them.
struct Mailbox {
    QString name;
    QString address;
};

struct MessageAttachment {
    QString fileName;
    QByteArray bytes;
    QByteArray mimeType = QByteArrayLiteral("application/pdf");
};

// One family's message: who it is from and to, what it says, the report it
// carries, and the Date and Message-ID it goes with (the same bytes for
// every address, every resend and the saved .eml).
struct MessageContent {
    Mailbox from;
    std::vector<Mailbox> to;
    QString subject;
    QString body;
    std::optional<MessageAttachment> attachment;
    QDateTime date;
    QString messageId;  // without angle brackets
};

// The message as it is sent (RFC 5322 with MIME, lines ended by CRLF):
// names and the subject beyond ASCII encoded as the standards say, the body
// as UTF-8 text, the attachment in base64 under its file name.
QByteArray mimeMessageBytes(const MessageContent& content);

// A Message-ID no other message has: random, at the sender's domain.
QString newMessageId(const QString& senderAddress);

}  // namespace markwell
