// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/IndividualReport.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/GradesLayout.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/ReportCells.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace markwell {
namespace {

struct IndividualReport {
    Q_DECLARE_TR_FUNCTIONS(IndividualReport)
};

constexpr int kColumns = 5;

void writeHeading(Sheet& sheet, const QString& first) {
    const std::array<QString, kColumns> heading = {first, IndividualReport::tr("Points"), IndividualReport::tr("Total"),
                                                   IndividualReport::tr("Percent"), IndividualReport::tr("Grade")};
    for (int col = 1; col <= kColumns; ++col) sheet.setText(1, col, heading[static_cast<std::size_t>(col - 1)]);
}

// The points text of the student's entry: the first entry of the name.
std::optional<std::string_view> markOf(const AssignmentInfo& assignment, std::string_view name) {
    for (const std::string& entry : assignment.namegrade) {
        const PointEntry e = splitPointEntry(entry);
        if (e.hasSeparator && e.name == name) return e.points;
    }
    return std::nullopt;
}

void writePercentAndGrade(Sheet& sheet, int row, const LetterGrader& grader, double points, double total) {
    const ShownPercent percent = shownPercent(points / total * 100);
    sheet.setText(row, 4, percent.text);
    sheet.setText(row, 5, letterFor(grader, total, percent));
}

void writeNoPercent(Sheet& sheet, int row) {
    sheet.setText(row, 4, QStringLiteral("-"));
    sheet.setText(row, 5, QStringLiteral("-"));
}

// The rows of the scores the grades table dropped, red as it draws them
// there; `assignments` is the explanation's list, in the class's order.
void markDroppedRows(Sheet& sheet, const std::vector<GradeExplanation::AssignmentRow>& assignments) {
    for (std::size_t k = 0; k < assignments.size(); ++k) {
        if (!assignments[k].dropped()) continue;
        const int row = static_cast<int>(k) + 2;
        CellFont red = sheet.format(row, 1).font;
        red.color = colour::kRed;
        sheet.setFont(CellRange{row, 1, row, kColumns}, red);
    }
}

}  // namespace

QString studentIdText(const StudentInfo& student) {
    return student.id.empty() ? IndividualReport::tr("N/A") : cp1252::toUnicode(student.id);
}

IndividualBasis individualBasis(const ClassRecord& cls, const Sheet& grades, int student) {
    const StudentInfo& who = cls.students.at(static_cast<std::size_t>(student));
    IndividualBasis basis;
    basis.marks.reserve(cls.assignments.size());
    for (const AssignmentInfo& assignment : cls.assignments) basis.marks.push_back(markOf(assignment, who.name));
    basis.gradesRow = gradesRowOf(grades, cp1252::toUnicode(who.name));
    if (basis.gradesRow) basis.explanation = explainGrade(cls, grades, *basis.gradesRow);
    return basis;
}

ClassMarks::ClassMarks(const ClassRecord& cls) {
    byAssignment_.resize(cls.assignments.size());
    for (std::size_t k = 0; k < cls.assignments.size(); ++k) {
        std::unordered_map<std::string_view, std::string_view>& marks = byAssignment_[k];
        marks.reserve(cls.assignments[k].namegrade.size());
        for (const std::string& entry : cls.assignments[k].namegrade) {
            const PointEntry e = splitPointEntry(entry);
            if (e.hasSeparator) marks.emplace(e.name, e.points);  // the first entry of a name stays
        }
    }
}

std::vector<std::optional<std::string_view>> ClassMarks::of(std::string_view name) const {
    std::vector<std::optional<std::string_view>> marks;
    marks.reserve(byAssignment_.size());
    for (const auto& byName : byAssignment_) {
        const auto found = byName.find(name);
        marks.push_back(found == byName.end() ? std::nullopt : std::optional<std::string_view>(found->second));
    }
    return marks;
}

Sheet individualOverallSheet(const ClassRecord& cls, const Sheet& grades, int student) {
    return individualOverallSheet(cls, grades, individualBasis(cls, grades, student));
}

