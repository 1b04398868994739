// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/smtp/SmtpDialogue.h"

namespace markwell {
namespace {

bool startsWithWord(QByteArrayView line, QByteArrayView word) {
    return line.size() >= word.size() &&
           QByteArrayView(line.first(word.size())).compare(word, Qt::CaseInsensitive) == 0;
}

QString trimmedText(QByteArrayView line) {
    return QString::fromUtf8(line).trimmed();
}

}  // namespace

void SmtpDialogue::commandSent(QByteArrayView line) {
    if (afterRefusal_ || stage_ == Stage::Ended) return;
    if (startsWithWord(line, "MAIL FROM") || startsWithWord(line, "RCPT TO")) {
        stage_ = Stage::Envelope;
    } else if (startsWithWord(line, "DATA")) {
        stage_ = Stage::Data;
    } else if (startsWithWord(line, "EHLO") || startsWithWord(line, "HELO") || startsWithWord(line, "STARTTLS") ||
               startsWithWord(line, "AUTH")) {
        stage_ = Stage::Session;
    }
}

void SmtpDialogue::replyLineReceived(QByteArrayView line) {
    // "250-first line" goes on, "250 last line" (or "250" alone) ends a reply.
    if (line.size() < 3) return;
    bool isNumber = false;
    const int code = QByteArrayView(line.first(3)).toInt(&isNumber);
    if (!isNumber) return;
    const bool more = line.size() > 3 && line[3] == '-';
    pending_ += (pending_.isEmpty() ? QString() : QStringLiteral(" ")) + trimmedText(line);
    if (more) return;
    last_ = {code, pending_};
    pending_.clear();
    if (afterRefusal_) return;
    if (code >= 400) {
        refusal_ = last_;
        refusalStage_ = stage_;
        afterRefusal_ = true;
        return;
    }
    if (stage_ == Stage::Data && code == 354) {
        stage_ = Stage::Body;
    } else if (stage_ == Stage::Body) {
        stage_ = Stage::Ended;
    }
}

}  // namespace markwell
