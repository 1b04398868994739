// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/settings/SettingsStore.h"

namespace markwell {

// How many earlier versions of each class a save keeps: the settings group
// "Versions" holds "Keep". 0 keeps none.
inline constexpr int kDefaultKeptVersions = 10;
inline constexpr int kMostKeptVersions = 999;

// The stored number, or the default when none is stored or it is out of range.
int keptVersionCount(const SettingsStore& settings);

// Stores the number (0 to kMostKeptVersions) and makes it permanent.
Result<void> setKeptVersionCount(SettingsStore& settings, int count);

}  // namespace markwell
