// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grade file reader must refuse or read any bytes without a fault, and
// what it reads must survive a write and a second read unchanged.

#include "fuzz/FuzzCheck.h"

#include "core/files/GradeFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Result<ClassRecord> read = parseGradeFile(bytes, QStringLiteral("fuzz.grs"));
    if (!read) {
        FUZZ_CHECK(!read.message().isEmpty());
        return 0;
    }
    const Result<QByteArray> written = serializeGradeFile(read.value());
    if (!written) return 0;  // a text that fills its whole field cannot be written back
    const Result<ClassRecord> again = parseGradeFile(written.value(), QStringLiteral("fuzz.grs"));
    FUZZ_CHECK(again.ok());
    // Compared as bytes: a damaged total may be NaN, which equals nothing.
    FUZZ_CHECK(again->students == read->students && again->comments == read->comments);
    FUZZ_CHECK(again->assignments.size() == read->assignments.size());
    for (std::size_t i = 0; i < read->assignments.size(); ++i) {
        FUZZ_CHECK(again->assignments[i].namegrade == read->assignments[i].namegrade);
    }
    FUZZ_CHECK(serializeGradeFile(again.value()).value() == written.value());
    return 0;
}
