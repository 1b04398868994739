// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/SmtpTestServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace markwell::test {
namespace {

constexpr int kLongestWaitMs = 30000;
// How often a starting server is asked whether it listens yet.
constexpr int kListenCheckMs = 20;

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool somethingListensOn(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

bool runQuietly(const QString& program, const QStringList& args, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, args);
    return process.waitForFinished(kLongestWaitMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

}  // namespace

int SmtpTestServer::freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

SmtpTestServer::SmtpTestServer(const Options& options) {
    QDir(folder_.path()).mkdir(QStringLiteral("messages"));
    if (options.security != Security::None && !makeCertificates()) {
        problem_ = QStringLiteral("openssl could not make the test certificates");
        return;
    }
    // A port found free may be taken before the server binds it: try again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (start(options)) return;
    }
}

SmtpTestServer::~SmtpTestServer() {
    stop();
}

void SmtpTestServer::stop() {
    if (!process_) return;
    process_->kill();
    process_->waitForFinished(kLongestWaitMs);
    process_.reset();
}

bool SmtpTestServer::makeCertificates() {
    const QString dir = folder_.path();
    QFile extensions(folder_.filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly)) return false;
    extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n");
    extensions.close();
    const QString openssl = QStringLiteral("openssl");
    const QStringList ecKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    return runQuietly(
               openssl,
               QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey +
                   QStringList{QStringLiteral("-keyout"), QStringLiteral("ca.key"), QStringLiteral("-out"),
                               QStringLiteral("ca.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                               QStringLiteral("-subj"), QStringLiteral("/CN=Markwell Test Authority"),
                               QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                               QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")},
               dir) &&
           runQuietly(
               openssl,
               QStringList{QStringLiteral("req")} + ecKey +
                   QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"),
                               QStringLiteral("server.csr"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1")},
               dir) &&
           runQuietly(
               openssl,
               {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), QStringLiteral("server.csr"),
                QStringLiteral("-CA"), QStringLiteral("ca.pem"), QStringLiteral("-CAkey"), QStringLiteral("ca.key"),
                QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), QStringLiteral("server.pem"),
                QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"), QStringLiteral("server.ext")},
               dir);
}

bool SmtpTestServer::start(const Options& options) {
    port_ = freePort();
    QStringList args{QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                     hostAndPort()};
    const QString cert = folder_.filePath(QStringLiteral("server.pem"));
    const QString key = folder_.filePath(QStringLiteral("server.key"));
    if (options.security == Security::StartTls) {
        args << QStringLiteral("--tlscert") << cert << QStringLiteral("--tlskey") << key;
    } else if (options.security == Security::Tls) {
        args << QStringLiteral("--smtpscert") << cert << QStringLiteral("--smtpskey") << key;
    }
    args << QStringLiteral("-c") << QStringLiteral("smtp_handler.Handler")
         << folder_.filePath(QStringLiteral("messages")) << options.rules;
    process_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(MARKWELL_SOURCE_DIR "/tests/mail"));
    env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
    process_->setProcessEnvironment(env);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(QStringLiteral("/usr/bin/python3"), args);
    if (!process_->waitForStarted(kLongestWaitMs)) {
        problem_ = QStringLiteral("python3 -m aiosmtpd did not start: ") + process_->errorString();
        process_.reset();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    // Until the port answers, or the server ends (a handler that does not load).
    while (timer.elapsed() < kLongestWaitMs) {
        if (somethingListensOn(port_)) {
            problem_.clear();
            return true;
        }
        if (process_->waitForFinished(kListenCheckMs)) break;
    }
    problem_ = QStringLiteral("the test mail server did not listen on port %1").arg(port_);
    stop();
    return false;
}

std::vector<QJsonObject> SmtpTestServer::messages() const {
    std::vector<QJsonObject> list;
    for (int n = 1;; ++n) {
        QFile file(folder_.filePath(QStringLiteral("messages/%1.json").arg(n)));
        if (!file.open(QIODevice::ReadOnly)) break;
        list.push_back(QJsonDocument::fromJson(file.readAll()).object());
    }
    return list;
}

QString SmtpTestServer::attachmentPath(int index) const {
    return folder_.filePath(QStringLiteral("messages/%1.pdf").arg(index + 1));
}

}  // namespace markwell::test
