// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/StudentEditing.h"
#include "core/history/ClassState.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace markwell {

// What one line of a class's history says changed. The numbers are kept in
// the history database: never renumber them.
enum class DifferenceKind : std::uint8_t {
    Score = 1,
    PossiblePoints = 2,
    Title = 3,
    Type = 4,
    StudentAdded = 5,
    StudentRemoved = 6,
    StudentRenamed = 7,
    AssignmentAdded = 8,
    AssignmentRemoved = 9,
    Scale = 10,
    Weights = 11,
    DropRule = 12,
    Comment = 13,
    Attendance = 14,
    Seats = 15,
};

// One difference between two states of a class. The texts are Windows-1252
// bytes as the class stores them; student and assignment are empty where
// they do not apply. A score holds the points texts ("-" and "" included); a
// rename and a scale the old and new name; possible points, weights and the
// drop rule their values; attendance the months it touched (old) and how
// many marks changed (new); seats how many seats changed (new).
struct Difference {
    DifferenceKind what = DifferenceKind::Score;
    std::string student;
    std::string assignment;
    std::string oldValue;
    std::string newValue;

    bool operator==(const Difference&) const = default;
};

// Every difference from `before` to `after`, in class order: the rules, then
// the assignments, the students, the scores row by row, the attendance and
// the seats. Students are matched by name and assignments by title (the
// n-th of a name with the n-th), so that the work stays linear in the size
// of the class; an assignment left over at the same place on both sides had
// its title changed. `renames` are the students renamed between the two, in
// the order they were made (the change model knows them): such a student is
// one "student renamed" line and keeps their scores. Without them, a rename
// reads as a removal and an addition. An empty `before` is no class: every
// student and assignment of `after` is added, with the scores that are more
// than the 0 a new row or column starts with. A state that cannot be read
// gives no differences.
std::vector<Difference> classDifferences(const ClassState& before, const ClassState& after,
                                         const std::vector<StudentRename>& renames = {});

// The What word of a line, as markwell-cli prints it ("score", "student
// renamed"), in the window's language there.
QString differenceWord(DifferenceKind what);

}  // namespace markwell
