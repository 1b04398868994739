// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The seating reader takes any bytes; whatever it reads and does not call
// damaged survives a write and a second read unchanged.

#include "fuzz/FuzzCheck.h"

#include "core/files/SeatingFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SeatingChart chart = parseSeatingFile(bytes);
    FUZZ_CHECK(chart.seats.size() <= size / kSeatingRecordSize);
    FUZZ_CHECK(chart.trailingPartialRecord == (size % kSeatingRecordSize != 0));
    const Result<QByteArray> written = serializeSeatingFile(chart);
    // A file that is not called damaged is one that can be written back.
    FUZZ_CHECK(written.ok() == seatingFileDamage(chart).isEmpty());
    if (!written) return 0;
    FUZZ_CHECK(written->size() == static_cast<qsizetype>(chart.seats.size() + 1) * kSeatingRecordSize);
    SeatingChart again = parseSeatingFile(written.value());
    chart.trailingPartialRecord = false;
    FUZZ_CHECK(again == chart);
    return 0;
}
