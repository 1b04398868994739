// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <algorithm>
#include <optional>

namespace markwell {

// Where things are in the grades table. Every position is derived from the
// sheet's extent, never from the class's list counts, so the same rules read
// a table that was sorted, re-lettered or typed into since it was built:
//
//   row 1                  heading: "Names", titles, "Total", "Average", "Grade"
//   rows 2 .. maxRow-2     one row per distinct student name
//   row maxRow-1           empty separator
//   row maxRow             "Total": each assignment's possible points
//   column 1               names
//   columns 2 .. maxCol-3  assignments; assignment i (from 0) is column i+2
//   columns maxCol-2 .. maxCol   Total, Average, Grade
//
// A class without students has the heading row only (maxRow 1); a class
// without assignments has the name column only (maxCol 1).
struct GradesLayout {
    int maxRow = 1;
    int maxCol = 1;

    static GradesLayout of(const Sheet& sheet) { return {sheet.maxRow(), sheet.maxCol()}; }

    static constexpr int kHeadingRow = 1;
    static constexpr int kNameCol = 1;
    static constexpr int kFirstStudentRow = 2;
    static constexpr int kFirstAssignmentCol = 2;

    int lastStudentRow() const { return maxRow - 2; }
    int separatorRow() const { return maxRow - 1; }
    int totalRow() const { return maxRow; }
    int studentRowCount() const { return std::max(0, lastStudentRow() - kFirstStudentRow + 1); }
    bool hasStudentRows() const { return studentRowCount() > 0; }
    bool isStudentRow(int row) const { return row >= kFirstStudentRow && row <= lastStudentRow(); }

    int lastAssignmentCol() const { return maxCol - 3; }
    int assignmentCol(int assignmentIndex) const { return assignmentIndex + kFirstAssignmentCol; }
    int assignmentIndexOf(int col) const { return col - kFirstAssignmentCol; }
    int assignmentCount() const { return std::max(0, lastAssignmentCol() - kFirstAssignmentCol + 1); }
    bool hasAssignments() const { return assignmentCount() > 0; }
    bool isAssignmentCol(int col) const { return col >= kFirstAssignmentCol && col <= lastAssignmentCol(); }
    int totalCol() const { return maxCol - 2; }
    int averageCol() const { return maxCol - 1; }
    int gradeCol() const { return maxCol; }

    // The student rows, all columns: what the sort command reorders.
    CellRange studentRows() const { return {kFirstStudentRow, 1, lastStudentRow(), maxCol}; }
};

// The value a points cell counts with: its number as shown, or nothing for
// the does-not-count mark "-" (blanks around it allowed), an empty cell (no
// point entry, as only a damaged file leaves) and any text that is not a
// number. A cell that counts nothing adds neither earned nor possible points.
std::optional<double> countedPoints(const Sheet& sheet, int row, int col);

}  // namespace markwell
