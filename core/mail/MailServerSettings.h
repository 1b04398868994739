// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/settings/SettingsStore.h"

#include <QString>

#include <optional>

namespace markwell {

// How the connection to the mail server is protected: STARTTLS upgrades a
// plain connection before anything else is said, TLS speaks it from the
// first byte, None sends everything as it is.
enum class MailSecurity { StartTls, Tls, None };

// The usual port of each: 587, 465 and 25.
int defaultMailPort(MailSecurity security);
// "starttls", "tls", "none" (as markwell-cli and the settings write them).
QString mailSecurityName(MailSecurity security);
std::optional<MailSecurity> mailSecurityFromName(const QString& name);

// The school's mail server as Edit > Options keeps it. The password is
// never among these: the desktop's keyring keeps it, or it is asked for.
struct MailServerSettings {
    QString host;
    int port = 587;
    MailSecurity security = MailSecurity::StartTls;
    QString user;
    QString senderName;
    QString senderAddress;
    QString caFile;     // a certificate authority trusted besides the system's
    int pauseMs = 500;  // between two messages, for the servers' rate limits

    bool operator==(const MailServerSettings&) const = default;
};

inline constexpr int kLongestMailPauseMs = 60000;

// The stored settings (group "Mail"); what is missing or out of range reads
// as the default.
MailServerSettings readMailServerSettings(const SettingsStore& settings);
// Stores them and makes them permanent.
Result<void> writeMailServerSettings(SettingsStore& settings, const MailServerSettings& server);

// Why the settings cannot send yet (no server, no sender address, a port
// out of range, a password that would travel unprotected); empty when they can.
QString mailServerProblem(const MailServerSettings& server);

// Whether `host` names this computer (127.0.0.0/8, ::1 or "localhost"): the
// only server a password may be sent to without TLS.
bool isThisComputer(const QString& host);

// "HOST" or "HOST:PORT" ("[::1]:PORT" for an IPv6 address) as markwell-cli
// takes it; the port is left at `defaultPort` when none is given. Nothing
// when it does not read.
struct HostAndPort {
    QString host;
    int port = 0;
};
std::optional<HostAndPort> hostAndPortFromText(const QString& text, int defaultPort);

}  // namespace markwell
