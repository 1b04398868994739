// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Typed points as a step of the undo history: taken back and made again to
// the byte, and holding only the point list entries they touch.

#include "core/editing/TypedPoints.h"
#include "core/grading/GradesTable.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include "tests/support/DocumentBytes.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

// Two students named Ann (one row in the table) and Bo, who has no Lab entry.
Document twoAnns() {
    Document document;
    ClassRecord& cls = document.classRecord;
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
    lab.namegrade = {"Ann~4", "Ann~5"};
    cls.assignments = {quiz, lab};
    return document;
}

QByteArray gradeFileOf(const Document& document) {
    return test::documentBytes(document)[0];
}

}  // namespace

TEST(TypedPointsChange, UndoAndRedoGiveTheFileBackByteForByte) {
    struct Case {
        const char* what;
        int row;
        int col;
        const char* typed;
    };
    // Rows: 2 the Anns, 3 Bo; columns: 2 Quiz, 3 Lab.
    for (const Case& c :
         {Case{"both entries of a shared name", 2, 2, "9"}, Case{"an entry the student lacked", 3, 3, "4.5"},
          Case{"one entry rewritten, an excused mark", 3, 2, "-"}}) {
        SCOPED_TRACE(c.what);
        Document document = twoAnns();
        const GradesTable table = buildGradesTable(document.classRecord);
        const QByteArray before = gradeFileOf(document);

        Result<ChangeMade> made =
            typedPointsChange(table.sheet, c.row, c.col, QString::fromLatin1(c.typed)).applyTo(document);
        ASSERT_TRUE(made.ok());
        ASSERT_NE(made->step, nullptr);
        const QByteArray after = gradeFileOf(document);
        ASSERT_NE(after, before);

        made->step->undo(document);
        EXPECT_EQ(gradeFileOf(document), before);
        made->step->redo(document);
        EXPECT_EQ(gradeFileOf(document), after);
        // And once more, as Undo, Redo, Undo in a row does.
        made->step->undo(document);
        EXPECT_EQ(gradeFileOf(document), before);
    }
}

TEST(TypedPointsChange, TheSamePointsOrARefusalLeaveNoStep) {
    Document document = twoAnns();
    const GradesTable table = buildGradesTable(document.classRecord);
    const ClassRecord before = document.classRecord;

    // Both Anns already hold 4 and 5 on the Lab: typing 4 rewrites the second only.
    Result<ChangeMade> partly = typedPointsChange(table.sheet, 2, 3, QStringLiteral("4")).applyTo(document);
    ASSERT_TRUE(partly.ok());
    ASSERT_NE(partly->step, nullptr);
    partly->step->undo(document);
    ASSERT_EQ(document.classRecord, before);

    Result<ChangeMade> same = typedPointsChange(table.sheet, 3, 2, QStringLiteral("3")).applyTo(document);
    ASSERT_TRUE(same.ok());
    EXPECT_EQ(same->step, nullptr);
    EXPECT_EQ(document.classRecord, before);

    EXPECT_FALSE(typedPointsChange(table.sheet, 3, 2, QStringLiteral("x")).applyTo(document).ok());
    EXPECT_FALSE(typedPointsChange(table.sheet, 1, 2, QStringLiteral("5")).applyTo(document).ok());  // heading
    EXPECT_EQ(document.classRecord, before);
}

TEST(TypedPointsChange, TheStepHoldsTheTouchedEntriesNotTheClass) {
    SampleOptions options;
    options.students = 300;
    options.assignments = 40;
    Document document;
    document.classRecord = makeSampleClass(options, builtInDefaultGradeScale());
    const GradesTable table = buildGradesTable(document.classRecord);

    Result<ChangeMade> made = typedPointsChange(table.sheet, 5, 4, QStringLiteral("7.25")).applyTo(document);
    ASSERT_TRUE(made.ok());
    ASSERT_NE(made->step, nullptr);
    // One entry before and after, a few hundred bytes at most; the class holds megabytes.
    EXPECT_LT(made->step->heldBytes(), 512u);
    EXPECT_GT(heldBytesOf(document.classRecord), 100 * made->step->heldBytes());
}
