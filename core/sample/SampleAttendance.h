// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <cstdint>
#include <vector>

namespace markwell {

// Attendance for a demonstration class: one record per student for each
// month from `firstMonth` to `lastMonth` of `year`, with a few tardies ("T"),
// unexcused ("U") and excused ("E") absences on school days (Monday to
// Friday); some students are late or absent more often than others. The same
// class and seed always give the same records.
std::vector<AttendanceInfo> makeSampleAttendance(const ClassRecord& cls, std::uint64_t seed, std::int32_t year = 2026,
                                                 std::int32_t firstMonth = 9, std::int32_t lastMonth = 12);

}  // namespace markwell
