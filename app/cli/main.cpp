// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli: the class record without windows, for scripts, tests and batch work.

#include "app/cli/CommandRunner.h"
#include "core/common/HugePages.h"
#include "core/settings/SettingsNames.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>

using namespace markwell::cli;

namespace {

// Qt's own notes about the desktop it runs on (a missing runtime folder and
// the like) are no business of a script reading stderr; failures still show.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "markwell-cli: %s\n", message.toLocal8Bit().constData());
    }
}

// A command that draws pages gets the painting side of Qt on its screenless
// platform; every other command runs on QtCore alone.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    const Command* command = argc > 1 ? commandNamed(argv[1]) : nullptr;
    if (command && command->drawsPages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtNotes);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Runs the command the arguments name and gives its exit code.
int run(QStringList args, const Console& console) {
    if (args.isEmpty()) {
        console.error(QStringLiteral("no command given"));
        console.print(helpText());
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        console.print(helpText());
        return kExitOk;
    }
    if (name == QLatin1String("--version")) {
        console.printLine(QStringLiteral("markwell-cli %1").arg(QStringLiteral(MARKWELL_VERSION)));
        return kExitOk;
    }
    if (const Command* command = commandNamed(name.toUtf8().constData())) return runCommand(*command, args, console);
    return console.usage(QStringLiteral("unknown command \"%1\"").arg(name));
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, where the
    // signal would end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    markwell::growHeapInHugePages();
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    markwell::applySettingsNames();
    const Console console;
    return console.finish(run(QCoreApplication::arguments().mid(1), console));
}
