// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/ClassStatistics.h"

#include "core/common/CommaText.h"
#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/LetterGrade.h"
#include "core/grading/MarkStatistics.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/ReportCells.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <vector>

namespace markwell {
namespace {

struct ClassStatistics {
    Q_DECLARE_TR_FUNCTIONS(ClassStatistics)
};

// The possible points of an assignment column: its value in the Total row.
double possibleOf(const Sheet& grades, int col) {
    return countedPoints(grades, GradesLayout::of(grades).totalRow(), col).value_or(0);
}

QString percentOfPossible(double value, double possible) {
    return possible > 0 ? threeDigitText(value / possible * 100) + QLatin1Char('%') : QStringLiteral("0.00%");
}

void writeStatistic(Sheet& sheet, int row, const QString& description, const QString& points, const QString& percent) {
    sheet.setText(row, 1, description);
    sheet.setText(row, 2, points);
    sheet.setText(row, 3, percent);
}

void writePlainStatistic(Sheet& sheet, int row, const QString& description, double value, double possible) {
    writeStatistic(sheet, row, description, QString(), percentOfPossible(value, possible));
    sheet.setNumber(row, 2, value);
}

}  // namespace

Sheet statisticsSheet(const ClassRecord& cls, const Sheet& grades, int assignment) {
    const AssignmentInfo& chosen = cls.assignments.at(static_cast<std::size_t>(assignment));
    const MarkStatistics s = markStatisticsOf(countedMarks(chosen));
    // A class without students has no Total row: its last row is the heading.
    const GradesLayout layout = GradesLayout::of(grades);
    const double possible =
        layout.hasStudentRows() ? possibleOf(grades, layout.assignmentCol(assignment)) : chosen.total;
    Sheet sheet;
    sheet.setMaxRow(7);
    sheet.setMaxCol(3);
    writeStatistic(sheet, 1, ClassStatistics::tr("Description"), ClassStatistics::tr("Points"),
                   ClassStatistics::tr("Percentage"));
    writePlainStatistic(sheet, 2, ClassStatistics::tr("Minimum Grade"), s.minimum, possible);
    writePlainStatistic(sheet, 3, ClassStatistics::tr("Maximum Grade"), s.maximum, possible);
    writePlainStatistic(sheet, 4, ClassStatistics::tr("Total Possible"), possible, possible);
    writeStatistic(sheet, 5, ClassStatistics::tr("Median"), threeDigitText(s.median),
                   percentOfPossible(s.median, possible));
    writeStatistic(sheet, 6, ClassStatistics::tr("Mean"), threeDigitText(s.mean), percentOfPossible(s.mean, possible));
    writeStatistic(sheet, 7, ClassStatistics::tr("Standard Deviation"), threeDigitText(s.deviation),
                   percentOfPossible(s.deviation, possible));
    applyReportStyle(sheet, 2);
    return sheet;
}

Sheet groupingSheet(const ClassRecord& cls, const Sheet& grades, std::optional<int> assignment) {
    const std::vector<QString> letters = scaleLetterTexts(cls.gradeScale);
    const GradesLayout layout = GradesLayout::of(grades);
    const LetterGrader grader(cls.gradeScale);
    std::vector<int> counts(letters.size(), 0);
    const auto countLetter = [&](const QString& letter) {
        const auto found = std::find(letters.begin(), letters.end(), letter);
        if (found != letters.end()) ++counts[static_cast<std::size_t>(found - letters.begin())];
    };

    if (!assignment) {
        if (layout.hasAssignments()) {
            for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
                countLetter(grades.text(row, layout.gradeCol()));
            }
        }
    } else if (const int col = layout.assignmentCol(*assignment); layout.isAssignmentCol(col)) {
        const double possible = possibleOf(grades, col);
        for (int row = GradesLayout::kFirstStudentRow; possible > 0 && row <= layout.lastStudentRow(); ++row) {
            const std::optional<double> mark = countedPoints(grades, row, col);
            if (mark) countLetter(letterFor(grader, 1, shownPercent(*mark / possible * 100)));
        }
    }

    const int letterCount = static_cast<int>(letters.size());
    const int total = std::accumulate(counts.begin(), counts.end(), 0);
    Sheet sheet;
    sheet.setMaxRow(letterCount + 3);
    sheet.setMaxCol(3);
    sheet.setText(1, 1, ClassStatistics::tr("Grade"));
    sheet.setText(1, 2, ClassStatistics::tr("Count"));
    sheet.setText(1, 3, ClassStatistics::tr("Percentage"));
    for (int i = 0; i < letterCount; ++i) {
        const int count = counts[static_cast<std::size_t>(i)];
        sheet.setText(i + 2, 1, letters[static_cast<std::size_t>(i)]);
        sheet.setNumber(i + 2, 2, count);
        sheet.setText(i + 2, 3, averageText(total > 0 ? 100.0 * count / total : 0));
    }
    sheet.setText(letterCount + 3, 1, ClassStatistics::tr("Total"));
    sheet.setNumber(letterCount + 3, 2, total);
    sheet.setText(letterCount + 3, 3, averageText(100));
    applyReportStyle(sheet, 1);
    return sheet;
}

Sheet missingWorkSheet(const Sheet& grades, MissingKind kind) {
    const GradesLayout layout = GradesLayout::of(grades);
    Sheet sheet;
    sheet.setMaxRow(std::max(1, layout.lastStudentRow()));
    sheet.setMaxCol(2);
    sheet.setText(1, 1, ClassStatistics::tr("Students"));
    sheet.setText(1, 2, ClassStatistics::tr("Assignments"));

    const std::vector<int> listed = columnsWorthPoints(grades);
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        std::vector<std::string> titles;
        for (int col : listed) {
            if (!isMissingWork(grades, row, col, kind)) continue;
            // Titles came from the class's Windows-1252 text, so they go back into it whole.
            Result<std::string> title = cp1252::fromUnicode(grades.text(GradesLayout::kHeadingRow, col));
            titles.push_back(title ? std::move(title).value() : std::string());
        }
        sheet.setText(row, 1, grades.text(row, GradesLayout::kNameCol));
        sheet.setText(row, 2,
                      titles.empty() ? ClassStatistics::tr("< None >") : cp1252::toUnicode(formatCommaText(titles)));
    }
    applyReportStyle(sheet, 2);
    return sheet;
}

std::vector<int> columnsWorthPoints(const Sheet& grades) {
    std::vector<int> columns;
    const GradesLayout layout = GradesLayout::of(grades);
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        if (possibleOf(grades, col) > 0) columns.push_back(col);
    }
    return columns;
}

bool isMissingWork(const Sheet& grades, int row, int col, MissingKind kind) {
    const std::optional<double> mark = countedPoints(grades, row, col);
    return kind == MissingKind::Absent ? !mark : (mark && *mark == 0);
}

}  // namespace markwell
