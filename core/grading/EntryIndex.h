// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/data/PointEntry.h"
#include "core/grading/GradesLayout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace markwell {

// How a point entry's points text counts.
enum class PointsKind : std::uint8_t {
    Number,      // a number: earned points
    NotCounted,  // exactly "-": the assignment does not count for the student
    Unreadable,  // anything else (only a damaged or foreign file): counts like "-"
};

struct Points {
    double value = 0;  // the points when kind is Number
    PointsKind kind = PointsKind::NotCounted;
};

// Reads a points text as the grades table counts it.
Points readPoints(std::string_view pointsText);

// The student rows of a grades table by name: a row belongs to the name in
// its column 1, and a point entry to the first student row whose name equals
// its name part exactly. Looking a name up is one hash lookup, so walking
// every point list stays linear in the size of the class.
class StudentRows {
public:
    explicit StudentRows(const Sheet& sheet);
    StudentRows(const StudentRows&) = delete;  // the name table points into itself
    StudentRows& operator=(const StudentRows&) = delete;

    const GradesLayout& layout() const { return layout_; }
    // The first student row showing the name, or 0 when none does.
    int rowOf(std::string_view name) const;
    // The first student row with the same name as `row` (itself, unless a
    // hand-made sheet repeats a name), or 0 when its name cannot be stored.
    int firstRowOf(int row) const;

    // Calls visit(row, assignment index, entry index, entry) for every point
    // entry that has a row, assignments in class order, each list in order.
    template <class Visit>
    void forEachEntry(const ClassRecord& cls, Visit visit) const {
        std::vector<int> guess;  // the row of the entry at the same position in the previous list
        for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
            const auto& list = cls.assignments[i].namegrade;
            if (guess.size() < list.size()) guess.resize(list.size(), 0);
            for (std::size_t j = 0; j < list.size(); ++j) {
                const PointEntry e = splitPointEntry(list[j]);
                const int row = e.hasSeparator ? matchRow(e.name, guess[j]) : 0;
                if (row > 0) visit(row, static_cast<int>(i), static_cast<int>(j), e);
            }
        }
    }

    // The same for the entries of one row alone: those whose name is that
    // of the row, when the row is the first of its name (none otherwise).
    template <class Visit>
    void forEachEntryOf(int row, const ClassRecord& cls, Visit visit) const {
        if (row <= 0 || firstRowOf(row) != row) return;
        const std::string_view name = names_[static_cast<std::size_t>(slot(row))];
        for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
            const auto& list = cls.assignments[i].namegrade;
            for (std::size_t j = 0; j < list.size(); ++j) {
                const PointEntry e = splitPointEntry(list[j]);
                if (e.hasSeparator && e.name == name) visit(row, static_cast<int>(i), static_cast<int>(j), e);
            }
        }
    }

private:
    int slot(int row) const { return row - GradesLayout::kFirstStudentRow; }
    int matchRow(std::string_view name, int& guess) const;

    GradesLayout layout_;
    std::vector<std::string> names_;  // by slot
    std::vector<int> firstRow_;       // by slot
    std::unordered_map<std::string_view, int> rowOfName_;
};

struct RowEntry {
    double value = 0;    // the points when kind is Number
    int assignment = 0;  // index in ClassRecord::assignments
    PointsKind kind = PointsKind::NotCounted;
};

// The point entries of every student row, for the rules that walk "all the
// entries of the row's name" (dropping by type, weighted averages): all of
// them, in assignment order and, within an assignment, in list order, so a
// name that two students share has both students' entries. The index refers
// to `rows` and `cls`, which must outlive it.
class EntryIndex {
public:
    EntryIndex(const StudentRows& rows, const ClassRecord& cls);
    // The entries of one row only; every other row has none.
    EntryIndex(const StudentRows& rows, const ClassRecord& cls, int onlyRow);

    std::span<const RowEntry> entries(int row) const;

private:
    const StudentRows& rows_;
    std::vector<std::uint32_t> start_;  // by row - 2, one more at the end
    std::vector<RowEntry> entries_;
};

}  // namespace markwell
