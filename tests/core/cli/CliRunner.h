// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Runs markwell-cli as a person or a script would, with the tests' settings
// store (XDG_CONFIG_HOME is inherited from the test program).

#include <QProcess>
#include <QString>
#include <QStringList>

namespace markwell::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// `environment` sets variables ("LC_ALL=C") on top of the test's own;
// standard input holds `input` and then ends.
inline CliRun runCliWith(const QStringList& args, const QStringList& environment, const QByteArray& input) {
    QProcess process;
    if (!environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : environment) {
            env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        }
        process.setProcessEnvironment(env);
    }
    process.start(QStringLiteral(MARKWELL_CLI_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline CliRun runCli(const QStringList& args, const QStringList& environment = {}) {
    return runCliWith(args, environment, {});
}

// Standard input holds `input` and then ends (passwords, one per line).
inline CliRun runCliReading(const QStringList& args, const QByteArray& input) {
    return runCliWith(args, {}, input);
}

}  // namespace markwell::test
