// Test entry point: every test runs against a settings store in a temporary
// folder, never the user's own.

#include "settings/SettingsNames.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    QTemporaryDir config;
    if (!config.isValid()) return 1;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QCoreApplication app(argc, argv);
    markwell::applySettingsNames();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
