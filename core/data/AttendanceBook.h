// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwell {

// Days in a month of a year (31 for a month outside 1 to 12).
int daysInMonth(std::int32_t month, std::int32_t year);

// Every attendance record of a class, all months and years, in the order of
// its attendance file. The class document keeps it while the class is open:
// marks go here as they are typed and reach the file only when the class is
// saved. A record is found by month, year and name, the name compared without
// regard to letter case; the first match in file order wins.
class AttendanceBook {
public:
    AttendanceBook() = default;
    explicit AttendanceBook(std::vector<AttendanceInfo> records) : records_(std::move(records)) {}

    const std::vector<AttendanceInfo>& records() const { return records_; }
    bool empty() const { return records_.empty(); }

    // The index of the first record of that month, year and name, if any.
    std::optional<std::size_t> findAttendanceRecord(std::int32_t month, std::int32_t year, std::string_view name) const;

    // The marks of each name for the month (none where there is no record).
    std::vector<std::optional<DayMarks>> marksOf(std::int32_t month, std::int32_t year,
                                                 const std::vector<std::string>& names) const;

    // Gives every record of `oldName` (any month and year, letter case
    // ignored) the name `newName`, so that a renamed student keeps their
    // attendance; returns how many records were renamed. Records stay where
    // they are: a record the new name already had for a month is still found
    // first.
    int renameStudent(std::string_view oldName, std::string_view newName);

    // The pieces that a change of single marks is made of and taken back
    // with (see markAttendanceChange): one day's mark of a record, a record
    // added at the end, the last record taken away.
    void setMark(std::size_t record, int day, char mark) {
        records_[record].entry[static_cast<std::size_t>(day - 1)] = mark;
    }
    void appendRecord(AttendanceInfo record) { records_.push_back(std::move(record)); }
    void removeLastRecord() { records_.pop_back(); }

    bool operator==(const AttendanceBook&) const = default;

private:
    std::vector<AttendanceInfo> records_;
};

}  // namespace markwell
