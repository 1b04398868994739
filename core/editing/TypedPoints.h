// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/Change.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace markwell {

// What typing points into one cell of the grades table does to the class:
// the entries of one assignment's point list it rewrites, each with its text
// before and after, and the entry it adds when the student had none.
struct TypedPointsEdit {
    struct Entry {
        std::size_t index;
        std::string before;
        std::string after;
    };
    std::size_t assignment = 0;
    std::vector<Entry> rewritten;
    std::string added;  // appended to the point list; empty when none is

    bool changesNothing() const { return added.empty() && rewritten.empty(); }
};

// Works out what storing the text typed into the cell (row, col) of the
// grades table does: every entry of the row's name in the column's
// assignment's point list takes it (a student without an entry gets one).
// Refuses, with a message for the teacher, input that is not points
// (editing/Validators.h: the rule every editor shares) and a cell that is not
// a student's points cell.
Result<TypedPointsEdit> planTypedPoints(const ClassRecord& cls, const Sheet& grades, int row, int col,
                                        const QString& typed);

// Stores what was typed, as planTypedPoints says.
Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed);

// The same as a change ("Typed Points"). Its step keeps only the point list
// entries it rewrites or adds, never a copy of the class, so that a long
// afternoon of typing stays small on the undo stack. The cell's student and
// assignment are read from `grades` here; the table is not kept.
Change typedPointsChange(const Sheet& grades, int row, int col, const QString& typed);

}  // namespace markwell
