// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/CurvePreview.h"

#include "core/common/NumberText.h"
#include "core/grading/GradesTable.h"
#include "core/grading/LetterGrade.h"
#include "core/grading/MarkStatistics.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/ClassStatistics.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct CurvePreviewTexts {
    Q_DECLARE_TR_FUNCTIONS(CurvePreviewTexts)
};

// The mean and the median of the assignment's marks, then the overall letter
// counts of the class: each as a column of texts.
QStringList effectColumn(const ClassRecord& cls, std::size_t assignment) {
    const MarkStatistics s = markStatisticsOf(countedMarks(cls.assignments[assignment]));
    QStringList column{threeDigitText(s.mean), threeDigitText(s.median)};
    const Sheet letters = groupingSheet(cls, buildGradesTable(cls).sheet, std::nullopt);
    // Rows 2 .. maxRow - 2 of the grouping hold a letter each.
    for (int row = 2; row <= letters.maxRow() - 2; ++row) column << letters.text(row, 2);
    return column;
}

}  // namespace

Result<CurvePreview> previewCurve(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule) {
    Result<CurvedColumn> column = curveAssignment(cls, assignment, rule);
    if (!column) return column.error();
    CurvePreview preview{cls, std::move(column).value()};
    preview.curved.assignments[assignment].namegrade = preview.column.namegrade;
    return preview;
}

Sheet curvedScoresSheet(const CurvedColumn& column) {
    Sheet sheet;
    sheet.setMaxRow(static_cast<int>(column.scores.size()) + 1);
    sheet.setMaxCol(3);
    sheet.setText(1, 1, CurvePreviewTexts::tr("Student"));
    sheet.setText(1, 2, CurvePreviewTexts::tr("Old"));
    sheet.setText(1, 3, CurvePreviewTexts::tr("New"));
    int row = 2;
    for (const CurvedScore& score : column.scores) {
        sheet.setText(row, 1, score.student);
        sheet.setText(row, 2, score.before);
        sheet.setText(row, 3, score.after);
        ++row;
    }
    applyReportStyle(sheet, 2);
    return sheet;
}

Sheet curveEffectSheet(const ClassRecord& before, const CurvePreview& preview, std::size_t assignment) {
    const QStringList old = effectColumn(before, assignment);
    const QStringList curved = effectColumn(preview.curved, assignment);
    // The first two rows are of the assignment, the letters of the class.
    QStringList names{CurvePreviewTexts::tr("Mean score"), CurvePreviewTexts::tr("Median score")};
    for (const QString& letter : scaleLetterTexts(before.gradeScale)) {
        names << CurvePreviewTexts::tr("Grade %1").arg(letter.trimmed());
    }
    Sheet sheet;
    sheet.setMaxRow(static_cast<int>(names.size()) + 1);
    sheet.setMaxCol(3);
    sheet.setText(1, 2, CurvePreviewTexts::tr("Before"));
    sheet.setText(1, 3, CurvePreviewTexts::tr("After"));
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int row = static_cast<int>(i) + 2;
        sheet.setText(row, 1, names[i]);
        sheet.setText(row, 2, old.value(i));
        sheet.setText(row, 3, curved.value(i));
    }
    applyReportStyle(sheet, 2);
    return sheet;
}

}  // namespace markwell
