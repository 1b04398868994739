// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace markwell::test {

// A real mail server on a free port of 127.0.0.1 for as long as it lives:
// aiosmtpd (Debian: python3-aiosmtpd) with the handler of
// tests/mail/smtp_handler.py, whose rules say what it refuses, defers or
// cuts. Every message it takes is read back with what Python's own mail
// parser makes of it. For TLS, a certificate authority and the server's
// certificate (for 127.0.0.1) are made with openssl.
class SmtpTestServer {
public:
    enum class Security { None, StartTls, Tls };
    struct Options {
        QStringList rules;  // "refuse=ann@x.org", "auth=teacher:secret", ...
        Security security = Security::None;
    };

    explicit SmtpTestServer(const Options& options);
    SmtpTestServer() : SmtpTestServer(Options{}) {}
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    // Empty when the server runs; otherwise why not (for the test's failure).
    const QString& problem() const { return problem_; }
    int port() const { return port_; }
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    // The authority that signed the server's certificate (TLS only).
    QString caFile() const { return folder_.filePath(QStringLiteral("ca.pem")); }

    // Every message taken so far, in order (see smtp_handler.py for the fields).
    std::vector<QJsonObject> messages() const;
    // The attachment of message `index` (from 0), as a file.
    QString attachmentPath(int index) const;

    // Stops the server; nothing listens on its port afterwards.
    void stop();

    // A port on 127.0.0.1 where nothing listens (at the moment it is asked).
    static int freePort();

private:
    bool makeCertificates();
    bool start(const Options& options);

    QTemporaryDir folder_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
    QString problem_;
};

}  // namespace markwell::test
