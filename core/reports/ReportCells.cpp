// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/ReportCells.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/grading/GradesLayout.h"

namespace markwell {

ShownPercent shownPercent(double percent) {
    ShownPercent shown;
    shown.text = averageText(percent);
    shown.value = parseNumber(QStringView(shown.text).chopped(1).toString()).value_or(0);
    return shown;
}

QString letterFor(const LetterGrader& grader, double grandTotal, const ShownPercent& percent) {
    return grader.letter(grandTotal, percent.value);
}

void setMarkCell(Sheet& sheet, int row, int col, std::string_view markText) {
    const std::optional<double> value = parseNumber(markText);
    if (value && generalText(*value) == markText) {
        sheet.setNumber(row, col, *value);
    } else {
        sheet.setText(row, col, cp1252::toUnicode(markText));
    }
}

std::optional<int> gradesRowOf(const Sheet& grades, const QString& name) {
    const GradesLayout layout = GradesLayout::of(grades);
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        if (grades.text(row, GradesLayout::kNameCol) == name) return row;
    }
    return std::nullopt;
}

}  // namespace markwell
