// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/ClassFileBytes.h"

#include "core/data/ClassRecord.h"
#include "core/files/FileBytes.h"

namespace markwell {

Result<ClassFileBytes> readClassFileBytes(const QString& gradePath) {
    Result<QByteArray> grade = readFileBytes(gradePath);
    if (!grade) return grade.error();
    Result<QByteArray> attendance = readFileBytesIfAny(attendancePathFor(gradePath));
    if (!attendance) return attendance.error();
    Result<QByteArray> seating = readFileBytesIfAny(seatingPathFor(gradePath));
    if (!seating) return seating.error();
    return ClassFileBytes{std::move(grade).value(), std::move(attendance).value(), std::move(seating).value()};
}

}  // namespace markwell
