// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Points typed into the grades table: stored into every entry of the row's
// name, and as a step of the undo history taken back and made again to the
// byte, holding only the point list entries it touches.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/ExactUndo.h"

#include "core/editing/TypedPoints.h"
#include "core/grading/GradesTable.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

Document twoAnnsDocument() {
    Document document;
    document.classRecord = twoAnns();
    return document;
}

}  // namespace

// Rows: 2 the Anns, 3 Bo; columns: 2 Quiz, 3 Lab.
TEST(TypedPointsChange, EveryEntryOfTheRowsNameTakesThePoints) {
    Document document = twoAnnsDocument();
    const GradesTable table = buildGradesTable(document.classRecord);
    ASSERT_EQ(table.sheet.text(2, 1), QStringLiteral("Ann"));
    ASSERT_TRUE(typedPointsChange(table.sheet, 2, 2, QStringLiteral("9")).applyTo(document).ok());
    EXPECT_EQ(document.classRecord.assignments[0].namegrade, (std::vector<std::string>{"Ann~9", "Bo~2", "Ann~9"}));

    // A student without an entry gets one.
    ASSERT_TRUE(typedPointsChange(table.sheet, 3, 3, QStringLiteral("-")).applyTo(document).ok());
    EXPECT_EQ(document.classRecord.assignments[1].namegrade, (std::vector<std::string>{"Ann~4", "Ann~6", "Bo~-"}));
}

TEST(TypedPointsChange, UndoAndRedoGiveTheFileBackByteForByte) {
    struct Case {
        const char* what;
        int row;
        int col;
        const char* typed;
    };
    for (const Case& c :
         {Case{"both entries of a shared name", 2, 2, "9"}, Case{"an entry the student lacked", 3, 3, "4.5"},
          Case{"one entry rewritten, an excused mark", 3, 2, "-"}}) {
        SCOPED_TRACE(c.what);
        Document document = twoAnnsDocument();
        const GradesTable table = buildGradesTable(document.classRecord);
        expectExactUndoAndRedo(document, typedPointsChange(table.sheet, c.row, c.col, QString::fromLatin1(c.typed)));
    }
}

TEST(TypedPointsChange, TheSamePointsOrARefusalLeaveNoStep) {
    Document document = twoAnnsDocument();
    const GradesTable table = buildGradesTable(document.classRecord);
    const ClassRecord before = document.classRecord;

    // The Anns hold 4 and 6 on the Lab: typing 4 rewrites the second only.
    Result<ChangeMade> partly = typedPointsChange(table.sheet, 2, 3, QStringLiteral("4")).applyTo(document);
    ASSERT_TRUE(partly.ok());
    ASSERT_NE(partly->step, nullptr);
    partly->step->undo(document);
    ASSERT_EQ(document.classRecord, before);

    Result<ChangeMade> same = typedPointsChange(table.sheet, 3, 2, QStringLiteral("2")).applyTo(document);
    ASSERT_TRUE(same.ok());
    EXPECT_EQ(same->step, nullptr);
    EXPECT_EQ(document.classRecord, before);

    // Only a student's points cell takes points, and only points.
    EXPECT_FALSE(typedPointsChange(table.sheet, 3, 2, QStringLiteral("x")).applyTo(document).ok());
    const int totalRow = table.sheet.maxRow();
    const int totalCol = table.sheet.maxCol() - 2;
    for (const auto& [row, col] : std::vector<std::pair<int, int>>{
             {1, 2}, {2, 1}, {totalRow, 2}, {2, totalCol}, {totalRow - 1, 2}, {2, table.sheet.maxCol()}}) {
        EXPECT_FALSE(typedPointsChange(table.sheet, row, col, QStringLiteral("5")).applyTo(document).ok())
            << row << "," << col;
    }
    EXPECT_EQ(document.classRecord, before);
}

TEST(TypedPointsChange, TheStepHoldsTheTouchedEntriesNotTheClass) {
    Document document;
    document.classRecord = makeSampleClass({.students = 300, .assignments = 40}, builtInDefaultGradeScale());
    const GradesTable table = buildGradesTable(document.classRecord);

    Result<ChangeMade> made = typedPointsChange(table.sheet, 5, 4, QStringLiteral("7.25")).applyTo(document);
    ASSERT_TRUE(made.ok());
    ASSERT_NE(made->step, nullptr);
    // One entry before and after, a few hundred bytes at most; the class holds megabytes.
    EXPECT_LT(made->step->heldBytes(), 512u);
    EXPECT_GT(heldBytesOf(document.classRecord), 100 * made->step->heldBytes());
}
