// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/PointEntry.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/GradesTable.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

ClassRecord twoAnns() {
    ClassRecord cls;
    for (const char* name : {"Ann", "Ann", "Bo"}) {
        StudentInfo s;
        s.name = name;
        cls.students.push_back(s);
        cls.comments.push_back({name, ""});
    }
    AssignmentInfo quiz;
    quiz.title = "Quiz";
    quiz.total = 10;
    quiz.namegrade = {"Ann~1", "Ann~2", "Bo~3"};
    AssignmentInfo lab;
    lab.title = "Lab";
    lab.total = 5;
    lab.namegrade = {"Ann~4", "Ann~5"};  // Bo has no entry, as only a damaged file leaves
    cls.assignments = {quiz, lab};
    return cls;
}

}  // namespace

TEST(TypedPoints, EveryEntryOfTheRowsNameTakesThePoints) {
    ClassRecord cls = twoAnns();
    const GradesTable table = buildGradesTable(cls);
    // One row for the two Anns (row 2), Bo in row 3; Quiz is column 2, Lab column 3.
    ASSERT_EQ(table.sheet.text(2, 1), QStringLiteral("Ann"));
    ASSERT_TRUE(storeTypedPoints(cls, table.sheet, 2, 2, QStringLiteral("9")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~9", "Ann~9", "Bo~3"}));

    // A student without an entry gets one.
    ASSERT_TRUE(storeTypedPoints(cls, table.sheet, 3, 3, QStringLiteral("-")).ok());
    EXPECT_EQ(cls.assignments[1].namegrade.back(), "Bo~-");
    EXPECT_EQ(cls.assignments[1].namegrade.size(), 3u);
}

TEST(TypedPoints, OnlyStudentPointsCellsAreStoredAndBadTextChangesNothing) {
    ClassRecord cls = twoAnns();
    const GradesTable table = buildGradesTable(cls);
    const ClassRecord before = cls;
    const int totalRow = table.sheet.maxRow();
    const int totalCol = table.sheet.maxCol() - 2;
    for (const auto& [row, col] : std::vector<std::pair<int, int>>{
             {1, 2}, {2, 1}, {totalRow, 2}, {2, totalCol}, {totalRow - 1, 2}, {2, table.sheet.maxCol()}}) {
        EXPECT_FALSE(storeTypedPoints(cls, table.sheet, row, col, QStringLiteral("5")).ok()) << row << "," << col;
    }
    EXPECT_FALSE(storeTypedPoints(cls, table.sheet, 3, 2, QStringLiteral("x")).ok());
    EXPECT_EQ(cls, before);
}
