// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sample/SampleAttendance.h"

#include "core/sample/SampleRandom.h"

#include <QDate>

namespace markwell {

std::vector<AttendanceInfo> makeSampleAttendance(const ClassRecord& cls, std::uint64_t seed, std::int32_t year,
                                                 std::int32_t firstMonth, std::int32_t lastMonth) {
    SampleRandom random(seed ^ 0xA77E0DA9CEULL);
    // Each student's chance of a mark on a school day.
    std::vector<double> proneness;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        proneness.push_back(random.chance(0.15) ? 0.12 + random.unit() * 0.1 : random.unit() * 0.05);
    }
    std::vector<AttendanceInfo> records;
    for (std::int32_t month = firstMonth; month <= lastMonth; ++month) {
        const QDate first(year, month, 1);
        if (!first.isValid()) continue;
        for (std::size_t s = 0; s < cls.students.size(); ++s) {
            AttendanceInfo record;
            record.Month = month;
            record.Year = year;
            record.name = cls.students[s].name;
            for (int day = 1; day <= first.daysInMonth(); ++day) {
                if (first.addDays(day - 1).dayOfWeek() > 5 || !random.chance(proneness[s])) continue;
                const double kind = random.unit();
                record.entry[static_cast<std::size_t>(day - 1)] = kind < 0.5 ? 'T' : kind < 0.8 ? 'E' : 'U';
            }
            records.push_back(std::move(record));
        }
    }
    return records;
}

}  // namespace markwell
