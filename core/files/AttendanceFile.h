#pragma once

#include "common/Result.h"
#include "data/Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace markwell {

// The attendance file (.ATD beside the grade file): 140-byte records, one per
// student and month, in no particular order. A record is found by month, year
// and name, the name compared without regard to letter case; the first match
// in file order wins. The file is always rewritten whole and atomically.

inline constexpr qsizetype kAttendanceRecordSize = 140;

// One student's marks of one month: day d is at index d - 1; ' ' is nothing
// recorded.
using DayMarks = std::array<char, capacity::kAttendanceDays>;

struct AttendanceFile {
    std::vector<AttendanceInfo> records;
    // The file ended inside a record; that piece was ignored.
    bool trailingPartialRecord = false;
};

AttendanceFile parseAttendanceFile(QByteArrayView bytes);
// Refuses, naming the record, a name that does not fit its field.
Result<QByteArray> serializeAttendanceFile(const std::vector<AttendanceInfo>& records);

// A file that does not exist reads as empty.
Result<AttendanceFile> readAttendanceFile(const QString& path);
Result<void> writeAttendanceFile(const QString& path, const std::vector<AttendanceInfo>& records);

// The index of the first record of that month, year and name, if any.
std::optional<std::size_t> FindAttendanceRecord(const std::vector<AttendanceInfo>& records, std::int32_t month,
                                                std::int32_t year, std::string_view name);

// The marks of each name for the month (no value where there is no record).
std::vector<std::optional<DayMarks>> readAttendanceMonth(const std::vector<AttendanceInfo>& records,
                                                         std::int32_t month, std::int32_t year,
                                                         const std::vector<std::string>& names);

// Stores each name's marks for the month: over its first record if it has
// one, else in a new record at the end; every other record stays as it is.
// Days past the end of the month are stored as spaces. `marks` runs in step
// with `names`.
void writeAttendanceMonth(std::vector<AttendanceInfo>& records, std::int32_t month, std::int32_t year,
                          const std::vector<std::string>& names, const std::vector<DayMarks>& marks);

// Reads the file, stores the month's marks as above and rewrites the file.
Result<void> saveAttendanceMonth(const QString& path, std::int32_t month, std::int32_t year,
                                 const std::vector<std::string>& names, const std::vector<DayMarks>& marks);

// Days in a month of a year (31 for a month outside 1 to 12).
int daysInMonth(std::int32_t month, std::int32_t year);

}  // namespace markwell
