// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/MergedReport.h"

#include "core/document/DocumentFiles.h"
#include "core/document/GradeFileOpening.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/GradesAssembly.h"
#include "core/grading/GradesTable.h"
#include "core/grading/GridFormatting.h"
#include "core/grading/LetterGrade.h"
#include "core/printout/PrintCopy.h"
#include "core/printout/ReportStyle.h"
#include "core/sheet/HeadingRow.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace markwell {
namespace {

struct MergedReportText {
    Q_DECLARE_TR_FUNCTIONS(MergedReportText)
};

struct Earned {
    double points = 0;
    double possible = 0;
};

// Adds the counted entries of one file to the rows of their names: a "-", an
// empty or unreadable mark adds neither points nor possible points, and an
// entry whose name has no row is left out.
void addPoints(const ClassRecord& cls, const StudentRows& rows, std::vector<Earned>& earned) {
    rows.forEachEntry(cls, [&](int row, int assignment, int, const PointEntry& e) {
        const Points points = readPoints(e.points);
        if (points.kind != PointsKind::Number) return;
        Earned& sum = earned[static_cast<std::size_t>(row - GradesLayout::kFirstStudentRow)];
        sum.points += points.value;
        sum.possible += cls.assignments[static_cast<std::size_t>(assignment)].total;
    });
}

QString mergedTitle(const MergedReport& report) {
    return MergedReportText::tr("Merged Files: %1, %2").arg(report.firstPath, report.secondPath);
}

}  // namespace

QString sameMergeFileMessage() {
    return MergedReportText::tr("Unable to merge the same file!");
}

QString mergedReportNote() {
    return MergedReportText::tr("Points of both files added up; weights and dropped scores are not applied.");
}

Result<ClassRecord> readMergeFile(const QString& path, const ScaleStore& store) {
    Result<ClassRecord> cls = openGradeFile(path, store);
    if (cls) return cls;
    const QString& message = cls.message();
    // "Markwell version of file is invalid!" alone would not say which of the two.
    return fail(message.contains(path) ? message : path + QStringLiteral(": ") + message);
}

Result<MergedReport> openMergedReport(const QString& firstPath, const QString& secondPath, const ScaleStore& store) {
    if (isSameFile(firstPath, secondPath)) return fail(sameMergeFileMessage());
    Result<ClassRecord> first = readMergeFile(firstPath, store);
    if (!first) return first.error();
    Result<ClassRecord> second = readMergeFile(secondPath, store);
    if (!second) return second.error();

    MergedReport report;
    report.firstPath = firstPath;
    report.secondPath = secondPath;
    report.first = std::move(first).value();
    report.second = std::move(second).value();
    report.scale = report.first.gradeScale;
    report.gridProps = report.first.gridProps;
    buildMergedSheet(report);
    return report;
}

void buildMergedSheet(MergedReport& report) {
    Sheet sheet;
    std::vector<StudentInfo> everyone = report.first.students;
    everyone.insert(everyone.end(), report.second.students.begin(), report.second.students.end());
    // Laid out as the grades table for a moment (separator and Total rows
    // below the names), so that the grades table's name lookup serves.
    insertStudentsInGrid(everyone, sheet);
    std::vector<Earned> earned;
    {
        const StudentRows rows(sheet);
        earned.resize(static_cast<std::size_t>(rows.layout().studentRowCount()));
        addPoints(report.first, rows, earned);
        addPoints(report.second, rows, earned);
    }
    sheet.setMaxRow(static_cast<int>(earned.size()) + 1);
    sheet.setMaxCol(kMergedGradeCol);
    const QStringList headings = {MergedReportText::tr("Names"), MergedReportText::tr("Points"),
                                  MergedReportText::tr("Total"), MergedReportText::tr("Average"),
                                  MergedReportText::tr("Grade")};
    for (int col = 1; col <= kMergedGradeCol; ++col) sheet.setText(1, col, headings[col - 1]);
    sheet.setFixedRows(1);

    for (std::size_t i = 0; i < earned.size(); ++i) {
        const int row = static_cast<int>(i) + 2;
        sheet.setNumber(row, kMergedPointsCol, earned[i].points);
        sheet.setNumber(row, kMergedTotalCol, earned[i].possible);
        // The average of the points as shown.
        sheet.setText(row, kMergedAverageCol,
                      averageOf(sheet.number(row, kMergedPointsCol), sheet.number(row, kMergedTotalCol)));
    }
    report.sheet = std::move(sheet);
    regradeMergedSheet(report);
    styleMergedSheet(report);
}

void regradeMergedSheet(MergedReport& report) {
    const LetterGrader grader(report.scale);
    Sheet& sheet = report.sheet;
    for (int row = 2; row <= sheet.maxRow(); ++row) {
        const double average = shownAverage(sheet, row, kMergedAverageCol);
        sheet.setText(row, kMergedGradeCol, grader.letter(sheet.number(row, kMergedTotalCol), average));
    }
}

void styleMergedSheet(MergedReport& report) {
    Sheet& sheet = report.sheet;
    applyReportStyle(sheet);
    // The teacher's font (the first file's, or the one chosen since) over
    // the report look, the heading in its face and size too.
    const CellFont font = classFont(report.gridProps);
    formatHeadingRow(sheet, font.name, font.size);
    if (sheet.maxRow() >= 2) sheet.setFont(CellRange::rows(2, sheet.maxRow()), font);
    sheet.setShowGridLines(report.gridProps.grid_lines);
    sheet.fitColumnWidths();
}

bool sortMergedSheet(MergedReport& report, int column, bool descending) {
    Sheet& sheet = report.sheet;
    if (sheet.maxRow() < 2 || column < 1 || column > kMergedGradeCol) return false;
    std::vector<QString> letterOrder;
    if (column == kMergedGradeCol) letterOrder = scaleLetterTexts(report.scale);
    return sheet.sort3({2, 1, sheet.maxRow(), kMergedGradeCol},
                       SortKey(descending ? -column : column, std::move(letterOrder)));
}

Sheet mergedPrintCopy(const MergedReport& report, bool withIds) {
    Sheet copy = report.sheet;
    const QString title = mergedTitle(report);
    copy.print().title = title;
    copy.print().header = printHeaderFor(title);
    copy.print().gridLines = report.sheet.showGridLines();
    if (withIds) putIdsInPlaceOfNames(copy, copy.maxRow(), {&report.first.students, &report.second.students});
    copy.fitColumnWidths();
    copy.setSelection(CellRange::cell(1, 1));
    return copy;
}

}  // namespace markwell
