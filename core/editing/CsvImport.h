// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/RowProblem.h"
#include "core/editing/StudentFields.h"
#include "core/files/CsvReader.h"

#include <vector>

namespace markwell {

// Editing a class from tables of rows, as markwell-cli reads them from CSV
// files. Either every row is taken or none: the problems of every row are
// given, and the class is left as it was.

// Students, one per row, added at the end as the student editor's Add adds
// them. Columns, named by the header (letter case ignored, any order):
// "name" (required), "id", "street", "city", "state", "zip", "mom_name",
// "mom_phone", "dad_name", "dad_phone", "student_email", "mom_email",
// "dad_email" and "comment". A row is refused when a text does not fit its
// field or cannot be stored, the name is empty or holds "~", or the name is
// already in the class or on another row.
std::vector<RowProblem> importStudentRows(ClassRecord& cls, const CsvTable& table);

// The students of the rows, checked as importStudentRows checks them, without
// adding them: every row's student in file order, or (none and) every problem.
struct CheckedStudentRows {
    std::vector<StudentEntry> entries;
    std::vector<RowProblem> problems;
};
CheckedStudentRows checkStudentRows(const ClassRecord& cls, const CsvTable& table);

// A student CSV file read and checked for the class, as markwell-cli
// import-students and the student list's Import take it: the students of
// every row, or why the file cannot be read, or every refused row
// (rowProblemLines, one per line).
Result<std::vector<StudentEntry>> readStudentCsvFile(const QString& path, const ClassRecord& cls);

// Points of one assignment: columns "name" and "points"; each row as
// setPointsByName takes it.
std::vector<RowProblem> setPointRows(ClassRecord& cls, std::size_t assignment, const CsvTable& table);

}  // namespace markwell
