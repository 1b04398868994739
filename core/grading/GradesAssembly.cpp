#include "grading/GradesAssembly.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "data/PointEntry.h"

#include <string_view>
#include <unordered_set>

namespace markwell {

void insertStudentsInGrid(const std::vector<StudentInfo>& students, Sheet& sheet) {
    std::unordered_set<std::string_view> shown;
    shown.reserve(students.size());
    int row = GradesLayout::kFirstStudentRow;
    for (const StudentInfo& student : students) {
        if (!shown.insert(student.name).second) continue;  // one row per name
        sheet.setText(row++, GradesLayout::kNameCol, cp1252::toUnicode(student.name));
    }
    if (students.empty()) return;
    sheet.setText(GradesLayout::kHeadingRow, GradesLayout::kNameCol, QStringLiteral("Names"));
    // The headings stay in view above a class taller than the window.
    sheet.setFixedRows(1);
    sheet.setText(row + 1, GradesLayout::kNameCol, QStringLiteral("Total"));  // row stays the separator
    sheet.setMaxRow(row + 1);
}

void insertAssignmentsInGrid(const std::vector<AssignmentInfo>& assignments, Sheet& sheet) {
    if (assignments.empty()) return;
    int col = GradesLayout::kFirstAssignmentCol;
    for (const AssignmentInfo& a : assignments) {
        sheet.setText(GradesLayout::kHeadingRow, col++, cp1252::toUnicode(a.title));
    }
    sheet.setFixedCols(1);
    sheet.setText(GradesLayout::kHeadingRow, col++, QStringLiteral("Total"));
    sheet.setText(GradesLayout::kHeadingRow, col++, QStringLiteral("Average"));
    sheet.setText(GradesLayout::kHeadingRow, col, QStringLiteral("Grade"));
    sheet.setMaxCol(col);
}

void insertPointsInGrid(Sheet& sheet, const ClassRecord& cls, const StudentRows& rows) {
    const GradesLayout& layout = rows.layout();
    if (!layout.hasStudentRows()) return;
    rows.forEachEntry(cls, [&](int row, int assignment, int, const PointEntry& e) {
        const int col = layout.assignmentCol(assignment);
        const Points points = readPoints(e.points);
        switch (points.kind) {
        case PointsKind::Number: sheet.setNumber(row, col, points.value); break;
        case PointsKind::NotCounted: sheet.setText(row, col, QStringLiteral("-")); break;
        // Shown as found, so the teacher sees it; it counts like "-".
        case PointsKind::Unreadable: sheet.setText(row, col, cp1252::toUnicode(e.points)); break;
        }
    });
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        sheet.setText(layout.totalRow(), layout.assignmentCol(static_cast<int>(i)),
                      generalQText(cls.assignments[i].total));
    }
}

void insertTotalPointsInGrid(Sheet& sheet) {
    const GradesLayout layout = GradesLayout::of(sheet);
    if (!layout.hasAssignments() || !layout.hasStudentRows()) return;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        double total = 0;
        for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
            total += countedPoints(sheet, row, col).value_or(0);
        }
        sheet.setNumber(row, layout.totalCol(), total);
    }
    double grandTotal = 0;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        grandTotal += countedPoints(sheet, layout.totalRow(), col).value_or(0);
    }
    sheet.setNumber(layout.totalRow(), layout.totalCol(), grandTotal);
}

}  // namespace markwell
