// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/ClassOnDisk.h"

#include "core/document/ClassLock.h"
#include "core/document/ClassWriter.h"
#include "core/files/AttendanceFile.h"
#include "core/files/FileBytes.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/history/FilesStamp.h"
#include "core/history/GradeHistory.h"

#include <QFileInfo>

namespace markwell {
namespace {

// Long enough for a save of a large class to finish, short enough that a
// window opening the class does not seem to hang.
constexpr std::chrono::milliseconds kLockWait{3000};

}  // namespace

std::optional<ClassState> classStateOfFiles(const QString& gradePath, const QByteArray& grade,
                                            const QByteArray& attendance, const QByteArray& seating) {
    Result<ClassRecord> cls = parseGradeFile(grade, gradePath);
    if (!cls) return std::nullopt;
    Document document;
    document.classRecord = std::move(cls).value();
    // A damaged sibling is no attendance or no seats, as when the class is opened.
    AttendanceFile marks = parseAttendanceFile(attendance);
    if (attendanceFileDamage(marks).isEmpty()) document.attendance = AttendanceBook(std::move(marks.records));
    if (!seating.isEmpty()) {
        SeatingChart chart = parseSeatingFile(seating);
        if (seatingFileDamage(chart).isEmpty()) {
            document.classRecord.Seats = std::move(chart.seats);
            document.classRecord.teacherSeat = chart.teacher;
        }
    }
    return classStateOf(document);
}

std::optional<ClassState> classStateOnDisk(const QString& gradePath) {
    const Result<QByteArray> grade = readFileBytes(gradePath);
    if (!grade) return std::nullopt;
    const Result<QByteArray> attendance = readFileBytesIfAny(attendancePathFor(gradePath));
    const Result<QByteArray> seating = readFileBytesIfAny(seatingPathFor(gradePath));
    return classStateOfFiles(gradePath, *grade, attendance ? *attendance : QByteArray(),
                             seating ? *seating : QByteArray());
}

Result<void> lookAtClassOnDisk(GradeHistory& history, const QString& gradePath,
                               std::function<std::optional<ClassState>()> readState) {
    ClassLock lock(gradePath, ClassLock::Kind::Change);
    const Result<bool> taken = lock.take(kLockWait);
    if (taken && !*taken) return {};
    // A save interrupted there is half in place until whoever reads the class
    // next finishes it: the history looks at whole classes only.
    if (QFileInfo::exists(saveJournalPath(gradePath))) return {};
    if (!readState) readState = [&gradePath] { return classStateOnDisk(gradePath); };
    return history.noteClassOnDisk(gradePath, classFilesStamp(gradePath), readState);
}

}  // namespace markwell
