// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/smtp/SmtpSession.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <curl/curl.h>

#include <cstring>
#include <mutex>

namespace markwell {
namespace {

struct SmtpText {
    Q_DECLARE_TR_FUNCTIONS(SmtpSession)
};

constexpr long kConnectSeconds = 30;
// A server that says nothing for this long is taken for gone.
constexpr long kSilentServerSeconds = 120;

void initCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CURL* handle(void* curl) {
    return static_cast<CURL*>(curl);
}

// The name we greet the server with: this computer's, when it is one a
// server accepts.
QByteArray greetingName() {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9.-]*$"));
    const QString name = QSysInfo::machineHostName();
    return plain.match(name).hasMatch() ? name.toLatin1() : QByteArrayLiteral("localhost");
}

// The system's folder of certificate authorities, which stays trusted when a
// CA file of the school's is given too.
QByteArray systemCertificateFolder() {
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    if (info->capath) return info->capath;
    return QFileInfo::exists(QStringLiteral("/etc/ssl/certs")) ? QByteArrayLiteral("/etc/ssl/certs") : QByteArray();
}

bool isConnectionFailure(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT: return true;
    default: return false;
    }
}

bool isSecurityFailure(CURLcode code) {
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CRL_BADFILE: return true;
    default: return false;
    }
}

}  // namespace

// What one delivery hands libcurl and learns from it.
struct SmtpSession::Transfer {
    const QByteArray& message;
    qsizetype sent = 0;
    SmtpDialogue dialogue;
    const std::function<bool()>* cancelled;
    bool cancelledByUs = false;

    static size_t read(char* buffer, size_t size, size_t count, void* self) {
        auto* t = static_cast<Transfer*>(self);
        const size_t wanted = size * count;
        const auto left = static_cast<size_t>(t->message.size() - t->sent);
        const size_t n = std::min(wanted, left);
        std::memcpy(buffer, t->message.constData() + t->sent, n);
        t->sent += static_cast<qsizetype>(n);
        return n;
    }

    static int debug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
        auto* t = static_cast<Transfer*>(self);
        if (type != CURLINFO_HEADER_IN && type != CURLINFO_HEADER_OUT) return 0;
        // A chunk may hold several lines.
        const QByteArray chunk(data, static_cast<qsizetype>(size));
        for (const QByteArray& line : chunk.split('\n')) {
            const QByteArray text = line.trimmed();
            if (text.isEmpty()) continue;
            if (type == CURLINFO_HEADER_IN) {
                t->dialogue.replyLineReceived(text);
            } else {
                t->dialogue.commandSent(text);
            }
        }
        return 0;
    }

    static int progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        auto* t = static_cast<Transfer*>(self);
        const SmtpDialogue::Stage stage = t->dialogue.stage();
        if (stage != SmtpDialogue::Stage::Session && stage != SmtpDialogue::Stage::Envelope) {
            return 0;  // too late: the message is on its way (or taken) and its outcome must be known
        }
        if (*t->cancelled && (*t->cancelled)()) {
            t->cancelledByUs = true;
            return 1;
        }
        return 0;
    }
};

SmtpSession::SmtpSession(SmtpEndpoint endpoint) : endpoint_(std::move(endpoint)) {
    initCurl();
    curl_ = curl_easy_init();
}

SmtpSession::~SmtpSession() {
    // Says goodbye (QUIT) on a connection still open.
    if (curl_) curl_easy_cleanup(handle(curl_));
    // The password is not left lying in freed memory.
    endpoint_.password.fill(QLatin1Char(' '));
}

QString SmtpSession::serverName() const {
    return QStringLiteral("%1:%2").arg(endpoint_.host).arg(endpoint_.port);
}

QString SmtpSession::problem() const {
    if (!curl_) return SmtpText::tr("The mail library could not be started.");
    if (endpoint_.host.trimmed().isEmpty()) return SmtpText::tr("No mail server is set.");
    if (endpoint_.security == MailSecurity::None && !endpoint_.user.isEmpty() && !isThisComputer(endpoint_.host)) {
        return SmtpText::tr("A password is never sent without TLS: %1 is not on this computer. Choose STARTTLS or "
                            "TLS.")
            .arg(serverName());
    }
    if (!endpoint_.caFile.isEmpty() && !QFileInfo(endpoint_.caFile).isReadable()) {
        return SmtpText::tr("The CA file %1 cannot be read.").arg(endpoint_.caFile);
    }
    return {};
}

