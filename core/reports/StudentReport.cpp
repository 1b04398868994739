// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/StudentReport.h"

#include "core/common/Cp1252.h"
#include "core/common/DateText.h"
#include "core/grading/GradesLayout.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/AttendanceMonths.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/IndividualReport.h"
#include "core/reports/WhatItTakes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace markwell {
namespace {

struct StudentReportText {
    Q_DECLARE_TR_FUNCTIONS(StudentReport)
};

std::vector<std::string> rosterNames(const ClassRecord& cls) {
    std::vector<std::string> names;
    names.reserve(cls.students.size());
    for (const StudentInfo& student : cls.students) names.push_back(student.name);
    return names;
}

// A comment as the student list keeps it (lines end in CR LF), as lines of text.
QString commentText(const ClassRecord& cls, int student) {
    const auto i = static_cast<std::size_t>(student);
    if (i >= cls.comments.size()) return {};
    QString text = cp1252::toUnicode(cls.comments[i].desc);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.trimmed();
}

bool hasDroppedScores(const IndividualBasis& basis) {
    if (!basis.explanation) return false;
    const auto& rows = basis.explanation->assignments;
    return std::any_of(rows.begin(), rows.end(),
                       [](const GradeExplanation::AssignmentRow& row) { return row.dropped(); });
}

}  // namespace

ClassReports::ClassReports(const ClassRecord& cls, const Sheet& grades, const AttendanceBook& attendance,
                           QString classPath, ReportContents contents)
    : cls_(cls), grades_(grades), classPath_(std::move(classPath)), contents_(std::move(contents)) {
    const GradesLayout layout = GradesLayout::of(grades_);
    for (int row = layout.lastStudentRow(); row >= GradesLayout::kFirstStudentRow; --row) {
        rowOfName_.insert(grades_.text(row, GradesLayout::kNameCol), row);  // the first row of a name wins
    }
    if (contents_.overall || contents_.byType || contents_.why) marks_ = std::make_unique<ClassMarks>(cls_);
    if (contents_.overall || contents_.why) explainer_ = std::make_unique<GradeExplainer>(cls_, grades_);
    if (contents_.attendance) {
        attendance_ = std::make_unique<MonthlyAttendance>(attendance, contents_.months, rosterNames(cls_));
    }
}

ClassReports::~ClassReports() = default;

std::optional<int> ClassReports::gradesRowOf(int student) const {
    const int row = rowOfName_.value(cp1252::toUnicode(cls_.students.at(static_cast<std::size_t>(student)).name), 0);
    return row > 0 ? std::optional<int>(row) : std::nullopt;
}

NoteValues ClassReports::noteValuesOf(int student) const {
    NoteValues values;
    values.name = cp1252::toUnicode(cls_.students.at(static_cast<std::size_t>(student)).name);
    const GradesLayout layout = GradesLayout::of(grades_);
    if (const std::optional<int> row = gradesRowOf(student); row && layout.hasAssignments()) {
        values.grade = grades_.text(*row, layout.gradeCol()).trimmed();
        values.average = grades_.text(*row, layout.averageCol());
    }
    return values;
}

IndividualBasis ClassReports::basisOf(int student) const {
    IndividualBasis basis;
    if (marks_) basis.marks = marks_->of(cls_.students.at(static_cast<std::size_t>(student)).name);
    basis.gradesRow = gradesRowOf(student);
    if (explainer_ && basis.gradesRow) basis.explanation = explainer_->explain(*basis.gradesRow);
    return basis;
}

void ClassReports::addWhy(StudentReport& report, const IndividualBasis& basis) const {
    ReportSection why{StudentReportText::tr("Why"), std::nullopt, {}};
    // Families read the factors as the Why page shows them, rounded.
    if (basis.explanation) why.table = explanationSheet(*basis.explanation, ExplanationFigures::Rounded);
    else why.text = StudentReportText::tr("No assignments: there is no grade to explain.");
    if (basis.explanation && contents_.whatIfAssignment && *contents_.whatIfAssignment < cls_.assignments.size()) {
        const StudentInfo& student = cls_.students[static_cast<std::size_t>(report.student)];
        const Result<WhatItTakes> answer =
            whatItTakes(cls_, student.name, *contents_.whatIfAssignment, contents_.whatIfLetter);
        why.text = answer ? whatItTakesSentence(*answer) : answer.message();
    }
    report.sections.push_back(std::move(why));
}

StudentReport ClassReports::reportOf(int student) const {
    const StudentInfo& who = cls_.students.at(static_cast<std::size_t>(student));
    const NoteValues values = noteValuesOf(student);
    const IndividualBasis basis = basisOf(student);

    StudentReport report;
    report.student = student;
    report.name = values.name;
    QStringList summary{StudentReportText::tr("ID: %1").arg(studentIdText(who))};
    if (!values.average.isEmpty()) summary << StudentReportText::tr("Average: %1").arg(values.average);
    if (!values.grade.isEmpty()) summary << StudentReportText::tr("Grade: %1").arg(values.grade);
    report.summary = summary.join(QStringLiteral("      "));
    if (!contents_.note.trimmed().isEmpty()) report.note = fillFamilyNote(contents_.note, values).text.trimmed();
    report.printHeader = reportPrintHeader(classPath_, report.name);
    report.title = QFileInfo(classPath_).fileName();

    if (contents_.overall) {
        // The red of the dropped rows means nothing to a family without a word.
        const QString dropped =
            hasDroppedScores(basis)
                ? StudentReportText::tr("Scores in red were dropped as the lowest and do not count.")
                : QString();
        report.sections.push_back(
            {StudentReportText::tr("Overall"), individualOverallSheet(cls_, grades_, basis), dropped});
    }
    if (contents_.byType) {
        report.sections.push_back({StudentReportText::tr("By Type"), individualTypeSheet(cls_, basis), {}});
    }
    if (contents_.why) addWhy(report, basis);
    if (attendance_) {
        const MonthSpan& span = attendance_->span();
        const auto [firstYear, firstMonth] = span.at(0);
        const auto [lastYear, lastMonth] = span.at(span.count() - 1);
        const QString title = StudentReportText::tr("Attendance, %1 %2 to %3 %4")
                                  .arg(monthText(englishLocale(), firstMonth))
                                  .arg(firstYear)
                                  .arg(monthText(englishLocale(), lastMonth))
                                  .arg(lastYear);
        report.sections.push_back({title, attendanceMonthsSheet(span, attendance_->countsOf(student)), {}});
    }
    if (contents_.comment) {
        if (const QString comment = commentText(cls_, student); !comment.isEmpty()) {
            report.sections.push_back({StudentReportText::tr("Comment"), std::nullopt, comment});
        }
    }
    return report;
}

}  // namespace markwell
