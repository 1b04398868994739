#include "core/editing/TypedPoints.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"
#include "core/grading/GradesLayout.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct TypedPoints {
    Q_DECLARE_TR_FUNCTIONS(TypedPoints)
};

}  // namespace

Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed) {
    const GradesLayout layout = GradesLayout::of(grades);
    const int index = layout.assignmentIndexOf(col);
    if (!layout.isStudentRow(row) || !layout.isAssignmentCol(col) || index < 0 ||
        index >= static_cast<int>(cls.assignments.size())) {
        return fail(TypedPoints::tr("Points can only be typed into a student's row under an assignment."));
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
