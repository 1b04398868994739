#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <string>

namespace markwell {

// Stores what was typed into the cell (row, col) of the grades table as the
// points of that row's student on that column's assignment: every entry of
// the row's name in the assignment's point list takes it (a student without
// an entry gets one). Refuses, with a message for the teacher, input that is
// not points (editing/Validators.h: the rule every editor shares) and a cell
// that is not a student's points cell.
Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed);

}  // namespace markwell
