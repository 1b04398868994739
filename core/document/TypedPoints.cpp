#include "document/TypedPoints.h"

#include "common/Cp1252.h"
#include "data/PointEntry.h"
#include "editing/Validators.h"
#include "grading/GradesLayout.h"

namespace markwell {

Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed) {
    const GradesLayout layout = GradesLayout::of(grades);
    const int index = layout.assignmentIndexOf(col);
    if (!layout.isStudentRow(row) || !layout.isAssignmentCol(col) || index < 0 ||
        index >= static_cast<int>(cls.assignments.size())) {
        return fail(QStringLiteral("Points can only be typed into a student's row under an assignment."));
    }
    Result<std::string> points = pointsText(typed);
    if (!points) return points.error();
    Result<std::string> name = cp1252::fromUnicode(grades.text(row, 1));
    if (!name) return name.error();

    AssignmentInfo& assignment = cls.assignments[static_cast<std::size_t>(index)];
    bool stored = false;
    for (std::string& entry : assignment.namegrade) {
        if (splitPointEntry(entry).name != *name) continue;
        entry = makePointEntry(*name, *points);
        stored = true;
    }
    if (!stored) assignment.namegrade.push_back(makePointEntry(*name, *points));
    return {};
}

}  // namespace markwell
