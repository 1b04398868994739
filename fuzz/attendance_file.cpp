// The attendance reader takes any bytes; whatever it reads survives a write
// and a second read, and a month written for its names reads back.

#include "FuzzCheck.h"

#include "files/AttendanceFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    AttendanceFile file = parseAttendanceFile(bytes);
    FUZZ_CHECK(file.records.size() == size / kAttendanceRecordSize);
    FUZZ_CHECK(file.trailingPartialRecord == (size % kAttendanceRecordSize != 0));
    const Result<QByteArray> written = serializeAttendanceFile(file.records);
    if (!written) return 0;  // a name that fills its whole field cannot be written back
    FUZZ_CHECK(parseAttendanceFile(written.value()).records == file.records);

    if (file.records.empty()) return 0;
    const AttendanceInfo first = file.records.front();
    std::vector<std::string> names;
    for (const AttendanceInfo& r : file.records) names.push_back(r.name);
    const auto before = readAttendanceMonth(file.records, first.Month, first.Year, names);
    FUZZ_CHECK(before.front().has_value());
    DayMarks marks;
    marks.fill('T');
    writeAttendanceMonth(file.records, first.Month, first.Year, {first.name}, {marks});
    FUZZ_CHECK(file.records.size() == size / kAttendanceRecordSize);  // overwritten, not added
    const auto after = readAttendanceMonth(file.records, first.Month, first.Year, {first.name});
    FUZZ_CHECK(after.front().has_value() && after.front()->front() == 'T');
    return 0;
}
