// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/Change.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// Stores the text typed into the cell (row, col) of the grades table, as a
// change ("Typed Points"): every entry of the row's name in the column's
// assignment's point list takes it (a student without an entry gets one).
// Refuses, with a message for the teacher, input that is not points
// (editing/Validators.h: the rule every editor shares) and a cell that is not
// a student's points cell. Its step keeps only the point list entries it
// rewrites or adds, never a copy of the class, so that a long afternoon of
// typing stays small on the undo stack. The cell's student and assignment are
// read from `grades` here; the table is not kept.
Change typedPointsChange(const Sheet& grades, int row, int col, const QString& typed);

}  // namespace markwell
