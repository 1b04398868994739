// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/GradesAssembly.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"

#include <QCoreApplication>

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
    // The headings stay in view above a class taller than the window, and
    // head even a class without students, which is its heading row alone.
    sheet.setText(GradesLayout::kHeadingRow, GradesLayout::kNameCol,
                  QCoreApplication::translate("GradesTable", "Names"));
    sheet.setFixedRows(1);
    if (students.empty()) return;
    sheet.setText(row + 1, GradesLayout::kNameCol,
                  QCoreApplication::translate("GradesTable", "Total"));  // row stays the separator
    sheet.setMaxRow(row + 1);
}

void insertAssignmentsInGrid(const std::vector<AssignmentInfo>& assignments, Sheet& sheet) {
    if (assignments.empty()) return;
    int col = GradesLayout::kFirstAssignmentCol;
    for (const AssignmentInfo& a : assignments) {
        sheet.setText(GradesLayout::kHeadingRow, col++, cp1252::toUnicode(a.title));
    }
    sheet.setFixedCols(1);
    sheet.setText(GradesLayout::kHeadingRow, col++, QCoreApplication::translate("GradesTable", "Total"));
    sheet.setText(GradesLayout::kHeadingRow, col++, QCoreApplication::translate("GradesTable", "Average"));
    sheet.setText(GradesLayout::kHeadingRow, col, QCoreApplication::translate("GradesTable", "Grade"));
    sheet.setMaxCol(col);
}

void insertPointsCell(Sheet& sheet, int row, int col, std::string_view pointsText) {
    const Points points = readPoints(pointsText);
    switch (points.kind) {
    case PointsKind::Number: sheet.setNumber(row, col, points.value); break;
    case PointsKind::NotCounted: sheet.setText(row, col, QStringLiteral("-")); break;
    // Shown as found, so the teacher sees it; it counts like "-".
    case PointsKind::Unreadable: sheet.setText(row, col, cp1252::toUnicode(pointsText)); break;
    }
}

void insertPointsInGrid(Sheet& sheet, const ClassRecord& cls, const StudentRows& rows) {
    const GradesLayout& layout = rows.layout();
    if (!layout.hasStudentRows()) return;
    rows.forEachEntry(cls, [&](int row, int assignment, int, const PointEntry& e) {
        insertPointsCell(sheet, row, layout.assignmentCol(assignment), e.points);
    });
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        sheet.setText(layout.totalRow(), layout.assignmentCol(static_cast<int>(i)),
                      generalQText(cls.assignments[i].total));
    }
}

void insertRowTotal(Sheet& sheet, int row) {
    const GradesLayout layout = GradesLayout::of(sheet);
    double total = 0;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        total += countedPoints(sheet, row, col).value_or(0);
    }
    sheet.setNumber(row, layout.totalCol(), total);
}

void insertTotalPointsInGrid(Sheet& sheet) {
    const GradesLayout layout = GradesLayout::of(sheet);
    if (!layout.hasAssignments() || !layout.hasStudentRows()) return;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) insertRowTotal(sheet, row);
    insertRowTotal(sheet, layout.totalRow());
}

}  // namespace markwell
