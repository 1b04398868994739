// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/AttendanceFile.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileBytes.h"
#include "core/files/FixedFields.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>

namespace markwell {
namespace {

struct AttendanceFileText {
    Q_DECLARE_TR_FUNCTIONS(AttendanceFile)
};

}  // namespace

AttendanceFile parseAttendanceFile(QByteArrayView bytes) {
    AttendanceFile file;
    FieldReader in(bytes);
    file.records.reserve(static_cast<std::size_t>(bytes.size() / kAttendanceRecordSize));
    while (in.has(kAttendanceRecordSize)) {
        AttendanceInfo r;
        r.Month = in.int32();
        r.Year = in.int32();
        r.name = in.text(capacity::kAttendanceName);
        const QByteArrayView days = in.raw(capacity::kAttendanceDays);
        std::copy(days.begin(), days.end(), r.entry.begin());
        in.skip(1);
        file.records.push_back(std::move(r));
    }
    file.trailingPartialRecord = in.remaining() > 0;
    return file;
}

Result<QByteArray> serializeAttendanceFile(const std::vector<AttendanceInfo>& records) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * kAttendanceRecordSize);
    FieldWriter out(bytes);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AttendanceInfo& r = records[i];
        if (const QString problem = textFieldProblem(r.name, capacity::kAttendanceName); !problem.isEmpty()) {
            return fail(AttendanceFileText::tr("The attendance cannot be saved: the name of record %1 %2.")
                            .arg(i + 1)
                            .arg(problem));
        }
        // Written, it would read back as a damaged file.
        if (r.Month < 1 || r.Month > 12) {
            return fail(AttendanceFileText::tr("The attendance cannot be saved: record %1 holds month %2.")
                            .arg(i + 1)
                            .arg(r.Month));
        }
        out.int32(r.Month);
        out.int32(r.Year);
        out.text(r.name, capacity::kAttendanceName);
        out.raw(std::string_view(r.entry.data(), r.entry.size()));
        out.zeros(1);
    }
    return bytes;
}

QString attendanceFileDamage(const AttendanceFile& file) {
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        const AttendanceInfo& r = file.records[i];
        if (r.Month < 1 || r.Month > 12)
            return AttendanceFileText::tr("record %1 holds month %2").arg(i + 1).arg(r.Month);
        if (!fitsField(r.name, capacity::kAttendanceName)) {
            return AttendanceFileText::tr("the name of record %1 does not end within its %2 bytes")
                .arg(i + 1)
                .arg(capacity::kAttendanceName);
        }
    }
    return {};
}

Result<AttendanceFile> readAttendanceFile(const QString& path) {
    const Result<QByteArray> bytes = readFileBytesIfAny(path);
    if (!bytes) return bytes.error();
    AttendanceFile file = parseAttendanceFile(bytes.value());
    QString damage = attendanceFileDamage(file);
    // A stray note or the like: read as empty, the next save would replace it.
    if (file.records.empty() && file.trailingPartialRecord) {
        damage = AttendanceFileText::tr("it is shorter than one record of %1 bytes").arg(kAttendanceRecordSize);
    }
    if (!damage.isEmpty()) {
        return fail(
            AttendanceFileText::tr("The file %1 is damaged or is not an attendance file: %2.").arg(path, damage));
    }
    return file;
}

Result<void> writeAttendanceFile(const QString& path, const std::vector<AttendanceInfo>& records) {
    const Result<QByteArray> bytes = serializeAttendanceFile(records);
    if (!bytes) return bytes.error();
    return writeFileAtomically(path, bytes.value());
}

}  // namespace markwell
