// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/DocumentFiles.h"

#include "core/document/GradeFileOpening.h"
#include "core/files/AtomicFile.h"
#include "core/files/AttendanceFile.h"
#include "core/files/FileBytes.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

#include <sys/stat.h>

namespace markwell {
namespace {

struct DocumentFiles {
    Q_DECLARE_TR_FUNCTIONS(DocumentFiles)
};

// A sibling found damaged at open that is still where the save would write.
bool keepsDamagedFile(const QString& damage, const QString& currentPath, const QString& targetPath) {
    return !damage.isEmpty() && isSameFile(currentPath, targetPath) && QFileInfo::exists(targetPath);
}

// The file's bytes, or why it cannot be created: a field that does not
// fit, or a size the reader would refuse.
Result<QByteArray> prepare(const QString& path, Result<QByteArray> bytes, qint64 maxBytes) {
    if (!bytes) return fail(unableToCreate(path, bytes.message()));
    if (bytes->size() > maxBytes) {
        return fail(unableToCreate(path, DocumentFiles::tr("it would be %1 bytes, too large to be a class file "
                                                           "(at most %2 bytes); Markwell could not open it again")
                                             .arg(bytes->size())
                                             .arg(maxBytes)));
    }
    return bytes;
}

// What the attendance file of a class opened with records read past its end
// says: how many whole records were read and that the rest was not.
QString partialAttendanceNote(const QString& path, const AttendanceFile& file, qint64 fileBytes) {
    const qint64 read = static_cast<qint64>(file.records.size()) * kAttendanceRecordSize;
    return DocumentFiles::tr("The file %1 ends inside a record: its first %2 whole records were read, and the %3 "
                             "bytes after them were not. The next save writes only the records that were read.")
        .arg(path)
        .arg(file.records.size())
        .arg(fileBytes - read);
}

Result<Document> readDocument(const QString& gradePath, const ScaleStore& store) {
    GradeFileInfo info;
    Result<ClassRecord> cls = openGradeFile(gradePath, store, &info);
    if (!cls) return cls.error();
    Document document;
    document.classRecord = std::move(cls).value();
    document.skippedBytes = info.trailingBytes;
    document.markwellFile = QFileInfo(gradePath).absoluteFilePath();
    document.attendFile = attendancePathFor(document.markwellFile);
    document.seatingFile = seatingPathFor(document.markwellFile);

    if (Result<AttendanceFile> attendance = readAttendanceFile(document.attendFile)) {
        if (attendance->trailingPartialRecord) {
            document.attendanceNote =
                partialAttendanceNote(document.attendFile, *attendance, QFileInfo(document.attendFile).size());
        }
        document.attendance = AttendanceBook(std::move(attendance->records));
    } else {
        document.attendanceDamage = attendance.message();
    }
    if (Result<SeatingChart> chart = readSeatingFile(document.seatingFile)) {
        document.classRecord.Seats = std::move(chart->seats);
        document.classRecord.teacherSeat = chart->teacher;
    } else {
        document.seatingDamage = chart.message();
    }
    return document;
}

// Which files the three names and the journal are now: a save replaces
// each file by another one, so any save in between shows.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};
using ClassFilesIdentity = std::array<FileIdentity, 4>;

FileIdentity identityOfFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

ClassFilesIdentity identityOf(const QString& gradePath) {
    return {identityOfFile(gradePath), identityOfFile(attendancePathFor(gradePath)),
            identityOfFile(seatingPathFor(gradePath)), identityOfFile(saveJournalPath(gradePath))};
}

}  // namespace

QString skippedBytesNote(const QString& path, qint64 bytes) {
    if (bytes == 1) {
        return DocumentFiles::tr("The file %1 holds 1 byte after the end of the class, which was skipped. Saving the "
                                 "class over that file would drop it.")
            .arg(path);
    }
    return DocumentFiles::tr("The file %1 holds %2 bytes after the end of the class, which were skipped. Saving the "
                             "class over that file would drop them.")
        .arg(path)
        .arg(bytes);
}

Result<void> checkOutputSparesInputs(const QString& output, const QStringList& inputs) {
    for (const QString& input : inputs) {
        if (QFileInfo::exists(input) && isSameFile(output, input)) {
            return fail(unableToCreate(
                output, DocumentFiles::tr("it is the same file as %1, which it would destroy").arg(input)));
        }
    }
    return {};
}

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    // Links of either kind name the file they reach.
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

Result<Document> openDocument(const QString& gradePath, const ScaleStore& store) {
    QString finishedNote;
    // A save by another program between the reads of the three files has
    // them read again: a few tries, then what was read stands.
    constexpr int kTries = 3;
    for (int attempt = 1;; ++attempt) {
        Result<QString> finished = finishInterruptedSaveNote(gradePath);
        if (!finished) return finished.error();
        if (finishedNote.isEmpty()) finishedNote = *finished;
        const ClassFilesIdentity before = identityOf(gradePath);
        Result<Document> read = readDocument(gradePath, store);
        if (!read || attempt == kTries || identityOf(gradePath) == before) {
            if (read) read->finishedSaveNote = finishedNote;
            return read;
        }
    }
}

QString damagedFilesWarning(const Document& document) {
    QStringList parts;
    if (!document.finishedSaveNote.isEmpty()) parts << document.finishedSaveNote;
    if (document.skippedBytes > 0) parts << skippedBytesNote(document.markwellFile, document.skippedBytes);
    if (!document.attendanceNote.isEmpty()) parts << document.attendanceNote;
    if (!document.attendanceDamage.isEmpty()) {
        parts << DocumentFiles::tr("%1\nThe class is opened without its attendance. Markwell will not write over "
                                   "that file; delete or rename it to record attendance for this class again.")
                     .arg(document.attendanceDamage);
    }
    if (!document.seatingDamage.isEmpty()) {
        parts << DocumentFiles::tr("%1\nThe class is opened without its seating chart. Markwell will not write over "
                                   "that file; delete or rename it to keep seats for this class again.")
                     .arg(document.seatingDamage);
    }
    return parts.join(QStringLiteral("\n\n"));
}

Result<ClassFileBytes> serializeDocument(const Document& document, const QString& gradePath, qint64 maxFileBytes) {
    const ClassRecord& cls = document.classRecord;
    Result<QByteArray> grade = prepare(gradePath, serializeGradeFile(cls), maxFileBytes);
    if (!grade) return grade.error();
    Result<QByteArray> attendance =
        prepare(attendancePathFor(gradePath), serializeAttendanceFile(document.attendance.records()), maxFileBytes);
    if (!attendance) return attendance.error();
    Result<QByteArray> seating = prepare(
        seatingPathFor(gradePath), serializeSeatingFile(SeatingChart{cls.Seats, cls.teacherSeat, false}), maxFileBytes);
    if (!seating) return seating.error();
    return ClassFileBytes{std::move(grade).value(), std::move(attendance).value(), std::move(seating).value()};
}

Result<ClassWritten> saveClass(Document& document, const QString& gradePath, const SaveOptions& options) {
    const QString target = QFileInfo(gradePath).absoluteFilePath();
    const QString attendPath = attendancePathFor(target);
    const QString seatingPath = seatingPathFor(target);
    const bool inPlace = document.isTitled() && isSameFile(target, document.markwellFile);
    if (inPlace && document.skippedBytes > 0 && !options.dropSkipped) {
        return fail(unableToCreate(target, DocumentFiles::tr("the bytes skipped when it was read would be lost; "
                                                             "nothing was written")));
    }
    const bool keepAttendance = keepsDamagedFile(document.attendanceDamage, document.attendFile, attendPath);
    const bool keepSeating = keepsDamagedFile(document.seatingDamage, document.seatingFile, seatingPath);

    // Every file as bytes first: a refusal writes nothing at all.
    Result<ClassFileBytes> bytes = serializeDocument(document, target, options.maxFileBytes);
    if (!bytes) return bytes.error();
    ClassWrite request;
    request.content.grade = std::move(bytes->grade);
    if (!keepAttendance) request.content.attendance = std::move(bytes->attendance);
    if (!keepSeating) request.content.seating = std::move(bytes->seating);
    request.target = target;
    request.liveClass = document.markwellFile;
    request.inputClasses = options.inputClasses;
    request.source = document.isTitled() ? document.markwellFile : target;
    request.origin = options.origin;
    request.keepVersions = options.keepVersions;
    request.lockWait = options.lockWait;
    request.observer = options.observer;
    request.recordAs = options.recordAs;
    // Under a new name the class keeps its history; a new class starts one.
    request.historyOf = document.isTitled() ? document.markwellFile : options.historyOf;
    Result<ClassWritten> written = writeClass(request);
    if (!written) return written.error();

    if (keepAttendance) {
        written->notes << DocumentFiles::tr(
                              "The damaged file %1 was kept as it was; delete or rename it to save attendance again.")
                              .arg(attendPath);
    } else {
        document.attendanceDamage.clear();
    }
    document.attendanceNote.clear();
    if (keepSeating) {
        written->notes << DocumentFiles::tr(
                              "The damaged file %1 was kept as it was; delete or rename it to save seats again.")
                              .arg(seatingPath);
    } else {
        document.seatingDamage.clear();
    }
    document.markwellFile = target;
    document.attendFile = attendPath;
    document.seatingFile = seatingPath;
    document.skippedBytes = 0;
    document.finishedSaveNote.clear();
    document.modified = false;
    return written;
}

Result<QStringList> saveDocument(Document& document, const QString& gradePath, qint64 maxFileBytes) {
    SaveOptions options;
    options.maxFileBytes = maxFileBytes;
    Result<ClassWritten> written = saveClass(document, gradePath, options);
    if (!written) return written.error();
    return written->notes;
}

}  // namespace markwell
