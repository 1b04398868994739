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

#include <algorithm>
#include <vector>

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

// Adds the file's bytes to `files`, or says why it cannot be created: a field
// that does not fit, or a size the reader would refuse.
Result<void> prepare(std::vector<FileToWrite>& files, const QString& path, Result<QByteArray> bytes, qint64 maxBytes) {
    if (!bytes) return fail(unableToCreate(path, bytes.message()));
    if (bytes->size() > maxBytes) {
        return fail(unableToCreate(path, DocumentFiles::tr("it would be %1 bytes, too large to be a class file "
                                                           "(at most %2 bytes); Markwell could not open it again")
                                             .arg(bytes->size())
                                             .arg(maxBytes)));
    }
    files.push_back({path, std::move(bytes).value()});
    return {};
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

}  // namespace

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
    Result<ClassRecord> cls = openGradeFile(gradePath, store);
    if (!cls) return cls.error();
    Document document;
    document.classRecord = std::move(cls).value();
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

QString damagedFilesWarning(const Document& document) {
    QStringList parts;
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

Result<QStringList> saveDocument(Document& document, const QString& gradePath, qint64 maxFileBytes) {
    const QString target = QFileInfo(gradePath).absoluteFilePath();
    const QString attendPath = attendancePathFor(target);
    const QString seatingPath = seatingPathFor(target);
    if (document.isTitled() && target != document.markwellFile) {
        const QStringList own = {document.markwellFile, document.attendFile, document.seatingFile};
        for (const QString& path : {target, attendPath, seatingPath}) {
            if (Result<void> spared = checkOutputSparesInputs(path, own); !spared) return spared.error();
        }
    }
    const bool keepAttendance = keepsDamagedFile(document.attendanceDamage, document.attendFile, attendPath);
    const bool keepSeating = keepsDamagedFile(document.seatingDamage, document.seatingFile, seatingPath);

    // Every file as bytes first: a refusal writes nothing at all.
    std::vector<FileToWrite> files;
    if (Result<void> ok = prepare(files, target, serializeGradeFile(document.classRecord), maxFileBytes); !ok) {
        return ok.error();
    }
    if (!keepAttendance) {
        Result<void> ok =
            prepare(files, attendPath, serializeAttendanceFile(document.attendance.records()), maxFileBytes);
        if (!ok) return ok.error();
    }
    if (!keepSeating) {
        const ClassRecord& cls = document.classRecord;
        Result<void> ok = prepare(files, seatingPath,
                                  serializeSeatingFile(SeatingChart{cls.Seats, cls.teacherSeat, false}), maxFileBytes);
        if (!ok) return ok.error();
    }
    // The grade file goes in last: until it is there, a new name holds no class.
    std::rotate(files.begin(), files.begin() + 1, files.end());
    if (Result<void> written = writeFilesAsSet(files); !written) return written.error();

    QStringList notes;
    if (keepAttendance) {
        notes << DocumentFiles::tr(
                     "The damaged file %1 was kept as it was; delete or rename it to save attendance again.")
                     .arg(attendPath);
    } else {
        document.attendanceDamage.clear();
    }
    document.attendanceNote.clear();
    if (keepSeating) {
        notes << DocumentFiles::tr("The damaged file %1 was kept as it was; delete or rename it to save seats again.")
                     .arg(seatingPath);
    } else {
        document.seatingDamage.clear();
    }
    document.markwellFile = target;
    document.attendFile = attendPath;
    document.seatingFile = seatingPath;
    document.modified = false;
    return notes;
}

}  // namespace markwell
