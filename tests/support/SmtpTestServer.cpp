// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/SmtpTestServer.h"
#include "tests/support/TestFiles.h"

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
    QDir(folder_.path()).mkdir("messages");
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
    if (!writeWholeFile(folder_.filePath("server.ext"),
                        "subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n"))
        return false;
    const QStringList ecKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    return runQuietly("openssl",
                      QStringList{"req", "-x509"} + ecKey +
                          QStringList{"-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj",
                                      "/CN=Markwell Test Authority", "-addext", "basicConstraints=critical,CA:TRUE",
                                      "-addext", "keyUsage=critical,keyCertSign,cRLSign"},
                      dir) &&
           runQuietly("openssl",
                      QStringList{"req"} + ecKey +
                          QStringList{"-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"},
                      dir) &&
           runQuietly("openssl",
                      {"x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
                       "-out", "server.pem", "-days", "2", "-extfile", "server.ext"},
                      dir);
}

bool SmtpTestServer::start(const Options& options) {
    port_ = freePort();
    QStringList args{"-m", "aiosmtpd", "-n", "-l", hostAndPort()};
    const QString cert = folder_.filePath("server.pem");
    const QString key = folder_.filePath("server.key");
    if (options.security == Security::StartTls) {
        args << "--tlscert" << cert << "--tlskey" << key;
    } else if (options.security == Security::Tls) {
        args << "--smtpscert" << cert << "--smtpskey" << key;
    }
    args << "-c"
         << "smtp_handler.Handler" << folder_.filePath("messages") << options.rules;
    process_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PYTHONPATH", QStringLiteral(MARKWELL_SOURCE_DIR "/tests/mail"));
    env.insert("PYTHONDONTWRITEBYTECODE", "1");
    process_->setProcessEnvironment(env);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start("/usr/bin/python3", args);
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
