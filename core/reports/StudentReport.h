// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/AttendanceBook.h"
#include "core/data/ClassRecord.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/ReportContents.h"
#include "core/sheet/Sheet.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace markwell {

class ClassMarks;
class GradeExplainer;
class MonthlyAttendance;
struct IndividualBasis;

// One part of a student's report: a heading, then a table and/or text
// (lines separated by "\n").
struct ReportSection {
    QString title;
    std::optional<Sheet> table;
    QString text;
};

// A student's report at the term's end, as it is printed: who it is about,
// the note to the family, then the parts chosen in ReportContents order.
struct StudentReport {
    int student = 0;  // index into the class's students
    QString name;
    QString summary;  // "ID: A-1   Average: 87.50%   Grade: B+"
    QString note;     // filled in for this student; empty without one
    std::vector<ReportSection> sections;
    // The class file at the left of every page, the student in the middle,
    // the date at the right (a print header, see sheet/PrintHeader.h).
    QString printHeader;
    QString title;  // the print job's or the PDF's
};

// Every student's report of one class, built student by student from the
// class, its grades table as built and its attendance (all read as they
// are, never changed; they must outlive this). What is the same for every
// student (where each is in the grades table, the marks of every point
// list, the indexes the explanations need, the attendance counts of the
// months) is worked out once: a class's reports take time in step with its
// size, not its square.
class ClassReports {
public:
    ClassReports(const ClassRecord& cls, const Sheet& grades, const AttendanceBook& attendance, QString classPath,
                 ReportContents contents);
    ~ClassReports();
    ClassReports(const ClassReports&) = delete;
    ClassReports& operator=(const ClassReports&) = delete;

    const ClassRecord& classRecord() const { return cls_; }
    const ReportContents& contents() const { return contents_; }
    const QString& classPath() const { return classPath_; }

    StudentReport reportOf(int student) const;
    // The note's placeholders for the student: the name, and the grade and
    // average as the grades table shows them.
    NoteValues noteValuesOf(int student) const;

private:
    std::optional<int> gradesRowOf(int student) const;
    IndividualBasis basisOf(int student) const;
    void addWhy(StudentReport& report, const IndividualBasis& basis) const;

    const ClassRecord& cls_;
    const Sheet& grades_;
    QString classPath_;
    ReportContents contents_;
    QHash<QString, int> rowOfName_;  // the grades table's first row of each name
    std::unique_ptr<ClassMarks> marks_;
    std::unique_ptr<GradeExplainer> explainer_;
    std::unique_ptr<MonthlyAttendance> attendance_;
};

}  // namespace markwell
