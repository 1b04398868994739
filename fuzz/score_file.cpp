// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Any bytes read as a gradebook either are refused or give a table whose
// rows follow the header in line order, each with a cell per column. Its
// import into a small class is worked out whole: a plan that is not blocked
// keeps every point list and the comments in step with the students once
// made, and the same file imported again changes nothing.

#include "fuzz/ClassInStep.h"
#include "fuzz/FuzzCheck.h"

#include "core/scores/ScorePlan.h"

#include <cstddef>
#include <cstdint>

namespace {

markwell::ClassRecord threeStudents() {
    using namespace markwell;
    ClassRecord cls;
    const char* names[] = {"Ann Lee", "Lee, Bo", "Zo\xEB"};
    for (const char* name : names) {
        StudentInfo s;
        s.name = name;
        s.id = std::string(1, name[0]);
        cls.students.push_back(s);
        cls.comments.push_back({name, ""});
    }
    AssignmentInfo quiz;
    quiz.title = "Quiz";
    quiz.assign_type = "Quiz";
    quiz.total = 10;
    quiz.namegrade = {"Ann Lee~1", "Lee, Bo~-", "Zo\xEB~"};
    cls.assignments.push_back(quiz);
    return cls;
}

markwell::ScoreMapping mappingFor(const markwell::ClassRecord& cls, const markwell::ScoreTable& table) {
    markwell::ScoreMapping mapping = markwell::defaultScoreMapping(cls, table, QStringLiteral("Quiz"));
    mapping.addStudents = true;
    return mapping;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const Result<ScoreTable> table = parseScoreFile(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!table) {
        FUZZ_CHECK(!table.message().isEmpty());
        return 0;
    }
    int line = table->headerLine;
    for (const ScoreRow& row : table->rows) {
        FUZZ_CHECK(row.line > line && row.cells.size() == static_cast<qsizetype>(table->columns.size()));
        line = row.line;
    }

    ClassRecord cls = threeStudents();
    const ScorePlan plan = planScoreImport(cls, *table, mappingFor(cls, *table));
    FUZZ_CHECK(plan.rows.size() == table->rows.size());
    if (plan.blocked()) return 0;
    applyScorePlan(cls, plan);
    FUZZ_CHECK(classInStep(cls));
    const ScorePlan again = planScoreImport(cls, *table, mappingFor(cls, *table));
    FUZZ_CHECK(again.blocked() || !again.changesAnything());
    return 0;
}
