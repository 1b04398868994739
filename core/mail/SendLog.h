// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/sheet/Sheet.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace markwell {

// What became of one address of a family's message.
enum class DeliveryResult {
    Sent,         // the server took it
    Refused,      // the server said no for good (5xx)
    Deferred,     // the server said not now (4xx)
    Unknown,      // the connection went after the message was sent: it may have arrived
    Failed,       // it never reached a server that could answer for it
    MailProgram,  // handed to the desktop's mail program
};

// "sent", "refused", "deferred", "unknown", "failed", "mail program": the
// words the log keeps and markwell-cli prints.
QString deliveryResultName(DeliveryResult result);
std::optional<DeliveryResult> deliveryResultFromName(const QString& name);
// The word as the window shows it.
QString deliveryResultText(DeliveryResult result);

// One delivery attempt: one line of a class's send log.
struct SendLogEntry {
    QDateTime time;  // UTC
    QString student;
    QString address;
    QString subject;
    DeliveryResult result = DeliveryResult::Sent;
    QString reply;  // the server's reply, or why nothing was sent

    bool operator==(const SendLogEntry&) const = default;
};

// What was sent for a class, kept with Markwell's own data about it (never
// beside the class): one line per attempt, readable by its owner only.
// Entries older than kSendLogDays go when the log is next written.
inline constexpr int kSendLogDays = 400;

class SendLog {
public:
    // The log of the class whose grade file is `gradePath`.
    static SendLog ofClass(const QString& gradePath);
    explicit SendLog(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // Adds the entries at the end (the class's data folder is made when
    // missing); the file stays private whatever the umask.
    Result<void> append(const std::vector<SendLogEntry>& entries) const;
    // Every entry, oldest first; lines that do not read are passed over. A
    // missing log is an empty one.
    Result<std::vector<SendLogEntry>> read() const;
    // Removes the entries older than kSendLogDays before `now`; rewrites the
    // file only when there are any.
    Result<void> removeOldEntries(const QDateTime& now) const;

private:
    QString path_;
    QString gradePath_;  // the class's, when its data folder may have to be made
};

// The log as a table: Time (local), Student, Address, Subject, Result,
// Reply, newest first; what the window shows and the CSV export writes.
Sheet sendLogSheet(const std::vector<SendLogEntry>& entries);

}  // namespace markwell
