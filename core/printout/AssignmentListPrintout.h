// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <vector>

namespace markwell {

// The assignment list as printed: "Title", "Type", "Description" in the
// navy heading row, one row per assignment ("< None >" for no description),
// types and descriptions centred, no grid lines, centred on the page, under
// the header "&L" + the class's path + "Assignment Information" in the
// centre + the date on the right.
Sheet assignmentListPrintout(const std::vector<AssignmentInfo>& assignments, const QString& classPath);

}  // namespace markwell
