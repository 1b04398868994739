// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/scores/ScorePlan.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// What an import of scores would change, as the Import Scores window shows
// it before anything changes: a heading row "Student", "Assignment", "Old",
// "New", "Note", then one row per score set, in the file's order. Old is
// empty for a new student or assignment; the note flags points above the
// possible points.
Sheet scoreChangesSheet(const ScorePlan& plan);

// The counts in a line: "3 scores changed, 12 unchanged, 1 new assignment,
// no new students, no refused cells".
QString scoreCountsText(const ScoreCounts& counts);

}  // namespace markwell
