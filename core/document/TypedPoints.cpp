#include "document/TypedPoints.h"

#include "common/Cp1252.h"
#include "data/PointEntry.h"
#include "grading/GradesLayout.h"

namespace markwell {

Result<std::string> typedPointsText(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return std::string("0");
    if (text == QLatin1String("-")) return std::string(kNotCounted);
    int digits = 0;
    int points = 0;
    for (const QChar ch : text) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ++digits;
        else if (ch == QLatin1Char('.')) ++points;
        else points = 2;
    }
    if (digits == 0 || points > 1) {
        return fail(QStringLiteral("\"%1\" is not a number of points. Type a number such as 17 or 17.5, "
                                   "or \"-\" when the assignment does not count for this student.")
                        .arg(text));
    }
    return text.toStdString();
}

Result<void> storeTypedPoints(ClassRecord& cls, const Sheet& grades, int row, int col, const QString& typed) {
    const GradesLayout layout = GradesLayout::of(grades);
    const int index = layout.assignmentIndexOf(col);
    if (!layout.isStudentRow(row) || !layout.isAssignmentCol(col) || index < 0 ||
        index >= static_cast<int>(cls.assignments.size())) {
        return fail(QStringLiteral("Points can only be typed into a student's row under an assignment."));
    }
    Result<std::string> points = typedPointsText(typed);
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
