// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/scores/ScoreMapping.h"
#include "core/settings/SettingsStore.h"

namespace markwell {

// The choices of an import of scores, kept for each layout of file (the
// settings group "Score Import/Canvas" and so on), so that the next file of
// that layout starts from them: how students are matched, whether missing
// work counts as 0 and unknown students join, and what each column, by its
// heading, was used for.

void rememberScoreMapping(SettingsStore& settings, const ScoreTable& table, const ScoreMapping& mapping,
                          const ClassRecord& cls);

// Takes what was kept for the table's layout into `mapping` (as
// defaultScoreMapping made it). A column is used as before when its heading
// was seen; one that went to an assignment the class no longer has keeps
// its default.
void recallScoreMapping(const SettingsStore& settings, const ScoreTable& table, const ClassRecord& cls,
                        ScoreMapping& mapping);

}  // namespace markwell
