// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/CanvasExport.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/export/CsvWriter.h"

#include <array>

namespace markwell {
namespace {

constexpr std::array kLeadingHeadings = {"Student", "ID", "SIS User ID", "SIS Login ID", "Section"};
constexpr int kFirstAssignmentCol = static_cast<int>(kLeadingHeadings.size()) + 1;

QString canvasScore(std::string_view points) {
    if (points == kNotCounted) return QStringLiteral("EX");
    return cp1252::toUnicode(points);
}

}  // namespace

Sheet canvasGradebookSheet(const ClassRecord& cls) {
    Sheet sheet;
    sheet.setMaxCol(kFirstAssignmentCol - 1 + static_cast<int>(cls.assignments.size()));
    sheet.setMaxRow(2 + static_cast<int>(cls.students.size()));
    for (int c = 1; c < kFirstAssignmentCol; ++c) {
        sheet.setText(1, c, QLatin1String(kLeadingHeadings[static_cast<std::size_t>(c - 1)]));
    }
    sheet.setText(2, 1, QStringLiteral("Points Possible"));
    for (std::size_t s = 0; s < cls.students.size(); ++s) {
        const int row = 3 + static_cast<int>(s);
        sheet.setText(row, 1, cp1252::toUnicode(cls.students[s].name));
        sheet.setText(row, 3, cp1252::toUnicode(cls.students[s].id));
    }
    for (std::size_t a = 0; a < cls.assignments.size(); ++a) {
        const AssignmentInfo& assignment = cls.assignments[a];
        const int col = kFirstAssignmentCol + static_cast<int>(a);
        sheet.setText(1, col, cp1252::toUnicode(assignment.title));
        sheet.setNumber(2, col, assignment.total);
        for (std::size_t s = 0; s < cls.students.size(); ++s) {
            const std::optional<std::size_t> entry = findStudentEntry(assignment.namegrade, s, cls.students[s].name);
            if (!entry) continue;
            sheet.setText(3 + static_cast<int>(s), col,
                          canvasScore(splitPointEntry(assignment.namegrade[*entry]).points));
        }
    }
    return sheet;
}

Result<void> writeCanvasGradebook(const ClassRecord& cls, const QString& path) {
    return writeCsvFile(canvasGradebookSheet(cls), path);
}

}  // namespace markwell
