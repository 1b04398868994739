// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell: the desktop program. markwell [FILE.grs] opens that class at start.

#include "core/common/HugePages.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"
#include "core/settings/SettingsNames.h"
#include "gui/help/HelpCenter.h"
#include "gui/main/MainWindow.h"
#include "gui/options/PasswordDialog.h"
#include "gui/shared/Icons.h"
#include "gui/shared/QtUserDialogs.h"
#include "gui/shared/Translations.h"
#include "gui/shared/WindowHabits.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

struct MarkwellMain {
    Q_DECLARE_TR_FUNCTIONS(MarkwellMain)
};

void describeArguments(QCommandLineParser& parser) {
    parser.setApplicationDescription(MarkwellMain::tr("Computerized Markwell: a class record for teachers."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), MarkwellMain::tr("A grade file (.grs) to open."),
                                 QStringLiteral("[FILE.grs]"));
}

// --help and --version need no window, so they must work without a display.
bool asksOnlyForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (asksOnlyForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        markwell::installTranslations(info, QLocale());
        QCoreApplication::setApplicationVersion(QStringLiteral(MARKWELL_VERSION));
        QCommandLineParser parser;
        describeArguments(parser);
        parser.process(info);  // prints and exits
        return 0;
    }
    markwell::growHeapInHugePages();
    QApplication app(argc, argv);
    // The user's language for every text of the windows; files and their
    // stored texts stay as they are in every language.
    markwell::installTranslations(app, QLocale());
    // Qt's own widgets (the calendar, the print dialogs) write dates and
    // numbers in the language of the window's texts too.
    QLocale::setDefault(markwell::windowLocale());
    markwell::applySettingsNames();
    // No display name: the desktop would add it to every dialog's title.
    // The main window names the program in its own title.
    QApplication::setApplicationVersion(QStringLiteral(MARKWELL_VERSION));
    // Names the menu entry (example.larkhaven.markwell.desktop), whose icon and
    // name the desktop shows for the window.
    QApplication::setDesktopFileName(QStringLiteral("example.larkhaven.markwell"));
    QApplication::setWindowIcon(markwell::applicationIcon());

    QCommandLineParser parser;
    describeArguments(parser);
    parser.process(app);

    markwell::QSettingsStore settings;
    markwell::ScaleStore scales(settings);
    markwell::QtUserDialogs dialogs;
    markwell::HelpCenter help;
    app.installEventFilter(&help);
    markwell::installWindowHabits(app);

    // With protection on, nothing of the program shows before the password.
    markwell::PasswordProtection passwords(settings);
    if (!markwell::passwordAcceptedAtStart(passwords, dialogs)) return 0;

    markwell::MainWindow window(dialogs, settings, scales, passwords, &help);
    window.show();
    if (!parser.positionalArguments().isEmpty()) window.openAtStart(parser.positionalArguments().front());
    // MARKWELL_RECOVERY_ANSWER (recover, discard, later) answers for tests of the whole program.
    window.offerRecovery(markwell::recoveryAnswerNamed(qEnvironmentVariable("MARKWELL_RECOVERY_ANSWER")));
    return QApplication::exec();
}
