// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Test entry point: every test runs against a settings store and a program
// data folder in temporary folders, never the user's own.

#include "core/settings/SettingsNames.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    QTemporaryDir config;
    QTemporaryDir data;
    if (!config.isValid() || !data.isValid()) return 1;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    QCoreApplication app(argc, argv);
    markwell::applySettingsNames();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
