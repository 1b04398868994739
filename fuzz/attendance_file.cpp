// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The attendance reader takes any bytes; whatever it reads and does not call
// damaged survives a write and a second read, and a month stored for its
// names reads back.

#include "fuzz/FuzzCheck.h"

#include "core/data/AttendanceBook.h"
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
    AttendanceBook book(file.records);
    const AttendanceInfo first = file.records.front();
    std::vector<std::string> names;
    for (const AttendanceInfo& r : file.records) names.push_back(r.name);
    const auto before = book.marksOf(first.Month, first.Year, names);
    FUZZ_CHECK(before.front().has_value());
    DayMarks marks;
    marks.fill('T');
    book.storeMonth(first.Month, first.Year, {first.name}, {marks});
    FUZZ_CHECK(book.records().size() == file.records.size());  // overwritten, not added
    const auto after = book.marksOf(first.Month, first.Year, {first.name});
    FUZZ_CHECK(after.front().has_value() && after.front()->front() == 'T');
    FUZZ_CHECK(serializeAttendanceFile(book.records()).ok());
    return 0;
}
