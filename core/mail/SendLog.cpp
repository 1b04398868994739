// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/SendLog.h"

#include "core/document/DataFolder.h"
#include "core/files/AtomicFile.h"
#include "core/files/PrivateFiles.h"
#include "core/reports/ReportStyle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwell {
namespace {

struct SendLogText {
    Q_DECLARE_TR_FUNCTIONS(SendLog)
};

// A log grown past this is read from its newest lines only.
constexpr qint64 kLongestReadLog = 64LL * 1024 * 1024;
constexpr int kFields = 6;

QString logFileName() {
    return QStringLiteral("send-log.txt");
}

// A field on one line of its own: tabs, line breaks and backslashes escaped.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        default: out += ch;
        }
    }
    return out;
}

QString unescaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == u't' ? QChar(u'\t') : next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out;
}

QByteArray lineOf(const SendLogEntry& e) {
    const QStringList fields{
        e.time.toUTC().toString(Qt::ISODate), escaped(e.student), escaped(e.address), escaped(e.subject),
        deliveryResultName(e.result),         escaped(e.reply)};
    return fields.join(QLatin1Char('\t')).toUtf8() + '\n';
}

std::optional<SendLogEntry> entryOf(QStringView line) {
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != kFields) return std::nullopt;
    SendLogEntry e;
    e.time = QDateTime::fromString(fields[0].toString(), Qt::ISODate);
    const std::optional<DeliveryResult> result = deliveryResultFromName(fields[4].toString());
    if (!e.time.isValid() || !result) return std::nullopt;
    e.time = e.time.toUTC();
    e.student = unescaped(fields[1]);
    e.address = unescaped(fields[2]);
    e.subject = unescaped(fields[3]);
    e.result = *result;
    e.reply = unescaped(fields[5]);
    return e;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

Result<void> appendPrivately(const QString& path, const QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kPrivateFileMode);
    if (fd < 0) return fail(unableToCreate(path, systemError()));
    // A log made by an older Markwell or under another umask is made private too.
    makePrivate(path);
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const QString reason = systemError();
            ::close(fd);
            return fail(unableToCreate(path, reason));
        }
        data += written;
        left -= written;
    }
    const bool synced = ::fdatasync(fd) == 0;
    const QString reason = synced ? QString() : systemError();
    ::close(fd);
    if (!synced) return fail(unableToCreate(path, reason));
    return {};
}

}  // namespace

QString deliveryResultName(DeliveryResult result) {
    switch (result) {
    case DeliveryResult::Sent: return QStringLiteral("sent");
    case DeliveryResult::Refused: return QStringLiteral("refused");
    case DeliveryResult::Deferred: return QStringLiteral("deferred");
    case DeliveryResult::Unknown: return QStringLiteral("unknown");
    case DeliveryResult::Failed: return QStringLiteral("failed");
    case DeliveryResult::MailProgram: return QStringLiteral("mail program");
    }
    return {};
}

std::optional<DeliveryResult> deliveryResultFromName(const QString& name) {
    for (const DeliveryResult r : {DeliveryResult::Sent, DeliveryResult::Refused, DeliveryResult::Deferred,
                                   DeliveryResult::Unknown, DeliveryResult::Failed, DeliveryResult::MailProgram}) {
        if (deliveryResultName(r) == name) return r;
    }
    return std::nullopt;
}

QString deliveryResultText(DeliveryResult result) {
    switch (result) {
    case DeliveryResult::Sent: return SendLogText::tr("sent");
    case DeliveryResult::Refused: return SendLogText::tr("refused");
    case DeliveryResult::Deferred: return SendLogText::tr("deferred");
    case DeliveryResult::Unknown: return SendLogText::tr("unknown");
    case DeliveryResult::Failed: return SendLogText::tr("not sent");
    case DeliveryResult::MailProgram: return SendLogText::tr("mail program");
    }
    return {};
}

SendLog SendLog::ofClass(const QString& gradePath) {
    SendLog log(classDataFolder(gradePath) + QLatin1Char('/') + logFileName());
    log.gradePath_ = gradePath;
    return log;
}

Result<void> SendLog::append(const std::vector<SendLogEntry>& entries) const {
    if (entries.empty()) return {};
    if (!gradePath_.isEmpty()) {
        if (Result<QString> folder = createClassDataFolder(gradePath_); !folder) return folder.error();
    } else if (!makePrivateFolder(QFileInfo(path_).absolutePath())) {
        return fail(unableToCreate(path_, SendLogText::tr("its folder cannot be made")));
    }
    QByteArray bytes;
    for (const SendLogEntry& e : entries) bytes += lineOf(e);
    return appendPrivately(path_, bytes);
}

Result<std::vector<SendLogEntry>> SendLog::read() const {
    QFile file(path_);
    if (!file.exists()) return std::vector<SendLogEntry>{};
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(SendLogText::tr("Unable to read the send log %1: %2").arg(path_, file.errorString()));
    }
    const qint64 size = file.size();
    if (size > kLongestReadLog) file.seek(size - kLongestReadLog);
    QByteArray bytes = file.read(kLongestReadLog);
    // Only whole lines: a start cut off by the limit, or a line still being
    // written by another Markwell, is no entry.
    if (size > kLongestReadLog) bytes.remove(0, bytes.indexOf('\n') + 1);
    bytes.truncate(bytes.lastIndexOf('\n') + 1);
    std::vector<SendLogEntry> entries;
    const QString text = QString::fromUtf8(bytes);
    for (const QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (std::optional<SendLogEntry> e = entryOf(line)) entries.push_back(std::move(*e));
    }
    return entries;
}

Result<void> SendLog::removeOldEntries(const QDateTime& now) const {
    Result<std::vector<SendLogEntry>> entries = read();
    if (!entries) return entries.error();
    const QDateTime oldest = now.addDays(-kSendLogDays);
    const auto old = [&oldest](const SendLogEntry& e) { return e.time < oldest; };
    if (std::none_of(entries->begin(), entries->end(), old)) return {};
    QByteArray bytes;
    for (const SendLogEntry& e : *entries) {
        if (!old(e)) bytes += lineOf(e);
    }
    return writePrivateFileAtomically(path_, bytes);
}

Sheet sendLogSheet(const std::vector<SendLogEntry>& entries) {
    Sheet sheet;
    const QString headings[] = {SendLogText::tr("Time"),    SendLogText::tr("Student"), SendLogText::tr("Address"),
                                SendLogText::tr("Subject"), SendLogText::tr("Result"),  SendLogText::tr("Reply")};
    sheet.setMaxCol(kFields);
    sheet.setMaxRow(static_cast<int>(entries.size()) + 1);
    for (int c = 0; c < kFields; ++c) sheet.setText(1, c + 1, headings[c]);
    int row = 2;
    for (auto e = entries.rbegin(); e != entries.rend(); ++e, ++row) {
        sheet.setText(row, 1, e->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        sheet.setText(row, 2, e->student);
        sheet.setText(row, 3, e->address);
        sheet.setText(row, 4, e->subject);
        sheet.setText(row, 5, deliveryResultText(e->result));
        sheet.setText(row, 6, e->reply);
    }
    applyReportStyle(sheet, kFields + 1);
    return sheet;
}

}  // namespace markwell
