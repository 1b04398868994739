// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/SettingsNames.h"

#include <QCoreApplication>
#include <QSettings>

namespace markwell {

QString settingsOrganizationName() {
    return QStringLiteral("Larkhaven");
}

QString settingsApplicationName() {
    return QStringLiteral("Grades");
}

void applySettingsNames() {
    QCoreApplication::setOrganizationName(settingsOrganizationName());
    QCoreApplication::setApplicationName(settingsApplicationName());
    // An INI file, as the settings store keeps: a QSettings() made anywhere
    // else (the window's size, say) shares the store's file.
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

}  // namespace markwell
