#pragma once

#include "data/ClassRecord.h"
#include "editing/RowProblem.h"
#include "files/CsvReader.h"

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

// Points of one assignment: columns "name" and "points"; each row as
// setPointsByName takes it.
std::vector<RowProblem> setPointRows(ClassRecord& cls, std::size_t assignment, const CsvTable& table);

}  // namespace markwell
