// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/document/EarlierVersions.h"
#include "core/sheet/Sheet.h"

#include <vector>

namespace markwell {

// The table of a class's earlier versions, as the Earlier Versions window
// shows it and markwell-cli versions prints it (without its heading row):
// the heading "Version", "Saved", "Students", "Assignments", then a row per
// version in the order given. The time reads "2026-12-07 14:05:09"; a count
// of a version whose grade file cannot be read is "?".
Sheet earlierVersionsTable(const std::vector<EarlierVersion>& versions);

}  // namespace markwell
