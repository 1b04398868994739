// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/ClassOnDisk.h"

#include "core/document/ClassLock.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/history/FilesStamp.h"
#include "core/history/GradeHistory.h"

namespace markwell {
namespace {

// Long enough for a save of a large class to finish, short enough that a
// window opening the class does not seem to hang.
constexpr std::chrono::milliseconds kLockWait{3000};

}  // namespace

std::optional<ClassState> classStateOnDisk(const QString& gradePath) {
    Result<ClassRecord> cls = readGradeFile(gradePath);
    if (!cls) return std::nullopt;
    Document document;
    document.classRecord = std::move(cls).value();
    if (Result<AttendanceFile> attendance = readAttendanceFile(attendancePathFor(gradePath))) {
        document.attendance = AttendanceBook(std::move(attendance->records));
    }
    if (Result<SeatingChart> chart = readSeatingFile(seatingPathFor(gradePath))) {
        document.classRecord.Seats = std::move(chart->seats);
        document.classRecord.teacherSeat = chart->teacher;
    }
    return classStateOf(document);
}

Result<void> lookAtClassOnDisk(GradeHistory& history, const QString& gradePath,
                               std::function<std::optional<ClassState>()> readState) {
    ClassLock lock(gradePath, ClassLock::Kind::Change);
    const Result<bool> taken = lock.take(kLockWait);
    if (taken && !*taken) return {};
    if (!readState) readState = [&gradePath] { return classStateOnDisk(gradePath); };
    return history.noteClassOnDisk(gradePath, classFilesStamp(gradePath), readState);
}

}  // namespace markwell
