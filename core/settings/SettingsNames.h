// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

namespace markwell {

// The names the settings store is filed under: the organisation and the
// application, which make $XDG_CONFIG_HOME/Larkhaven/Grades.ini. The scales
// a teacher made live there, so these names never change.
QString settingsOrganizationName();
QString settingsApplicationName();

// Gives the running application these names and the INI format, so that
// every QSettings made without names (Qt's own included) opens the store's
// own file. Call it once the application object exists.
void applySettingsNames();

}  // namespace markwell
