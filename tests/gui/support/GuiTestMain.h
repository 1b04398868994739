// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Entry point of a window test: offscreen unless told otherwise, and a
// settings store and a program data folder in temporary folders, never the
// user's own; the habits every window of the program has.

#include "core/settings/SettingsNames.h"
#include "gui/shared/WindowHabits.h"
#include "tests/gui/support/Shown.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#define MARKWELL_GUI_TEST_MAIN(TestClass)                                      \
    int main(int argc, char** argv) {                                          \
        QTemporaryDir config;                                                  \
        QTemporaryDir data;                                                    \
        if (!config.isValid() || !data.isValid()) return 1;                    \
        setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1); \
        setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);     \
        setenv("QT_QPA_PLATFORM", "offscreen", 0);                             \
        QApplication app(argc, argv);                                          \
        markwell::applySettingsNames();                                        \
        markwell::installWindowHabits(app);                                    \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
