// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/GradeEntry.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace markwell {
namespace {

struct GradeEntry {
    Q_DECLARE_TR_FUNCTIONS(GradeEntry)
};

// Where a row of named points goes: the index of the student.
struct PointsTarget {
    std::size_t student = 0;
    std::string points;
};

// The student each row names (the k-th row of a name, the k-th student of
// it), or why there is none.
Result<std::size_t> studentForRow(const ClassRecord& cls, const std::string& name, int occurrence) {
    int seen = 0;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (cls.students[i].name == name && seen++ == occurrence) return i;
    }
    if (seen == 0) return fail(GradeEntry::tr("no student is named \"%1\"").arg(cp1252::toUnicode(name)));
    return fail(GradeEntry::tr("there are more rows for \"%1\" than students of that name (%2)")
                    .arg(cp1252::toUnicode(name), QString::number(seen)));
}

}  // namespace

Sheet gradeEntrySheet(const AssignmentInfo& assignment) {
    Sheet sheet;
    const int rows = static_cast<int>(assignment.namegrade.size());
    sheet.setMaxCol(2);
    sheet.setMaxRow(rows);
    sheet.setColHeading(1, GradeEntry::tr("Names"));
    sheet.setColHeading(2, GradeEntry::tr("Points"));
    CellFont font;
    font.name = QStringLiteral("MS Sans Serif");
    font.size = 8;
    sheet.setFont(CellRange::all(), font);
    sheet.setAlignment(CellRange::cols(2, 2), CellAlignment::centred());
    for (int row = 1; row <= rows; ++row) {
        const PointEntry entry = splitPointEntry(assignment.namegrade[static_cast<std::size_t>(row - 1)]);
        sheet.setText(row, 1, cp1252::toUnicode(entry.name));
        sheet.setText(row, 2, cp1252::toUnicode(entry.points));
    }
    sheet.setShowGridLines(true);
    sheet.setAllowInCellEditing(true);  // the points column; the names are kept by the view
    sheet.fitColumnWidths();
    sheet.setColWidth(1, std::max(sheet.colWidth(1), 24.0));
    sheet.setColWidth(2, std::max(sheet.colWidth(2), 10.0));
    return sheet;
}

Result<void> setEntryPoints(AssignmentInfo& assignment, std::size_t entry, const QString& typed) {
    if (entry >= assignment.namegrade.size()) return fail(GradeEntry::tr("There is no student in that row."));
    Result<std::string> points = pointsText(typed);
    if (!points) return points.error();
    std::string& text = assignment.namegrade[entry];
    text = makePointEntry(splitPointEntry(text).name, *points);
    return {};
}

Result<void> setTotal(AssignmentInfo& assignment, const QString& typed) {
    Result<double> total = totalValue(typed);
    if (!total) return total.error();
    assignment.total = *total;
    return {};
}

void clearPoints(AssignmentInfo& assignment) {
    if (assignment.namegrade.empty()) return;
    for (std::string& entry : assignment.namegrade) entry = makePointEntry(splitPointEntry(entry).name, "0");
    assignment.total = 0;
}

std::vector<RowProblem> setPointsByName(ClassRecord& cls, std::size_t assignment,
                                        const std::vector<NamedPoints>& rows) {
    std::vector<RowProblem> refusals;
    if (assignment >= cls.assignments.size()) return {{0, GradeEntry::tr("there is no such assignment")}};
    std::vector<PointsTarget> targets;
    QHash<QString, int> occurrences;
    for (const NamedPoints& row : rows) {
        const QString name = trimmedText(row.name);
        const Result<std::string> bytes = cp1252::fromUnicode(name);
        Result<std::size_t> student = studentForRow(cls, bytes ? *bytes : std::string(), occurrences[name]++);
        Result<std::string> points = pointsText(row.points);
        if (!student) refusals.push_back({row.line, student.message()});
        else if (!points) refusals.push_back({row.line, points.message()});
        else targets.push_back({*student, std::move(*points)});
    }
    if (!refusals.empty()) return refusals;

    AssignmentInfo& target = cls.assignments[assignment];
    for (const PointsTarget& t : targets) {
        const std::string& name = cls.students[t.student].name;
        if (const auto entry = findStudentEntry(target.namegrade, t.student, name)) {
            target.namegrade[*entry] = makePointEntry(name, t.points);
        } else {
            target.namegrade.push_back(makePointEntry(name, t.points));
        }
    }
    return {};
}

}  // namespace markwell
