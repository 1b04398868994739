// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The attendance reader takes any bytes; whatever it reads and does not call
// damaged survives a write and a second read, and a month marked for a
// name reads back.

#include "fuzz/FuzzCheck.h"

#include "core/attendance/AttendanceChanges.h"
#include "core/data/Document.h"
#include "core/files/AttendanceFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const AttendanceFile file = parseAttendanceFile(bytes);
    FUZZ_CHECK(file.records.size() == size / kAttendanceRecordSize);
    FUZZ_CHECK(file.trailingPartialRecord == (size % kAttendanceRecordSize != 0));
    const Result<QByteArray> written = serializeAttendanceFile(file.records);
    // A file that is not called damaged is one that can be written back.
    FUZZ_CHECK(written.ok() == attendanceFileDamage(file).isEmpty());
    if (!written) return 0;
    FUZZ_CHECK(parseAttendanceFile(written.value()).records == file.records);

    if (file.records.empty()) return 0;
    Document document;
    document.attendance = AttendanceBook(file.records);
    const AttendanceInfo first = file.records.front();
    std::vector<std::string> names;
    for (const AttendanceInfo& r : file.records) names.push_back(r.name);
    const auto before = document.attendance.marksOf(first.Month, first.Year, names);
    FUZZ_CHECK(before.front().has_value());
    MonthMarks tardy{first.Month, first.Year, {}};
    for (int day = 1; day <= daysInMonth(first.Month, first.Year); ++day) tardy.marks.push_back({first.name, day, 'T'});
    FUZZ_CHECK(markAttendanceChange(tardy).applyTo(document).ok());
    FUZZ_CHECK(document.attendance.records().size() == file.records.size());  // marked in place, not added
    const auto after = document.attendance.marksOf(first.Month, first.Year, {first.name});
    FUZZ_CHECK(after.front().has_value() && after.front()->front() == 'T');
    FUZZ_CHECK(serializeAttendanceFile(document.attendance.records()).ok());
    return 0;
}
