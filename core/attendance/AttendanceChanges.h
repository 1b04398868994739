// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/Change.h"

#include <cstdint>
#include <string>
#include <vector>

namespace markwell {

// One student's mark of one day of the month: 'T', 'U', 'E', or ' ' for none.
struct DayMark {
    std::string name;  // the student's, as the class spells it
    int day = 1;
    char mark = ' ';
};

// Marks of one month, as a key press or a mark of the pop-up menu sets them
// on the selected cells of the Attendance page.
struct MonthMarks {
    std::int32_t month = 1;
    std::int32_t year = 2001;
    std::vector<DayMark> marks;
};

// "Mark Attendance": each mark set in the student's record of that month
// (found as AttendanceBook finds it; a student without one gets a new record
// at the end, so a mark of none needs none). The step holds the old and new
// mark of each day it changed and the records it added, never a copy of the
// attendance. Nothing to undo when every day already had its mark. Refused,
// with nothing set, for a month outside 1 to 12 or a day outside the month.
Change markAttendanceChange(MonthMarks marks);

}  // namespace markwell
