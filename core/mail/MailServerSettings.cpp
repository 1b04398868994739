// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/MailServerSettings.h"

#include "core/mail/FamilyAddresses.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace markwell {
namespace {

struct MailServerText {
    Q_DECLARE_TR_FUNCTIONS(MailServerSettings)
};

const SettingsGroup& mailGroup() {
    static const SettingsGroup group{QStringLiteral("Mail")};
    return group;
}

QString readText(const SettingsStore& settings, const char* name) {
    return settings.readString(mailGroup(), QLatin1String(name)).value_or(QString());
}

int readNumber(const SettingsStore& settings, const char* name, int lowest, int highest, int fallback) {
    const std::optional<std::int32_t> stored = settings.readInteger(mailGroup(), QLatin1String(name));
    return stored && *stored >= lowest && *stored <= highest ? *stored : fallback;
}

bool isPort(int port) {
    return port >= 1 && port <= 65535;
}

}  // namespace

int defaultMailPort(MailSecurity security) {
    switch (security) {
    case MailSecurity::StartTls: return 587;
    case MailSecurity::Tls: return 465;
    case MailSecurity::None: return 25;
    }
    return 587;
}

QString mailSecurityName(MailSecurity security) {
    switch (security) {
    case MailSecurity::StartTls: return QStringLiteral("starttls");
    case MailSecurity::Tls: return QStringLiteral("tls");
    case MailSecurity::None: return QStringLiteral("none");
    }
    return {};
}

std::optional<MailSecurity> mailSecurityFromName(const QString& name) {
    for (const MailSecurity s : {MailSecurity::StartTls, MailSecurity::Tls, MailSecurity::None}) {
        if (name == mailSecurityName(s)) return s;
    }
    return std::nullopt;
}

MailServerSettings readMailServerSettings(const SettingsStore& settings) {
    MailServerSettings server;
    server.host = readText(settings, "Server");
    server.security = mailSecurityFromName(readText(settings, "Security")).value_or(MailSecurity::StartTls);
    server.port = readNumber(settings, "Port", 1, 65535, defaultMailPort(server.security));
    server.user = readText(settings, "User");
    server.senderName = readText(settings, "SenderName");
    server.senderAddress = readText(settings, "SenderAddress");
    server.caFile = readText(settings, "CaFile");
    server.pauseMs = readNumber(settings, "PauseMs", 0, kLongestMailPauseMs, server.pauseMs);
    return server;
}

Result<void> writeMailServerSettings(SettingsStore& settings, const MailServerSettings& server) {
    const SettingsGroup& group = mailGroup();
    settings.writeString(group, QStringLiteral("Server"), server.host);
    settings.writeInteger(group, QStringLiteral("Port"), server.port);
    settings.writeString(group, QStringLiteral("Security"), mailSecurityName(server.security));
    settings.writeString(group, QStringLiteral("User"), server.user);
    settings.writeString(group, QStringLiteral("SenderName"), server.senderName);
    settings.writeString(group, QStringLiteral("SenderAddress"), server.senderAddress);
    settings.writeString(group, QStringLiteral("CaFile"), server.caFile);
    settings.writeInteger(group, QStringLiteral("PauseMs"), server.pauseMs);
    return settings.flush();
}

QString mailServerProblem(const MailServerSettings& server) {
    if (server.host.trimmed().isEmpty()) return MailServerText::tr("No mail server is set.");
    if (!isPort(server.port)) return MailServerText::tr("The port of the mail server is from 1 to 65535.");
    if (!isSendableAddress(server.senderAddress)) {
        return MailServerText::tr("The sender's address \"%1\" is not an e-mail address.").arg(server.senderAddress);
    }
    if (server.security == MailSecurity::None && !server.user.isEmpty() && !isThisComputer(server.host)) {
        return MailServerText::tr("A password is never sent without TLS: choose STARTTLS or TLS for %1, or leave "
                                  "the user name empty.")
            .arg(server.host);
    }
    return {};
}

bool isThisComputer(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || host == QLatin1String("::1")) {
        return true;
    }
    static const QRegularExpression loopback(QStringLiteral("^127\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch match = loopback.match(host);
    if (!match.hasMatch()) return false;
    for (int i = 1; i <= 3; ++i) {
        if (match.captured(i).toInt() > 255) return false;
    }
    return true;
}

std::optional<HostAndPort> hostAndPortFromText(const QString& text, int defaultPort) {
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([^:\\[\\]\\s/@]+))(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    HostAndPort result;
    result.host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    result.port = match.captured(3).isEmpty() ? defaultPort : match.captured(3).toInt();
    if (!isPort(result.port)) return std::nullopt;
    return result;
}

}  // namespace markwell
