#include "files/AttendanceFile.h"

#include "common/Cp1252.h"
#include "files/AtomicFile.h"
#include "files/FileBytes.h"
#include "files/FixedFields.h"

#include <QDate>
#include <QHash>

#include <algorithm>

namespace markwell {
namespace {

// The name as a key that ignores letter case (accented letters included).
QString nameKey(std::string_view name) { return cp1252::toUnicode(name).toCaseFolded(); }

// Index of the first record of each name of one month.
QHash<QString, std::size_t> monthIndex(const std::vector<AttendanceInfo>& records, std::int32_t month,
                                       std::int32_t year) {
    QHash<QString, std::size_t> index;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AttendanceInfo& r = records[i];
        if (r.Month != month || r.Year != year) continue;
        const QString key = nameKey(r.name);
        if (!index.contains(key)) index.insert(key, i);
    }
    return index;
}

}  // namespace

int daysInMonth(std::int32_t month, std::int32_t year) {
    const QDate first(year, month, 1);
    return first.isValid() ? first.daysInMonth() : capacity::kAttendanceDays;
}

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
            return fail(QStringLiteral("The attendance cannot be saved: the name of record %1 %2.").arg(i + 1).arg(problem));
        }
        out.int32(r.Month);
        out.int32(r.Year);
        out.text(r.name, capacity::kAttendanceName);
        out.raw(std::string_view(r.entry.data(), r.entry.size()));
        out.zeros(1);
    }
    return bytes;
}

Result<AttendanceFile> readAttendanceFile(const QString& path) {
    const Result<QByteArray> bytes = readFileBytesIfAny(path);
    if (!bytes) return bytes.error();
    return parseAttendanceFile(bytes.value());
}

Result<void> writeAttendanceFile(const QString& path, const std::vector<AttendanceInfo>& records) {
    const Result<QByteArray> bytes = serializeAttendanceFile(records);
    if (!bytes) return bytes.error();
    return writeFileAtomically(path, bytes.value());
}

std::optional<std::size_t> FindAttendanceRecord(const std::vector<AttendanceInfo>& records, std::int32_t month,
                                                std::int32_t year, std::string_view name) {
    const QString key = nameKey(name);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AttendanceInfo& r = records[i];
        if (r.Month == month && r.Year == year && nameKey(r.name) == key) return i;
    }
    return std::nullopt;
}

std::vector<std::optional<DayMarks>> readAttendanceMonth(const std::vector<AttendanceInfo>& records,
                                                         std::int32_t month, std::int32_t year,
                                                         const std::vector<std::string>& names) {
    const QHash<QString, std::size_t> index = monthIndex(records, month, year);
    std::vector<std::optional<DayMarks>> marks;
    marks.reserve(names.size());
    for (const std::string& name : names) {
        const auto found = index.constFind(nameKey(name));
        marks.push_back(found == index.cend() ? std::nullopt : std::optional<DayMarks>(records[*found].entry));
    }
    return marks;
}

void writeAttendanceMonth(std::vector<AttendanceInfo>& records, std::int32_t month, std::int32_t year,
                          const std::vector<std::string>& names, const std::vector<DayMarks>& marks) {
    QHash<QString, std::size_t> index = monthIndex(records, month, year);
    const auto days = static_cast<std::size_t>(daysInMonth(month, year));
    const std::size_t count = std::min(names.size(), marks.size());
    for (std::size_t i = 0; i < count; ++i) {
        AttendanceInfo record;
        record.Month = month;
        record.Year = year;
        record.name = names[i];
        std::copy_n(marks[i].begin(), days, record.entry.begin());  // the rest stays blank

        const QString key = nameKey(names[i]);
        if (const auto found = index.constFind(key); found != index.cend()) {
            records[*found] = std::move(record);
        } else {
            index.insert(key, records.size());
            records.push_back(std::move(record));
        }
    }
}

Result<void> saveAttendanceMonth(const QString& path, std::int32_t month, std::int32_t year,
                                 const std::vector<std::string>& names, const std::vector<DayMarks>& marks) {
    if (month < 1 || month > 12) {
        return fail(QStringLiteral("The attendance cannot be saved: %1 is not a month.").arg(month));
    }
    Result<AttendanceFile> file = readAttendanceFile(path);
    if (!file) return file.error();
    writeAttendanceMonth(file->records, month, year, names, marks);
    return writeAttendanceFile(path, file->records);
}

}  // namespace markwell
