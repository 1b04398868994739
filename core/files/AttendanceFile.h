// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

namespace markwell {

// The attendance file (.ATD beside the grade file): 140-byte records, one per
// student and month, in no particular order (AttendanceBook finds and stores
// them). The file is always rewritten whole and atomically.

inline constexpr qsizetype kAttendanceRecordSize = 140;

struct AttendanceFile {
    std::vector<AttendanceInfo> records;
    // The file ended inside a record; that piece was ignored.
    bool trailingPartialRecord = false;
};

// Takes any bytes: every whole record is read as it is.
AttendanceFile parseAttendanceFile(QByteArrayView bytes);
// Refuses, naming the record, a name that does not fit its field.
Result<QByteArray> serializeAttendanceFile(const std::vector<AttendanceInfo>& records);

// Why records read from a file cannot be taken as attendance ("record 3
// holds month 45"), or an empty string when they can. Markwell writes only
// months 1 to 12 and names that end inside their field; a file with anything
// else is damaged or is no attendance file, and writing it back would lose
// or refuse what it holds.
QString attendanceFileDamage(const AttendanceFile& file);

// A file that does not exist reads as empty. A file that cannot be read,
// that is shorter than one record, or whose records are damaged (see above),
// is refused with a message naming it. One that ends inside a later record
// gives the whole records before it (trailingPartialRecord).
Result<AttendanceFile> readAttendanceFile(const QString& path);
Result<void> writeAttendanceFile(const QString& path, const std::vector<AttendanceInfo>& records);

}  // namespace markwell