Sheet individualOverallSheet(const ClassRecord& cls, const Sheet& grades, const IndividualBasis& basis) {
    const int n = static_cast<int>(cls.assignments.size());
    const int totalRow = n + 3;
    const LetterGrader grader(cls.gradeScale);
    Sheet sheet;
    sheet.setMaxRow(totalRow);
    sheet.setMaxCol(kColumns);
    writeHeading(sheet, IndividualReport::tr("Assignments"));

    double earned = 0;
    double possible = 0;
    for (int k = 0; k < n; ++k) {
        const AssignmentInfo& assignment = cls.assignments[static_cast<std::size_t>(k)];
        const int row = k + 2;
        sheet.setText(row, 1, cp1252::toUnicode(assignment.title));
        sheet.setNumber(row, 3, assignment.total);
        possible += assignment.total;
        const std::optional<std::string_view> mark = basis.marks.at(static_cast<std::size_t>(k));
        if (mark) setMarkCell(sheet, row, 2, *mark);
        const Points points = mark ? readPoints(*mark) : Points{};
        if (points.kind != PointsKind::Number) {
            writeNoPercent(sheet, row);
            continue;
        }
        earned += points.value;
        if (assignment.total > 0) writePercentAndGrade(sheet, row, grader, points.value, assignment.total);
        else writeNoPercent(sheet, row);
    }

    sheet.setText(totalRow, 1, IndividualReport::tr("Total"));
    sheet.setNumber(totalRow, 2, earned);
    sheet.setNumber(totalRow, 3, possible);
    // The weighted average is not the Total row's points over its total.
    if (cls.weightGrades.enabled) {
        sheet.setMaxRow(totalRow + 2);
        sheet.setText(totalRow + 2, 1, IndividualReport::tr("Weighted average: see Why"));
    }
    // The grades table's own Average and Grade: weights and dropping included.
    const GradesLayout layout = GradesLayout::of(grades);
    if (basis.gradesRow && layout.hasAssignments()) {
        sheet.setText(totalRow, 4, grades.text(*basis.gradesRow, layout.averageCol()));
        sheet.setText(totalRow, 5, grades.text(*basis.gradesRow, layout.gradeCol()));
    }
    applyReportStyle(sheet);
    if (basis.explanation) markDroppedRows(sheet, basis.explanation->assignments);
    return sheet;
}

Sheet individualTypeSheet(const ClassRecord& cls, int student) {
    IndividualBasis basis;
    const StudentInfo& who = cls.students.at(static_cast<std::size_t>(student));
    for (const AssignmentInfo& assignment : cls.assignments) basis.marks.push_back(markOf(assignment, who.name));
    return individualTypeSheet(cls, basis);
}

Sheet individualTypeSheet(const ClassRecord& cls, const IndividualBasis& basis) {
    std::array<double, kAssignmentTypeCount> earned{};
    std::array<double, kAssignmentTypeCount> possible{};
    for (std::size_t k = 0; k < cls.assignments.size(); ++k) {
        const AssignmentInfo& assignment = cls.assignments[k];
        const int type = assignmentTypeIndex(assignment.assign_type);
        if (type < 0) continue;
        const std::optional<std::string_view> mark = basis.marks.at(k);
        const Points points = mark ? readPoints(*mark) : Points{};
        if (points.kind != PointsKind::Number) continue;
        earned[static_cast<std::size_t>(type)] += points.value;
        possible[static_cast<std::size_t>(type)] += assignment.total;
    }

    const LetterGrader grader(cls.gradeScale);
    Sheet sheet;
    sheet.setMaxRow(kAssignmentTypeCount + 1);
    sheet.setMaxCol(kColumns);
    writeHeading(sheet, IndividualReport::tr("Type"));
    for (int t = 0; t < kAssignmentTypeCount; ++t) {
        const int row = t + 2;
        const auto i = static_cast<std::size_t>(t);
        sheet.setText(row, 1, assignmentTypeLabel(t));
        sheet.setNumber(row, 2, earned[i]);
        sheet.setNumber(row, 3, possible[i]);
        if (possible[i] > 0) {
            writePercentAndGrade(sheet, row, grader, earned[i], possible[i]);
        } else if (earned[i] == 0) {
            sheet.setText(row, 4, averageText(0));
            sheet.setText(row, 5, QStringLiteral("-"));
        } else {
            writeNoPercent(sheet, row);
        }
    }
    applyReportStyle(sheet);
    return sheet;
}

}  // namespace markwell
