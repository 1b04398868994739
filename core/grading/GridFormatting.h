// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/grading/PointTotals.h"
#include "core/sheet/Sheet.h"

#include <cstdint>
#include <vector>

namespace markwell {

// Gives a table laid out as the grades table its look:
// - with students, the heading row in the class font, bold, white on solid
//   navy, centred; with assignments as well, every cell right of the name
//   column centred;
// - every other row in the class font, size, style and colour, number format
//   "General";
// - the dropped cells in the class font, red, when `showDropColor` is on and
//   the rule is 1 or more (entries that name no cell are skipped);
// - grid lines as the class says, widths fitted, cell (1,1) selected.
// The heading is always bold and white, whatever the class's style.
void updateGridProperties(Sheet& sheet, int studentCount, int assignmentCount, const GridProperties& gridProps,
                          const std::vector<DroppedCell>& dropped, std::int32_t dropType, bool showDropColor);

// The class font (name, size, style, colour) as a cell font.
CellFont classFont(const GridProperties& gridProps);

// The dropped cells in `dataFont`, red, when the rule is 1 or more (entries
// that name no cell are skipped).
void markDroppedScores(Sheet& sheet, const CellFont& dataFont, const std::vector<DroppedCell>& dropped,
                       std::int32_t dropType);

}  // namespace markwell
