// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace markwell {

// The seating file (.SEA beside the grade file): 232-byte records, the
// student seats in order, then one record for the teacher's box. A record
// whose caption is exactly "Teacher" moves the teacher's box; every other
// record is a student seat. A student seat captioned exactly "Teacher" is
// therefore read back as the teacher's box: a limit of the layout.

inline constexpr qsizetype kSeatingRecordSize = 232;

struct SeatingChart {
    std::vector<SeatingInfo> seats;
    SeatingInfo teacher = defaultTeacherSeat();
    // The file ended inside a record; that piece was ignored.
    bool trailingPartialRecord = false;

    bool operator==(const SeatingChart&) const = default;
};

// Takes any bytes: every whole record is read as it is.
SeatingChart parseSeatingFile(QByteArrayView bytes);
// Refuses, naming the seat, a caption or font name that does not fit.
Result<QByteArray> serializeSeatingFile(const SeatingChart& chart);

// Why a chart read from a file cannot be taken as it is ("the caption of
// seat 2 does not end within its 100 bytes"), or an empty string when it
// can: such a chart could not be written back.
QString seatingFileDamage(const SeatingChart& chart);

// A file that does not exist reads as an empty chart. A file that cannot be
// read, that is shorter than one record, or whose records are damaged, is
// refused with a message naming it.
Result<SeatingChart> readSeatingFile(const QString& path);
Result<void> writeSeatingFile(const QString& path, const SeatingChart& chart);

}  // namespace markwell
