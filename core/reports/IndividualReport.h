// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/reports/GradeExplanation.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace markwell {

// One student's report, built from the class and the grades table as it
// stands (both read, never changed). `student` is an index into
// cls.students; the student's marks are the entries of that name (the first
// entry of the name in each point list).
//
// Overall (n assignments: n + 3 rows x 5):
//   row 1        "Assignments", "Points", "Total", "Percent", "Grade"
//   rows 2..n+1  title, the mark as stored, the assignment's total, the
//                mark in percent of the total and its letter; "-" for both
//                when the mark does not count ("-", missing, not a number)
//                or the total is not above 0
//   row n+2      empty
//   row n+3      "Total", the counted marks added up, every assignment's
//                total added up (as the grades table's Total row), and the
//                student's Average and Grade exactly as the grades table
//                shows them, weights and dropped scores included
//   row n+5      under weights only: "Weighted average: see Why" (row n+4
//                empty), as the average is not the Total row's percentage
// The rows of the scores the grades table dropped are red, as there.
Sheet individualOverallSheet(const ClassRecord& cls, const Sheet& grades, int student);

// What a student's tables are made of: the points text of the student's
// entry in each point list (in class order; none where the name has no
// entry), the student's row of the grades table and its explanation. Views
// into the class, which must outlive it.
struct IndividualBasis {
    std::vector<std::optional<std::string_view>> marks;
    std::optional<int> gradesRow;
    std::optional<GradeExplanation> explanation;
};

// One student's, found for that student alone.
IndividualBasis individualBasis(const ClassRecord& cls, const Sheet& grades, int student);

// Every student's marks, found in one pass over the point lists: what the
// reports of a whole class are made from.
class ClassMarks {
public:
    explicit ClassMarks(const ClassRecord& cls);
    // The marks of the student of this name (the first entry of the name in
    // each point list).
    std::vector<std::optional<std::string_view>> of(std::string_view name) const;

private:
    std::vector<std::unordered_map<std::string_view, std::string_view>> byAssignment_;
};

// The tables from a basis worked out beforehand.
Sheet individualOverallSheet(const ClassRecord& cls, const Sheet& grades, const IndividualBasis& basis);
Sheet individualTypeSheet(const ClassRecord& cls, const IndividualBasis& basis);

// By type (7 rows x 5): "Type", "Points", "Total", "Percent", "Grade", then
// Final, Test, Quiz, Homework, Lab and Other, each with the student's
// counted marks and the totals of the assignments they count on. A mark that
// does not count adds neither points nor total; an assignment of no known
// type joins no row. A type without total shows "0.00%" and "-", or "-" and
// "-" when it has points all the same (extra credit only).
Sheet individualTypeSheet(const ClassRecord& cls, int student);

// The student's ID as the report shows it: "N/A" when there is none.
QString studentIdText(const StudentInfo& student);

}  // namespace markwell
