#include "document/DocumentFiles.h"

#include "files/AtomicFile.h"
#include "files/AttendanceFile.h"
#include "files/GradeFile.h"
#include "files/SeatingFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace markwell {
namespace {

struct DocumentFiles {
    Q_DECLARE_TR_FUNCTIONS(DocumentFiles)
};

struct PendingFile {
    QString path;
    QByteArray bytes;
};

// A sibling found damaged at open that is still where the save would write.
bool keepsDamagedFile(const QString& damage, const QString& currentPath, const QString& targetPath) {
    return !damage.isEmpty() && isSameFile(currentPath, targetPath) && QFileInfo::exists(targetPath);
}

// Adds the file's bytes to `files`, or says why it cannot be created.
Result<void> prepare(std::vector<PendingFile>& files, const QString& path, Result<QByteArray> bytes) {
    if (!bytes) return fail(unableToCreate(path, bytes.message()));
    files.push_back({path, std::move(bytes).value()});
    return {};
}

// Writes the files in order. On a failure the files that did not exist
// before are removed again; those replaced cannot be taken back, but each of
// them is whole.
Result<void> writeAll(const std::vector<PendingFile>& files) {
    std::vector<QString> created;
    for (const PendingFile& file : files) {
        const bool existed = QFileInfo::exists(file.path);
        if (Result<void> written = writeFileAtomically(file.path, file.bytes); !written) {
            for (const QString& path : created) QFile::remove(path);
            return written;
        }
        if (!existed) created.push_back(file.path);
    }
    return {};
}

}  // namespace

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists()) return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
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

Result<QStringList> saveDocument(Document& document, const QString& gradePath) {
    const QString target = QFileInfo(gradePath).absoluteFilePath();
    const QString attendPath = attendancePathFor(target);
    const QString seatingPath = seatingPathFor(target);
    const bool keepAttendance = keepsDamagedFile(document.attendanceDamage, document.attendFile, attendPath);
    const bool keepSeating = keepsDamagedFile(document.seatingDamage, document.seatingFile, seatingPath);

    // Every file as bytes first: a refusal writes nothing at all.
    std::vector<PendingFile> files;
    if (Result<void> ok = prepare(files, target, serializeGradeFile(document.classRecord)); !ok) return ok.error();
    if (!keepAttendance) {
        Result<void> ok = prepare(files, attendPath, serializeAttendanceFile(document.attendance.records()));
        if (!ok) return ok.error();
    }
    if (!keepSeating) {
        const ClassRecord& cls = document.classRecord;
        Result<void> ok = prepare(files, seatingPath, serializeSeatingFile(SeatingChart{cls.Seats, cls.teacherSeat, false}));
        if (!ok) return ok.error();
    }
    if (Result<void> written = writeAll(files); !written) return written.error();

    QStringList notes;
    if (keepAttendance) {
        notes << DocumentFiles::tr("The damaged file %1 was kept as it was; delete or rename it to save attendance again.")
                     .arg(attendPath);
    } else {
        document.attendanceDamage.clear();
    }
    if (keepSeating) {
        notes << DocumentFiles::tr("The damaged file %1 was kept as it was; delete or rename it to save seats again.")
                     .arg(seatingPath);
    } else {
        document.seatingDamage.clear();
    }
    document.markwellFile = target;
    document.attendFile = attendPath;
    document.seatingFile = seatingPath;
    document.Dirty = false;
    return notes;
}

}  // namespace markwell
