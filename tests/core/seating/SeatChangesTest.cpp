// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatChanges.h"

#include "core/seating/SeatGeometry.h"
#include "core/seating/SeatingEditor.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/ExactUndo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace markwell;
using markwell::test::documentBytes;
using markwell::test::expectExactUndoAndRedo;

namespace {

SeatingInfo seatOf(const char* caption, int left, int top) {
    SeatingInfo seat = newSeatLook();
    seat.name = caption;
    setSeatRect(seat, QRect(left, top, 80, 30));
    return seat;
}

// A class of three students with three seats and some attendance.
class SeatChangesTest : public testing::Test {
protected:
    SeatChangesTest() {
        document.classRecord = test::makeClass({"Ann Lee", "Bob Stone", "Cleo Park"}, {});
        document.classRecord.Seats = {seatOf("Ann Lee", 20, 20), seatOf("Bob Stone", 200, 20),
                                      seatOf("Cleo Park", 380, 20)};
        document.attendance = AttendanceBook({test::attendanceRecord(9, 2024, "Bob Stone", "  T")});
    }

    // A door that makes each change on the document and keeps its step, as the window's history does.
    SeatingEditor::Door keepingSteps() {
        return [this](const Change& change) -> Result<void> {
            Result<ChangeMade> made = change.applyTo(document);
            if (!made) return fail(made.message());
            if (made->step && !(!steps.empty() && steps.back()->absorb(*made->step)))
                steps.push_back(std::move(made->step));
            return {};
        };
    }

    Document document;
    std::vector<std::unique_ptr<ChangeStep>> steps;
};

}  // namespace

TEST_F(SeatChangesTest, EveryKindOfSeatChangeUndoesAndRedoesToTheSameFiles) {
    SeatingInfo look = newSeatLook();
    look.name = "Dee";
    look.color = 0x00FF00;
    look.font_name = "Arial";
    expectExactUndoAndRedo(document, addSeatChange(seatOf("Dee", 500, 300)));
    expectExactUndoAndRedo(document, editSeatChange(SeatId::student(1), look));
    // The middle seat, so that undo must put it back in its place in the list.
    expectExactUndoAndRedo(document, deleteSeatChange(SeatId::student(1)));
    expectExactUndoAndRedo(document, moveSeatChange(SeatId::student(0), QRect(40, 400, 80, 30)));
    expectExactUndoAndRedo(document, moveSeatChange(SeatId::teacher(), QRect(1, 200, 79, 40)));
    expectExactUndoAndRedo(document, resizeSeatChange(SeatId::student(1), QRect(380, 20, 150, 60)));
    expectExactUndoAndRedo(document, nudgeSeatChange(SeatId::student(0), QRect(41, 400, 80, 30)));
}

TEST_F(SeatChangesTest, TheEditorsDragsAndNudgesAreStepsThatTakeTheChartBack) {
    SeatingEditor editor(document, keepingSteps());
    const auto start = documentBytes(document);
    ASSERT_TRUE(editor.move(SeatId::student(0), QPoint(300, 300)));
    const auto dragged = documentBytes(document);
    // Three nudges of one seat, one after the other, are one step.
    ASSERT_TRUE(editor.nudgeCurrent(1, 0));
    ASSERT_TRUE(editor.nudgeCurrent(0, 10));
    ASSERT_TRUE(editor.nudgeCurrent(-10, 0));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(seatRect(document.classRecord.Seats[0]), QRect(251, 295, 80, 30));
    // A nudge of another seat is a step of its own.
    editor.select(SeatId::student(1));
    ASSERT_TRUE(editor.nudgeCurrent(0, 1));
    ASSERT_EQ(steps.size(), 3u);
    ASSERT_TRUE(editor.resize(SeatId::student(1), SeatHandle::BottomRight, QPoint(400, 100)));
    ASSERT_EQ(steps.size(), 4u);

    const auto end = documentBytes(document);
    steps[3]->undo(document);
    steps[2]->undo(document);
    steps[1]->undo(document);
    EXPECT_EQ(documentBytes(document), dragged);
    steps[0]->undo(document);
    EXPECT_EQ(documentBytes(document), start);
    for (const auto& step : steps) step->redo(document);
    EXPECT_EQ(documentBytes(document), end);
}

