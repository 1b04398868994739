// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/ClassOverview.h"

#include "core/common/NumberText.h"
#include "core/document/GradeFileOpening.h"
#include "core/grading/GradesAssembly.h"
#include "core/grading/GradesTable.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/ClassStatistics.h"
#include "core/scales/ScaleSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace markwell {
namespace {

struct ClassOverviewTexts {
    Q_DECLARE_TR_FUNCTIONS(ClassOverviewTexts)
};

QString meanShownAverage(const Sheet& grades) {
    const GradesLayout layout = GradesLayout::of(grades);
    if (!layout.hasAssignments()) return QStringLiteral("-");
    double sum = 0;
    int count = 0;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        if (grades.text(row, layout.gradeCol()) == QLatin1String("-")) continue;
        sum += shownAverage(grades, row, layout.averageCol());
        ++count;
    }
    return count > 0 ? averageText(sum / count) : QStringLiteral("-");
}

int missingWork(const Sheet& grades) {
    const GradesLayout layout = GradesLayout::of(grades);
    const std::vector<int> columns = columnsWorthPoints(grades);
    int missing = 0;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        for (int col : columns)
            missing += isMissingWork(grades, row, col, MissingKind::Absent) ||
                       isMissingWork(grades, row, col, MissingKind::Zero);
    }
    return missing;
}

// The letter counts of the Grade column, as Grade Information counts them.
std::vector<std::pair<QString, int>> letterCounts(const ClassRecord& cls, const Sheet& grades) {
    const Sheet grouping = groupingSheet(cls, grades, std::nullopt);
    std::vector<std::pair<QString, int>> letters;
    for (int row = 2; row <= grouping.maxRow() - 2; ++row) {
        letters.emplace_back(grouping.text(row, 1), static_cast<int>(grouping.number(row, 2)));
    }
    return letters;
}

QString lettersText(const ClassSummary& summary) {
    QStringList parts;
    for (const auto& [letter, count] : summary.letters) {
        parts << QStringLiteral("%1 %2").arg(letter.trimmed(), QString::number(count));
    }
    return parts.join(QStringLiteral(", "));
}

void writeSummaryRow(Sheet& sheet, int row, const ClassSummary& summary, const QString& gradeAtMost,
                     bool letterCounts) {
    sheet.setText(row, 1, QFileInfo(summary.path).fileName());
    if (!summary.damage.isEmpty()) {
        // On screen the reason goes to the last, widest column, so that the
        // figures of the other classes keep their narrow columns.
        if (letterCounts) {
            sheet.setText(row, 2, ClassOverviewTexts::tr("damaged"));
            sheet.setText(row, 7, summary.damage);
        } else {
            sheet.setText(row, 2, ClassOverviewTexts::tr("damaged: %1").arg(summary.damage));
        }
        return;
    }
    sheet.setNumber(row, 2, summary.students);
    sheet.setNumber(row, 3, summary.assignments);
    sheet.setText(row, 4, summary.average);
    sheet.setNumber(row, 5, summary.missing);
    const std::optional<int> below = gradeAtMost.isEmpty() ? std::nullopt : studentsAtOrBelow(summary, gradeAtMost);
    if (below) {
        sheet.setNumber(row, 6, *below);
    } else {
        sheet.setText(row, 6, QStringLiteral("-"));
    }
    if (letterCounts) sheet.setText(row, 7, lettersText(summary));
}

}  // namespace

ClassSummary summariseClass(const QString& path, const ClassRecord& cls) {
    const Sheet grades = buildGradesTable(cls).sheet;
    ClassSummary summary;
    summary.path = path;
    summary.students = static_cast<int>(cls.students.size());
    summary.assignments = static_cast<int>(cls.assignments.size());
    summary.average = meanShownAverage(grades);
    summary.missing = missingWork(grades);
    summary.letters = letterCounts(cls, grades);
    return summary;
}

std::vector<ClassSummary> summariseClassFiles(const QStringList& paths, const ScaleSnapshot& scales,
                                              const OverviewProgress& carryOn) {
    std::vector<ClassSummary> summaries;
    summaries.reserve(static_cast<std::size_t>(paths.size()));
    const auto count = static_cast<int>(paths.size());
    const ScaleLookup lookup = [&scales](const QString& name) { return scales.scaleNamed(name); };
    for (const QString& path : paths) {
        if (carryOn && !carryOn(static_cast<int>(summaries.size()), count)) break;
        const Result<ClassRecord> cls = openGradeFile(path, lookup);
        if (cls) {
            summaries.push_back(summariseClass(path, *cls));
        } else {
            summaries.push_back(ClassSummary{path, cls.message(), 0, 0, {}, 0, {}});
        }
    }
    return summaries;
}

QStringList classFilesIn(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name.endsWith(QLatin1String(".grs"), Qt::CaseInsensitive)) files << dir.filePath(name);
    }
    // By the names' characters, the same on every computer whatever its language.
    std::sort(files.begin(), files.end(),
              [](const QString& a, const QString& b) { return QFileInfo(a).fileName() < QFileInfo(b).fileName(); });
    return files;
}

std::optional<int> studentsAtOrBelow(const ClassSummary& summary, const QString& letter) {
    const QString wanted = letter.trimmed();
    const auto found = std::find_if(summary.letters.begin(), summary.letters.end(), [&wanted](const auto& entry) {
        return entry.first.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    });
    if (wanted.isEmpty() || found == summary.letters.end()) return std::nullopt;
    int count = 0;
    for (auto it = found; it != summary.letters.end(); ++it) count += it->second;
    return count;
}

Sheet overviewSheet(const std::vector<ClassSummary>& classes, const QString& gradeAtMost, bool letterCounts) {
    Sheet sheet;
    sheet.setMaxRow(static_cast<int>(classes.size()) + 1);
    sheet.setMaxCol(letterCounts ? 7 : 6);
    const QStringList headings{ClassOverviewTexts::tr("Class"),       ClassOverviewTexts::tr("Students"),
                               ClassOverviewTexts::tr("Assignments"), ClassOverviewTexts::tr("Average"),
                               ClassOverviewTexts::tr("Missing"),     ClassOverviewTexts::tr("Below"),
                               ClassOverviewTexts::tr("Grades")};
    for (int col = 1; col <= sheet.maxCol(); ++col) sheet.setText(1, col, headings[col - 1]);
    int row = 2;
    for (const ClassSummary& summary : classes) writeSummaryRow(sheet, row++, summary, gradeAtMost, letterCounts);
    applyReportStyle(sheet, 2);
    // The letter counts and reasons read from their start, however wide the column.
    if (letterCounts && sheet.maxRow() >= 2) {
        sheet.setAlignment({2, 7, sheet.maxRow(), 7}, {HAlign::Left, false, VAlign::Center});
    }
    return sheet;
}

}  // namespace markwell
