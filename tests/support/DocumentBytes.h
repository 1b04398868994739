// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"

#include <array>

namespace markwell::test {

// The three files a save would write for the document, as bytes (grade,
// attendance, seating), made by the serialisers saveDocument uses.
inline std::array<QByteArray, 3> documentBytes(const Document& document) {
    const ClassRecord& cls = document.classRecord;
    const auto bytes = [](const Result<QByteArray>& made) { return made ? *made : QByteArray("refused"); };
    return {bytes(serializeGradeFile(cls)), bytes(serializeAttendanceFile(document.attendance.records())),
            bytes(serializeSeatingFile(SeatingChart{cls.Seats, cls.teacherSeat, false}))};
}

}  // namespace markwell::test