TEST_F(SeatChangesTest, OnlyANudgeTakesInTheNextNudgeOfItsSeat) {
    const auto stepOf = [this](const Change& change) {
        Result<ChangeMade> made = change.applyTo(document);
        EXPECT_TRUE(made.ok() && made->step);
        return made.ok() ? std::move(made->step) : nullptr;
    };
    auto nudge = stepOf(nudgeSeatChange(SeatId::student(0), QRect(21, 20, 80, 30)));
    auto drag = stepOf(moveSeatChange(SeatId::student(0), QRect(22, 20, 80, 30)));
    auto afterDrag = stepOf(nudgeSeatChange(SeatId::student(0), QRect(23, 20, 80, 30)));
    auto other = stepOf(nudgeSeatChange(SeatId::student(1), QRect(201, 20, 80, 30)));
    auto back = stepOf(nudgeSeatChange(SeatId::student(0), QRect(24, 20, 80, 30)));
    ASSERT_TRUE(nudge && drag && afterDrag && other && back);
    EXPECT_FALSE(nudge->absorb(*drag));       // a drag is a step of its own
    EXPECT_FALSE(drag->absorb(*afterDrag));   // and takes in no nudge
    EXPECT_FALSE(afterDrag->absorb(*other));  // another seat
    // Not one after the other: the seat was nudged elsewhere in between.
    EXPECT_FALSE(nudge->absorb(*back));
    EXPECT_TRUE(afterDrag->absorb(*back));
    afterDrag->undo(document);
    EXPECT_EQ(seatRect(document.classRecord.Seats[0]), QRect(22, 20, 80, 30));
    afterDrag->redo(document);
    EXPECT_EQ(seatRect(document.classRecord.Seats[0]), QRect(24, 20, 80, 30));
}

TEST_F(SeatChangesTest, RefusedAndEmptyChangesLeaveTheChartAndNoStep) {
    const Document before = document;
    SeatingInfo teacherLook = newSeatLook();
    teacherLook.name = kTeacherSeatName;
    SeatingInfo longFont = seatOf("Dee", 0, 0);
    longFont.font_name.assign(100, 'x');
    for (const Change& refused :
         {addSeatChange(teacherLook), addSeatChange(longFont), editSeatChange(SeatId::student(0), teacherLook),
          editSeatChange(SeatId::teacher(), seatOf("Dee", 0, 0)), deleteSeatChange(SeatId::teacher()),
          deleteSeatChange(SeatId::student(3)), moveSeatChange(SeatId::student(3), QRect(0, 0, 50, 50))}) {
        SCOPED_TRACE(refused.name().toStdString());
        EXPECT_FALSE(refused.applyTo(document).ok());
        EXPECT_EQ(document.classRecord, before.classRecord);
    }
    // A move to where the seat is, or an edit to the look it has, is nothing to undo.
    Result<ChangeMade> stays = moveSeatChange(SeatId::student(1), QRect(200, 20, 80, 30)).applyTo(document);
    ASSERT_TRUE(stays.ok());
    EXPECT_FALSE(stays->step);
    Result<ChangeMade> same = editSeatChange(SeatId::student(1), document.classRecord.Seats[1]).applyTo(document);
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(same->step);
}

TEST_F(SeatChangesTest, AStepHoldsTheSeatsItChangesNotTheClass) {
    for (int i = 0; i < 2000; ++i) {
        document.classRecord.students.emplace_back().name = "Student with a rather long name " + std::to_string(i);
    }
    for (const Change& change : {moveSeatChange(SeatId::student(0), QRect(5, 5, 80, 30)),
                                 deleteSeatChange(SeatId::student(0)), addSeatChange(seatOf("Dee", 0, 0))}) {
        Result<ChangeMade> made = change.applyTo(document);
        ASSERT_TRUE(made.ok() && made->step);
        EXPECT_LT(made->step->heldBytes(), 4 * sizeof(SeatingInfo)) << change.name().toStdString();
    }
}
