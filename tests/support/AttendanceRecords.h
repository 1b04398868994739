// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/files/AttendanceFile.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace markwell::test {

// A month's marks from day 1 on ("T  U": tardy on the 1st, unexcused on the
// 4th); every other day blank.
inline DayMarks dayMarks(std::string_view days) {
    DayMarks m;
    m.fill(' ');
    std::copy_n(days.begin(), std::min(days.size(), m.size()), m.begin());
    return m;
}

inline AttendanceInfo attendanceRecord(std::int32_t month, std::int32_t year, std::string name, std::string_view days) {
    AttendanceInfo r;
    r.Month = month;
    r.Year = year;
    r.name = std::move(name);
    r.entry = dayMarks(days);
    return r;
}

}  // namespace markwell::test
