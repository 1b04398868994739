// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/AttendanceBook.h"

#include "core/common/Cp1252.h"

#include <QDate>
#include <QHash>

namespace markwell {

int daysInMonth(std::int32_t month, std::int32_t year) {
    const QDate first(year, month, 1);
    return first.isValid() ? first.daysInMonth() : capacity::kAttendanceDays;
}

namespace {

// The name as a key that ignores letter case (accented letters included).
QString nameKey(std::string_view name) {
    return cp1252::toUnicode(name).toCaseFolded();
}

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

std::optional<std::size_t> AttendanceBook::findAttendanceRecord(std::int32_t month, std::int32_t year,
                                                                std::string_view name) const {
    const QString key = nameKey(name);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const AttendanceInfo& r = records_[i];
        if (r.Month == month && r.Year == year && nameKey(r.name) == key) return i;
    }
    return std::nullopt;
}

std::vector<std::optional<DayMarks>> AttendanceBook::marksOf(std::int32_t month, std::int32_t year,
                                                             const std::vector<std::string>& names) const {
    const QHash<QString, std::size_t> index = monthIndex(records_, month, year);
    std::vector<std::optional<DayMarks>> marks;
    marks.reserve(names.size());
    for (const std::string& name : names) {
        const auto found = index.constFind(nameKey(name));
        marks.push_back(found == index.cend() ? std::nullopt : std::optional<DayMarks>(records_[*found].entry));
    }
    return marks;
}

int AttendanceBook::renameStudent(std::string_view oldName, std::string_view newName) {
    const QString key = nameKey(oldName);
    int renamed = 0;
    for (AttendanceInfo& r : records_) {
        if (nameKey(r.name) != key) continue;
        r.name = std::string(newName);
        ++renamed;
    }
    return renamed;
}

}  // namespace markwell
