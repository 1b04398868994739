#pragma once

// Entry point of a window test: offscreen unless told otherwise, and a
// settings store in a temporary folder, never the user's own; the habits
// every window of the program has.

#include "dialogs/WindowHabits.h"
#include "settings/SettingsNames.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#define MARKWELL_GUI_TEST_MAIN(TestClass)                                                   \
    int main(int argc, char** argv) {                                                      \
        QTemporaryDir config;                                                              \
        if (!config.isValid()) return 1;                                                   \
        setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);             \
        setenv("QT_QPA_PLATFORM", "offscreen", 0);                                         \
        QApplication app(argc, argv);                                                      \
        markwell::applySettingsNames();                                                    \
        markwell::installWindowHabits(app);                                                \
        TestClass test;                                                                    \
        return QTest::qExec(&test, argc, argv);                                            \
    }
