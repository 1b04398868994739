// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Any bytes read as a CSV file either are refused or give records in line
// order; handed to the student import and to points entry, a table is taken
// whole, keeping every point list and the comments in step with the
// students, or refused with the class left as it was.

#include "fuzz/ClassInStep.h"
#include "fuzz/FuzzCheck.h"

#include "core/editing/CsvImport.h"

#include <cstddef>
#include <cstdint>

namespace {

markwell::ClassRecord twoStudents() {
    using namespace markwell;
    ClassRecord cls;
    for (const char* name : {"Ann Lee", "Bo"}) {
        StudentInfo s;
        s.name = name;
        cls.students.push_back(s);
        cls.comments.push_back({name, ""});
    }
    AssignmentInfo quiz;
    quiz.title = "Quiz";
    quiz.assign_type = "Quiz";
    quiz.namegrade = {"Ann Lee~1", "Bo~-"};
    cls.assignments.push_back(quiz);
    return cls;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const Result<CsvTable> table = parseCsv(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!table) return 0;
    int line = table->header.line;
    for (const CsvRecord& row : table->rows) {
        FUZZ_CHECK(row.line > line && !row.fields.isEmpty());
        line = row.line;
    }

    for (bool students : {true, false}) {
        ClassRecord cls = twoStudents();
        const ClassRecord before = cls;
        const std::vector<RowProblem> problems =
            students ? importStudentRows(cls, *table) : setPointRows(cls, 0, *table);
        FUZZ_CHECK(problems.empty() || cls == before);
        FUZZ_CHECK(classInStep(cls));
    }
    return 0;
}
