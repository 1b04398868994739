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

    const ClassRecord made = newClassRecordFrom(model);
    ASSERT_EQ(made.assignments.size(), 2U);
    for (std::size_t i = 0; i < made.assignments.size(); ++i) {
        AssignmentInfo withoutPoints = model.assignments[i];
        withoutPoints.namegrade.clear();
        EXPECT_EQ(made.assignments[i], withoutPoints);
    }
    EXPECT_EQ(made.gradeScale, model.gradeScale);
    EXPECT_EQ(made.weightGrades, model.weightGrades);
    EXPECT_EQ(made.lowScoreInfo, model.lowScoreInfo);
    EXPECT_EQ(made.gridProps, model.gridProps);
    EXPECT_TRUE(made.students.empty());
    EXPECT_TRUE(made.comments.empty());
    EXPECT_TRUE(made.Seats.empty());
    EXPECT_EQ(made.teacherSeat, defaultTeacherSeat());
}
