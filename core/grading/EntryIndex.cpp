// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/EntryIndex.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"

namespace markwell {

Points readPoints(std::string_view pointsText) {
    if (pointsText == kNotCounted) return {0, PointsKind::NotCounted};
    if (const auto value = parseNumber(pointsText)) return {*value, PointsKind::Number};
    return {0, PointsKind::Unreadable};
}

StudentRows::StudentRows(const Sheet& sheet) : layout_(GradesLayout::of(sheet)) {
    const int rows = layout_.studentRowCount();
    names_.resize(static_cast<std::size_t>(rows));
    firstRow_.resize(static_cast<std::size_t>(rows), 0);
    rowOfName_.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const int row = GradesLayout::kFirstStudentRow + i;
        auto bytes = cp1252::fromUnicode(sheet.text(row, GradesLayout::kNameCol));
        if (!bytes) continue;  // a name no class file can hold belongs to no entry
        const auto index = static_cast<std::size_t>(i);
        names_[index] = std::move(bytes.value());
        firstRow_[index] = rowOfName_.emplace(names_[index], row).first->second;
    }
}

int StudentRows::rowOf(std::string_view name) const {
    const auto it = rowOfName_.find(name);
    return it == rowOfName_.end() ? 0 : it->second;
}

int StudentRows::firstRowOf(int row) const {
    return layout_.isStudentRow(row) ? firstRow_[static_cast<std::size_t>(slot(row))] : 0;
}

// Lists are normally in class order, so the row found for the same position
// in the previous list is tried before the hash lookup. A guess is always a
// first row of its name, so a match is the row the lookup would give.
int StudentRows::matchRow(std::string_view name, int& guess) const {
    if (guess > 0 && names_[static_cast<std::size_t>(slot(guess))] == name) return guess;
    const int row = rowOf(name);
    if (row > 0) guess = row;
    return row;
}

EntryIndex::EntryIndex(const StudentRows& rows, const ClassRecord& cls) : rows_(rows) {
    // Pass 1 finds the row of every entry (0 for none) and counts the entries
    // of each row; pass 2 reads the points into their row's group, in order.
    std::vector<std::size_t> firstOf;  // flat position of each list's first entry
    std::size_t total = 0;
    for (const AssignmentInfo& a : cls.assignments) {
        firstOf.push_back(total);
        total += a.namegrade.size();
    }
    std::vector<int> rowOfEntry(total, 0);
    start_.assign(static_cast<std::size_t>(rows.layout().studentRowCount()) + 1, 0);
    rows.forEachEntry(cls, [&](int row, int assignment, int entry, const PointEntry&) {
        rowOfEntry[firstOf[static_cast<std::size_t>(assignment)] + static_cast<std::size_t>(entry)] = row;
        ++start_[static_cast<std::size_t>(row - GradesLayout::kFirstStudentRow) + 1];
    });
    for (std::size_t s = 0; s + 1 < start_.size(); ++s) start_[s + 1] += start_[s];

    entries_.resize(start_.back());
    std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
    std::size_t k = 0;
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        for (const std::string& text : cls.assignments[i].namegrade) {
            const int row = rowOfEntry[k++];
            if (row <= 0) continue;
            const Points points = readPoints(splitPointEntry(text).points);
            entries_[next[static_cast<std::size_t>(row - GradesLayout::kFirstStudentRow)]++] =
                RowEntry{points.value, static_cast<int>(i), points.kind};
        }
    }
}

EntryIndex::EntryIndex(const StudentRows& rows, const ClassRecord& cls, int onlyRow) : rows_(rows) {
    start_.assign(static_cast<std::size_t>(rows.layout().studentRowCount()) + 1, 0);
    rows.forEachEntryOf(onlyRow, cls, [&](int, int assignment, int, const PointEntry& e) {
        const Points points = readPoints(e.points);
        entries_.push_back(RowEntry{points.value, assignment, points.kind});
    });
    if (entries_.empty()) return;
    for (auto s = static_cast<std::size_t>(onlyRow - GradesLayout::kFirstStudentRow) + 1; s < start_.size(); ++s) {
        start_[s] = static_cast<std::uint32_t>(entries_.size());
    }
}

std::span<const RowEntry> EntryIndex::entries(int row) const {
    const int first = rows_.firstRowOf(row);
    if (first <= 0) return {};
    const auto s = static_cast<std::size_t>(first - GradesLayout::kFirstStudentRow);
    return std::span<const RowEntry>(entries_).subspan(start_[s], start_[s + 1] - start_[s]);
}

}  // namespace markwell
