#pragma once

#include "data/ClassRecord.h"
#include "grading/GradesLayout.h"

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
    PointsKind kind = PointsKind::NotCounted;
    double value = 0;  // the points when kind is Number
};

// Reads a points text as the grades table counts it.
Points readPoints(std::string_view pointsText);

struct RowEntry {
    int assignment = 0;  // index in ClassRecord::assignments
    int entry = 0;       // index in that assignment's point list
    Points points;
};

// The point entries of every student row of a grades table, found once.
//
// A row belongs to a name by the text of its column 1; an entry belongs to the
// first student row whose name equals its name part exactly. Every rule that
// walks "all entries of the row's name" gets all of them here, in assignment
// order and, within an assignment, in point-list order: a name that two
// students share has both students' entries.
//
// Building it is one pass over the point lists, so a rebuild stays linear in
// the size of the class. The index refers to `cls`, which must outlive it.
class EntryIndex {
public:
    EntryIndex(const Sheet& sheet, const ClassRecord& cls);
    EntryIndex(const EntryIndex&) = delete;  // the name table points into itself
    EntryIndex& operator=(const EntryIndex&) = delete;

    std::span<const RowEntry> entries(int row) const;
    // The first student row with the same name as `row` (itself, unless a
    // hand-made sheet repeats a name), or 0 when its name cannot be stored.
    int firstRowOf(int row) const;
    // The first student row showing the name, or 0 when none does.
    int rowOf(std::string_view name) const;
    // The name of a student row as stored in the class (Windows-1252 bytes).
    const std::string& nameOf(int row) const;

private:
    int slot(int row) const { return row - GradesLayout::kFirstStudentRow; }
    int matchRow(std::string_view name, int& guess) const;

    GradesLayout layout_;
    std::vector<std::string> names_;   // by slot
    std::vector<int> firstRow_;        // by slot: the first row with the same name
    std::unordered_map<std::string_view, int> rowOfName_;
    std::vector<std::uint32_t> start_; // by slot, one more at the end
    std::vector<RowEntry> entries_;
};

}  // namespace markwell
