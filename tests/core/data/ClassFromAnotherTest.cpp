// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/grading/GradesFixture.h"

#include "core/data/ClassFromAnother.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

TEST(ClassFromAnother, TakesTheAssignmentsRulesScaleAndLookButNoStudent) {
    ClassRecord model =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"7", "9"}}, {"Final", "Final", 150, {"-", "120"}}});
    model.assignments[1].description = "Chapters 1-9";
    model.gradeScale = expandedScale();
    model.weightGrades = {40, 30, 30, 0, 0, 0, true};
    model.lowScoreInfo = {droprule::kLowestPerType, false, false, true, false, false, false};
    model.gridProps.font_name = "Arial";
    model.gridProps.grid_lines = true;
    model.Seats.push_back(SeatingInfo{});
    model.teacherSeat.left = 300;

    // The model without its students, their points, comments and seats.
    ClassRecord expected = model;
    expected.students.clear();
    expected.comments.clear();
    expected.Seats.clear();
    expected.teacherSeat = defaultTeacherSeat();
    for (AssignmentInfo& a : expected.assignments) a.namegrade.clear();
    EXPECT_EQ(newClassRecordFrom(model), expected);
}
