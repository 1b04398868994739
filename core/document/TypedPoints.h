#pragma once

#include "common/Result.h"
#include "data/ClassRecord.h"
#include "sheet/Sheet.h"

#include <QString>

#include <string>

namespace markwell {

// Points typed straight into the grades table. What may be typed: a number
// of digits with at most one "." ("17", "17.5", ".5"), "-" when the
// assignment does not count for the student, or nothing for 0 points. The
// points text is kept as typed (blanks around it removed).
Result<std::string> typedPointsText(const QString& typed);

// Stores what was typed into the cell (row, col) of the grades table as the
// points of that row's student on that column's assignment: every entry of
// the row's name in the assignment's point list takes it (a student without
// an entry gets one). Refuses, with a message for the teacher, input that is
// not points and a cell that is not a student's points cell.
Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed);

}  // namespace markwell