DeliveryReply SmtpSession::deliver(const QString& from, const QString& to, const QByteArray& message) {
    if (const QString reason = problem(); !reason.isEmpty()) {
        return {DeliveryReply::Kind::SessionFailed, {}, reason};
    }
    CURL* curl = handle(curl_);
    Transfer transfer{message, 0, {}, &cancelled_};
    const bool tls = endpoint_.security == MailSecurity::Tls;
    const QString host = endpoint_.host.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + endpoint_.host + QLatin1Char(']')
                             : endpoint_.host;
    const QByteArray url = (tls ? QByteArrayLiteral("smtps://") : QByteArrayLiteral("smtp://")) + host.toUtf8() + ':' +
                           QByteArray::number(endpoint_.port) + '/' + greetingName();
    const QByteArray mailFrom = '<' + from.toUtf8() + '>';
    const QByteArray rcpt = '<' + to.toUtf8() + '>';
    curl_slist* recipients = curl_slist_append(nullptr, rcpt.constData());
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kSilentServerSeconds);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_USE_SSL,
                     endpoint_.security == MailSecurity::None ? CURLUSESSL_NONE : CURLUSESSL_ALL);
    const QByteArray caFile = endpoint_.caFile.toLocal8Bit();
    const QByteArray systemFolder = systemCertificateFolder();
    if (!caFile.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
        if (!systemFolder.isEmpty()) curl_easy_setopt(curl, CURLOPT_CAPATH, systemFolder.constData());
    }
    const QByteArray user = endpoint_.user.toUtf8();
    QByteArray password = endpoint_.password.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Transfer::read);
    curl_easy_setopt(curl, CURLOPT_READDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &Transfer::debug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Transfer::progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, freshConnection_ ? 1L : 0L);
    freshConnection_ = false;

    const CURLcode code = curl_easy_perform(curl);
    long opened = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &opened);
    connections_ += static_cast<int>(opened);
    // Nothing of this transfer outlives it in the handle.
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(curl, CURLOPT_PASSWORD, "");
    curl_slist_free_all(recipients);
    password.fill(' ');

    if (transfer.cancelledByUs) return {DeliveryReply::Kind::Cancelled, {}, {}};
    const QString detail = errorText[0] ? QString::fromUtf8(errorText) : QString::fromUtf8(curl_easy_strerror(code));
    return outcomeOf(code, transfer.dialogue, detail);
}

DeliveryReply SmtpSession::outcomeOf(int curlCode, const SmtpDialogue& dialogue, const QString& detail) const {
    using Kind = DeliveryReply::Kind;
    const auto code = static_cast<CURLcode>(curlCode);
    if (code == CURLE_OK) return {Kind::Accepted, dialogue.lastReply(), {}};
    const SmtpReply& refusal = dialogue.refusal();
    if (refusal.code == 421) return {Kind::ServerClosing, refusal, {}};
    if (code == CURLE_LOGIN_DENIED) {
        return {Kind::SessionFailed, refusal,
                SmtpText::tr("The mail server %1 did not accept the user name or password: %2")
                    .arg(serverName(), refusal.isEmpty() ? detail : refusal.text)};
    }
    if (!refusal.isEmpty()) {
        // 530: the server wants a login first, whatever the address.
        if (dialogue.refusalStage() == SmtpDialogue::Stage::Session || refusal.code == 530) {
            return {Kind::SessionFailed, refusal,
                    SmtpText::tr("The mail server %1 refused the connection: %2").arg(serverName(), refusal.text)};
        }
        return {refusal.code < 500 ? Kind::Deferred : Kind::Refused, refusal, {}};
    }
    if (dialogue.messageStarted()) return {Kind::Unknown, {}, detail};
    if (isSecurityFailure(code)) {
        return {Kind::SessionFailed,
                {},
                SmtpText::tr("No secure connection to the mail server %1: %2").arg(serverName(), detail)};
    }
    // A connection that never answered is no connection; one that went
    // quiet in the middle may be tried again.
    if (isConnectionFailure(code) && dialogue.lastReply().isEmpty()) {
        return {Kind::SessionFailed,
                {},
                SmtpText::tr("Unable to connect to the mail server %1: %2").arg(serverName(), detail)};
    }
    return {Kind::Dropped, {}, detail};
}

}  // namespace markwell
