// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <optional>

namespace markwell {

// What a change of the open class touched, so that the window redraws that
// and no more. Each step of the history keeps the part it touched: its undo
// and redo redraw the same part. The cell is where the grades table stays
// after a change made at a cell (typed points, a sort, the font); an undo or
// a redo has none and shows the table anew.
struct ChangeScope {
    enum class Part {
        Everything,  // students, assignments, scores: every page
        Rules,       // the grade scale, weights or drop rule: the grades
        Look,        // the grades table's font and grid lines
        RowPoints,   // the points of one student's row
        Seats,       // the seating chart alone
        Marks,       // the attendance marks alone
    };
    struct Cell {
        int row = 0;
        int col = 0;
    };

    Part part = Part::Everything;
    std::optional<Cell> cell;

    static ChangeScope everything() { return {Part::Everything, std::nullopt}; }
    static ChangeScope rules() { return {Part::Rules, std::nullopt}; }
    static ChangeScope seats() { return {Part::Seats, std::nullopt}; }
    static ChangeScope marks() { return {Part::Marks, std::nullopt}; }
    static ChangeScope look(int row, int col) { return {Part::Look, Cell{row, col}}; }
    static ChangeScope rowPoints(int row, int col) { return {Part::RowPoints, Cell{row, col}}; }
    // The same part, the grades table staying at (row, col).
    ChangeScope at(int row, int col) const { return {part, Cell{row, col}}; }

    // The seats and the marks are not in the grades table.
    bool touchesGrades() const { return part != Part::Seats && part != Part::Marks; }
};

}  // namespace markwell
