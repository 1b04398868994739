// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

namespace markwell {

// A new class set up as `model` is, for the next term or another period: its
// assignments (titles, types, possible points, descriptions, no points), its
// weights and whether they are used, its grade scale, its dropping rule and
// the look of its grades table. Nothing of its students comes along: no
// students, points, comments or seats.
ClassRecord newClassRecordFrom(const ClassRecord& model);

}  // namespace markwell
