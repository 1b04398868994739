// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatingEditor.h"

#include "core/document/DocumentFiles.h"
#include "core/scales/ScaleStore.h"
#include "core/seating/SeatChanges.h"
#include "core/seating/SeatGeometry.h"
#include "core/settings/QSettingsStore.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/ExactUndo.h"
#include "tests/support/MakeChange.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using namespace markwell;
using markwell::test::ByteBuilder;
using markwell::test::documentBytes;
using markwell::test::expectExactUndoAndRedo;

namespace {

// A seat of 100 x 40 whose edges are at x 50 and 150, y 60 and 100.
const QRect kSeat(50, 60, 100, 40);

struct HandleCase {
    SeatHandle handle;
    QRect dragged;   // after dragging the handle to (30, 200)
    QRect squeezed;  // after dragging it right across the seat, to (400, 400)
};

SeatingInfo look(const char* caption, PlatformColour fill = colour::kTeal) {
    SeatingInfo seat = newSeatLook();
    seat.name = caption;
    seat.color = fill;
    return seat;
}

SeatingInfo placed(const char* caption, int left, int top) {
    SeatingInfo seat = look(caption, 0xC0FFC0);
    seat.left = left;
    seat.Top = top;
    seat.width = 80;
    seat.height = 30;
    return seat;
}

// A document with two student seats, clean; asks are counted.
class SeatingEditorTest : public testing::Test {
protected:
    SeatingEditorTest() { document.classRecord.Seats = {placed("Ann Lee", 20, 20), placed("Bob Stone", 200, 20)}; }
    // The delete question, answered `answer`, counted.
    std::function<bool()> answering(bool answer) {
        return [this, answer] {
            ++asked;
            return answer;
        };
    }

    Document document;
    SeatingEditor editor{document, test::changingDirectly(document)};
    int asked = 0;
};

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

class SeatingChartFile : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    Result<Document> open(const char* name) { return openDocument(path(name), scales_); }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("settings.ini"))};
    ScaleStore scales_{settings_};
};

}  // namespace

TEST_F(SeatingEditorTest, AddPlacesANewSeatAtTheFirstFreePlaceAndMakesItCurrent) {
    // Ann's seat (20, 20) overlaps the first place, Bob's (200, 20) the next two.
    const std::optional<SeatId> id = editor.add(look("Cleo Park", 0x0000FF), 800);
    ASSERT_TRUE(id);
    ASSERT_EQ(document.classRecord.Seats.size(), 3u);
    const SeatingInfo& seat = document.classRecord.Seats.back();
    EXPECT_EQ(seatRect(seat), QRect(310, 10, 100, 36));
    EXPECT_EQ(seat.name, "Cleo Park");
    EXPECT_EQ(seat.color, 0x0000FF);
    EXPECT_EQ(seat.font_name, "MS Sans Serif");
    EXPECT_EQ(editor.current(), SeatId::student(2));
    EXPECT_TRUE(document.modified);
}

TEST_F(SeatingEditorTest, TheTeachersSeatAndCaptionAreRefusedAnyOtherCaseIsAnOrdinarySeat) {
    const SeatingInfo teacher = document.classRecord.teacherSeat;
    // No current seat: nothing is asked, nothing changes.
    EXPECT_FALSE(editor.editCurrent(look("Bob Stone")));
    EXPECT_FALSE(editor.deleteCurrent(answering(true)));
    // The teacher's seat is known by its place, whatever it is called.
    editor.select(SeatId::teacher());
    EXPECT_FALSE(editor.editCurrent(look("Ann Lee")));
    EXPECT_FALSE(editor.deleteCurrent(answering(true)));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(document.classRecord.teacherSeat, teacher);
    EXPECT_EQ(document.classRecord.Seats.size(), 2u);
    EXPECT_EQ(editor.current(), SeatId::teacher());
    EXPECT_FALSE(document.modified);

    // The teacher's caption is refused for a student's seat; in any other case it is an ordinary one.
    EXPECT_FALSE(editor.add(look("Teacher"), 800));
    editor.select(SeatId::student(0));
    EXPECT_FALSE(editor.editCurrent(look("Teacher")));
    EXPECT_EQ(document.classRecord.Seats.size(), 2u);
    EXPECT_EQ(document.classRecord.Seats[0].name, "Ann Lee");
    EXPECT_FALSE(document.modified);

    ASSERT_TRUE(editor.add(look("teacher"), 800));
    EXPECT_EQ(document.classRecord.Seats.back().name, "teacher");
    // A font name the file cannot hold is refused as well, not cut.
    SeatingInfo longFont = look("Dee");
    longFont.font_name.assign(100, 'x');
    EXPECT_FALSE(editor.add(longFont, 800));
}

TEST_F(SeatingEditorTest, EditGivesTheCurrentSeatItsLookAndKeepsItsPlace) {
    editor.select(SeatId::student(1));
    SeatingInfo bold = look("Bob Stone", 0x00FF00);
    bold.font_style = fontstyle::kBold;
    bold.left = 999;  // a look's place is not taken
    ASSERT_TRUE(editor.editCurrent(bold));
    const SeatingInfo& seat = document.classRecord.Seats[1];
    EXPECT_EQ(seat.color, 0x00FF00);
    EXPECT_EQ(seat.font_style, fontstyle::kBold);
    EXPECT_EQ(seatRect(seat), QRect(200, 20, 80, 30));
    EXPECT_EQ(editor.current(), SeatId::student(1));
    EXPECT_TRUE(document.modified);

    // OK without a change changes nothing.
    document.modified = false;
    EXPECT_FALSE(editor.editCurrent(bold));
    EXPECT_FALSE(document.modified);
}

TEST_F(SeatingEditorTest, DeleteAsksNoKeepsTheSeatYesDeletesItAndLetsGo) {
    editor.select(SeatId::student(0));
    EXPECT_FALSE(editor.deleteCurrent(answering(false)));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(document.classRecord.Seats.size(), 2u);
    EXPECT_EQ(editor.current(), SeatId::student(0));
    EXPECT_FALSE(document.modified);

    EXPECT_TRUE(editor.deleteCurrent(answering(true)));
    ASSERT_EQ(document.classRecord.Seats.size(), 1u);
    EXPECT_EQ(document.classRecord.Seats[0].name, "Bob Stone");
    EXPECT_EQ(editor.current(), std::nullopt);
    EXPECT_TRUE(document.modified);
    // Nothing current: a second Delete neither asks nor deletes Bob, now first.
    EXPECT_FALSE(editor.deleteCurrent(answering(true)));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(document.classRecord.Seats.size(), 1u);
}

TEST_F(SeatingEditorTest, MovingAndSizingAreChangesAClickIsNot) {
    editor.select(SeatId::student(0));
    editor.select(SeatId::teacher());
    EXPECT_FALSE(document.modified);
    // A drop that leaves the seat where it was (centred where it already is).
    EXPECT_FALSE(editor.move(SeatId::student(0), QPoint(60, 35)));
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(editor.current(), SeatId::student(0));

    struct Change {
        const char* what;
        std::function<bool()> run;
        QRect expected;
        SeatId id;
    };
    const Change changes[] = {
        {"move onto another seat", [&] { return editor.move(SeatId::student(0), QPoint(210, 25)); },
         QRect(170, 10, 80, 30), SeatId::student(0)},
        {"move the teacher", [&] { return editor.move(SeatId::teacher(), QPoint(100, 400)); }, QRect(61, 385, 79, 30),
         SeatId::teacher()},
        {"resize", [&] { return editor.resize(SeatId::student(1), SeatHandle::Left, QPoint(150, 0)); },
         QRect(150, 20, 130, 30), SeatId::student(1)},
        {"nudge", [&] { return editor.nudgeCurrent(-10, 1); }, QRect(140, 21, 130, 30), SeatId::student(1)},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        document.modified = false;
        EXPECT_TRUE(change.run());
        EXPECT_TRUE(document.modified);
        EXPECT_EQ(seatRect(*seatAt(document.classRecord, change.id)), change.expected);
        EXPECT_EQ(editor.current(), change.id);
    }
    // A seat that is not there is neither moved nor chosen.
    EXPECT_FALSE(editor.move(SeatId::student(7), QPoint(5, 5)));
    EXPECT_FALSE(editor.resize(SeatId::student(7), SeatHandle::Top, QPoint(5, 5)));
}

TEST_F(SeatingEditorTest, ReplacedSeatsLeaveNoCurrentSeatBehind) {
    editor.select(SeatId::student(1));
    document.classRecord.Seats = {placed("Zed", 0, 0)};  // another class's, with fewer seats
    EXPECT_EQ(editor.current(), std::nullopt);
    EXPECT_FALSE(editor.editCurrent(look("Ann Lee")));
    EXPECT_FALSE(editor.deleteCurrent(answering(true)));
    EXPECT_FALSE(editor.nudgeCurrent(5, 5));

    // As many seats again: the id still fits, but it is not the seat chosen.
    editor.select(SeatId::student(0));
    document.classRecord.Seats = {placed("Yolanda", 300, 300)};
    EXPECT_EQ(editor.current(), std::nullopt);
    EXPECT_FALSE(editor.deleteCurrent(answering(true)));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(document.classRecord.Seats.size(), 1u);

    editor.select(SeatId::student(0));
    editor.clearCurrent();
    EXPECT_EQ(editor.current(), std::nullopt);
    EXPECT_FALSE(document.modified);
}

TEST(SeatingEditor, ChangesGoThroughTheDoorItIsGivenUnderTheirNames) {
    Document document;
    QStringList made;
    SeatingEditor editor(document, [&](const Change& change) -> Result<void> {
        made << change.name();
        if (change.name() == QStringLiteral("Delete Seat")) return fail(QStringLiteral("refused"));
        return change.applyTo(document).ok() ? Result<void>() : fail(QStringLiteral("failed"));
    });
    SeatingInfo seat = newSeatLook();
    seat.name = "Ann";
    ASSERT_TRUE(editor.add(seat, 800));
    seat.color = 0x00FF00;
    EXPECT_TRUE(editor.editCurrent(seat));
    EXPECT_TRUE(editor.nudgeCurrent(1, 0));
    EXPECT_TRUE(editor.resize(SeatId::student(0), SeatHandle::Right, QPoint(300, 20)));
    EXPECT_TRUE(editor.move(SeatId::teacher(), QPoint(400, 400)));
    // A refusal changes nothing and keeps the current seat.
    editor.select(SeatId::student(0));
    EXPECT_FALSE(editor.deleteCurrent([] { return true; }));
    EXPECT_EQ(document.classRecord.Seats.size(), 1u);
    EXPECT_EQ(editor.current(), SeatId::student(0));
    EXPECT_EQ(made, (QStringList{"Add Seat", "Edit Seat", "Move Seat", "Resize Seat", "Move Seat", "Delete Seat"}));
    EXPECT_FALSE(document.modified);  // the door decides
}

// A seat read from a file beyond the chart's farthest pixel shows clamped:
// moving it to where it shows writes the clamped place, a change that is told.
TEST(SeatingEditor, AMoveThatOnlyWritesAFarSeatsPlaceAnewIsAChange) {
    Document document;
    SeatingInfo far = newSeatLook();
    far.name = "Ann";
    far.left = kFarthestSeatPixel + 1000;
    document.classRecord.Seats.push_back(far);
    int steps = 0;
    SeatingEditor editor(document, [&](const Change& change) -> Result<void> {
        Result<ChangeMade> made = change.applyTo(document);
        if (made && made->step) ++steps;
        return made ? Result<void>() : fail(made.message());
    });
    const QRect shown = seatRect(far);
    EXPECT_TRUE(
        editor.move(SeatId::student(0), QPoint(shown.left() + shown.width() / 2, shown.top() + shown.height() / 2)));
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(document.classRecord.Seats[0].left, shown.left());
}

TEST(SeatCaptions, AddOffersOnlyTheStudentsWithoutASeatAndARenamedStudentsSeatsFollow) {
    using Names = std::vector<std::string>;
    ClassRecord cls = test::makeClass({"Ann Lee", "Bob Stone", "Ann Lee", "Cleo Park"}, {});
    const auto withoutSeat = [&cls] {
        ClassRecord seated = cls;
        seated.students = studentsWithoutSeat(cls);
        return test::studentNames(seated);
    };
    EXPECT_EQ(withoutSeat(), (Names{"Ann Lee", "Bob Stone", "Ann Lee", "Cleo Park"}));
    // One seat for two students of one name seats one of them; a seat for
    // no student (a caption typed in an older file) seats nobody.
    cls.Seats = {placed("Ann Lee", 20, 20), placed("Bob Stone", 200, 20), placed("Dan Roe", 400, 20)};
    EXPECT_EQ(withoutSeat(), (Names{"Ann Lee", "Cleo Park"}));
    cls.Seats.push_back(placed("Ann Lee", 20, 100));
    cls.Seats.push_back(placed("Cleo Park", 200, 100));
    EXPECT_TRUE(studentsWithoutSeat(cls).empty());
    // A renamed student's seats follow, but never become the teacher's.
    cls = ClassRecord{};
    SeatingInfo ann = newSeatLook();
    ann.name = "Ann";
    SeatingInfo maryAnn = ann;
    maryAnn.name = "MaryAnn";
    cls.Seats = {ann, maryAnn, ann};
    EXPECT_EQ(renameSeatCaption(cls, "Ann", "Anne"), 2);
    EXPECT_EQ(cls.Seats[0].name, "Anne");
    EXPECT_EQ(cls.Seats[1].name, "MaryAnn");
    EXPECT_EQ(cls.Seats[2].name, "Anne");
    EXPECT_EQ(cls.teacherSeat.name, "Teacher");

    EXPECT_EQ(renameSeatCaption(cls, "MaryAnn", "Teacher"), 0);
    EXPECT_EQ(cls.Seats[1].name, "MaryAnn");
    EXPECT_EQ(renameSeatCaption(cls, "MaryAnn", "teacher"), 1);
}

TEST(SeatGeometry, EachHandleMovesItsOwnEdgesWithinTheChartAndStopsAtTheMinimum) {
    const QPoint out(30, 200);
    const QPoint across(400, 400);
    const HandleCase cases[] = {
        // The left and top handles move the seat's position too: its right
        // and bottom edges stay where they were.
        {SeatHandle::TopLeft, QRect(30, 90, 120, 10), QRect(140, 90, 10, 10)},
        {SeatHandle::Top, QRect(50, 90, 100, 10), QRect(50, 90, 100, 10)},
        {SeatHandle::TopRight, QRect(50, 90, 10, 10), QRect(50, 90, 350, 10)},
        {SeatHandle::Right, QRect(50, 60, 10, 40), QRect(50, 60, 350, 40)},
        {SeatHandle::BottomRight, QRect(50, 60, 10, 140), QRect(50, 60, 350, 340)},
        {SeatHandle::Bottom, QRect(50, 60, 100, 140), QRect(50, 60, 100, 340)},
        {SeatHandle::BottomLeft, QRect(30, 60, 120, 140), QRect(140, 60, 10, 340)},
        {SeatHandle::Left, QRect(30, 60, 120, 40), QRect(140, 60, 10, 40)},
    };
    for (const HandleCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.handle));
        EXPECT_EQ(resizedSeatRect(kSeat, c.handle, out), c.dragged);
        EXPECT_EQ(resizedSeatRect(kSeat, c.handle, across), c.squeezed);
    }
    EXPECT_EQ(resizedSeatRect(kSeat, SeatHandle::TopLeft, QPoint(-40, -25)), QRect(0, 0, 150, 100));
    // A seat from a file, narrower than the minimum in the chart's corner: it
    // grows at its far edge rather than past the chart's.
    EXPECT_EQ(resizedSeatRect(QRect(0, 0, 4, 3), SeatHandle::TopLeft, QPoint(2, 2)), QRect(0, 0, 10, 10));
    EXPECT_EQ(resizedSeatRect(QRect(5, 5, 0, -8), SeatHandle::BottomRight, QPoint(6, 6)), QRect(5, 5, 10, 10));
}

TEST(SeatGeometry, ADropCentresTheSeatOnThePointWithinTheChart) {
    // The point may lie on the empty chart, on the seat itself or on another
    // seat: only the point counts.
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(300, 300)), QRect(250, 280, 100, 40));
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(60, 70)), QRect(10, 50, 100, 40));
    // Odd sizes put the extra pixel right and below, as integer halves do.
    EXPECT_EQ(movedSeatRect(QRect(0, 0, 79, 31), QPoint(100, 100)), QRect(61, 85, 79, 31));
    // Near the chart's corner the seat stops at its edges.
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(10, 300)), QRect(0, 280, 100, 40));
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(-500, -500)), QRect(0, 0, 100, 40));
    // A nudge stops there too; a seat left beyond it by a file comes back into the chart.
    EXPECT_EQ(nudgedSeatRect(QRect(0, 3, 10, 10), -1, -10), QRect(0, 0, 10, 10));
    EXPECT_EQ(nudgedSeatRect(QRect(-30, 8, 10, 10), 1, 0), QRect(0, 8, 10, 10));
}

TEST(SeatGeometry, ANewSeatTakesTheFirstFreePlaceOfTheGridRowByRow) {
    const auto place = [](int column, int row) { return QRect(10 + column * 100, 10 + row * 36, 100, 36); };
    EXPECT_EQ(firstFreeSeatPlace({}, 800), place(0, 0));
    // Three places to a row of 310 pixels: a full row sends the seat below it.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0), place(1, 0), place(2, 0)}, 310), place(0, 1));
    // A gap is filled before the row below; a seat merely touching a place leaves it free.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0), place(2, 0), place(0, 1)}, 310), place(1, 0));
    EXPECT_EQ(firstFreeSeatPlace({QRect(10, 46, 100, 36), QRect(10, 0, 100, 10)}, 310), place(0, 0));
    // Any overlap takes a place: a seat between two rows takes both.
    EXPECT_EQ(firstFreeSeatPlace({QRect(5, 40, 100, 36)}, 110), place(0, 2));
    // A view narrower than a seat still has one place to a row.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0)}, 50), place(0, 1));
    // The teacher's desk at (303, 313) takes the two places it lies across.
    std::vector<QRect> taken{QRect(303, 313, 79, 30)};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 7; ++column) taken.push_back(place(column, row));
    }
    taken.push_back(place(0, 8));
    taken.push_back(place(1, 8));
    EXPECT_EQ(firstFreeSeatPlace(taken, 800), place(4, 8));
    // Passed row by row this would take minutes; the rows it fills are
    // passed at once.
    const QRect huge(0, 0, kFarthestSeatPixel, kFarthestSeatPixel);
    EXPECT_EQ(firstFreeSeatPlace({huge}, 800), QRect(10, 16777234, 100, 36));
    EXPECT_EQ(firstFreeSeatPlace({huge}, std::numeric_limits<int>::max()), QRect(10, 16777234, 100, 36));
}

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

TEST_F(SeatChangesTest, RefusedAndEmptyChangesLeaveNoStepAndAStepHoldsOnlyTheSeatsItChanges) {
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
    // A step holds the seats it changes, not the class.
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

// A chart the teacher rearranged is saved and read back exactly, in the
// seating file's own layout.

TEST_F(SeatingChartFile, ARearrangedChartSavesAsTheLayoutSaysAndReadsBackEqual) {
    Document document;
    for (const char* name : {"Ann Lee", "Bob Stone"}) {
        document.classRecord.students.emplace_back().name = name;
        document.classRecord.comments.push_back({name, ""});
    }
    SeatingEditor editor(document, test::changingDirectly(document));
    SeatingInfo look = newSeatLook();
    // Side by side from (10, 10): a row holds seven new seats.
    look.name = "Ann Lee";
    ASSERT_TRUE(editor.add(look, 800));
    look.name = "Bob Stone";
    ASSERT_TRUE(editor.add(look, 800));
    look.name = "teacher";  // any other case is an ordinary seat
    ASSERT_TRUE(editor.add(look, 800));

    ASSERT_TRUE(editor.move(SeatId::student(0), QPoint(250, 118)));                            // to (200, 100)
    ASSERT_TRUE(editor.resize(SeatId::student(1), SeatHandle::BottomRight, QPoint(230, 56)));  // 120 x 46
    SeatingInfo recoloured = document.classRecord.Seats[1];
    recoloured.color = 0x0080FF;  // orange: red in the low byte
    recoloured.font_name = "Courier New";
    recoloured.font_size = 12;
    recoloured.font_color = 0x0000FF;
    recoloured.font_style = fontstyle::kItalic | fontstyle::kStrikeOut;
    ASSERT_TRUE(editor.editCurrent(recoloured));
    ASSERT_TRUE(editor.move(SeatId::teacher(), QPoint(40, 215)));                    // to (1, 200)
    ASSERT_TRUE(editor.resize(SeatId::teacher(), SeatHandle::Top, QPoint(0, 190)));  // 79 x 40
    ASSERT_TRUE(saveDocument(document, path("c.grs")).ok());

    // The file, built field by field: the seats in order, the teacher last.
    const auto seatRecord = [](ByteBuilder& b, const char* caption, std::uint8_t style, std::int32_t fontColour,
                               std::int32_t size, const char* face, std::int32_t fill) -> ByteBuilder& {
        return b.field(caption, 100).byte(style).zeros(3).i32(fontColour).i32(size).field(face, 100).i32(fill);
    };
    ByteBuilder golden;
    seatRecord(golden, "Ann Lee", 0, 0, 8, "MS Sans Serif", 0x808000).i32(100).i32(36).i32(200).i32(100);
    seatRecord(golden, "Bob Stone", 0x0A, 0x0000FF, 12, "Courier New", 0x0080FF).i32(120).i32(46).i32(110).i32(10);
    seatRecord(golden, "teacher", 0, 0, 8, "MS Sans Serif", 0x808000).i32(100).i32(36).i32(210).i32(10);
    seatRecord(golden, "Teacher", 0x05, 0, 10, "Arial", 0xFFFF00).i32(79).i32(40).i32(1).i32(190);
    EXPECT_EQ(fileContents(path("c.SEA")), golden.bytes());

    const Result<Document> reopened = open("c.grs");
    ASSERT_TRUE(reopened.ok()) << reopened.message().toStdString();
    EXPECT_EQ(reopened->classRecord.Seats, document.classRecord.Seats);
    EXPECT_EQ(reopened->classRecord.teacherSeat, document.classRecord.teacherSeat);
}

TEST_F(SeatingChartFile, AClassWithoutATeachersRecordGetsAFreshTeachersSeat) {
    Document moved;
    moved.classRecord.students = {test::namedStudent("Ann")};
    moved.classRecord.comments = {{"Ann", ""}};
    SeatingEditor(moved, test::changingDirectly(moved)).move(SeatId::teacher(), QPoint(600, 500));
    ASSERT_TRUE(saveDocument(moved, path("moved.grs")).ok());
    ASSERT_EQ(open("moved.grs")->classRecord.teacherSeat.left, 561);

    // Another class whose seating file holds a seat and no teacher's record.
    Document other = moved;
    other.classRecord.teacherSeat = defaultTeacherSeat();
    ASSERT_TRUE(saveDocument(other, path("other.grs")).ok());
    ByteBuilder seatOnly;
    seatOnly.field("Ann", 100).byte(0).zeros(3).i32(0).i32(8).field("Arial", 100).i32(0).i32(50).i32(20).i32(5).i32(6);
    ASSERT_TRUE(writeWholeFile(path("other.SEA"), seatOnly.bytes()));
    const Result<Document> opened = open("other.grs");
    ASSERT_TRUE(opened.ok());
    ASSERT_EQ(opened->classRecord.Seats.size(), 1u);
    EXPECT_EQ(opened->classRecord.teacherSeat, defaultTeacherSeat());
    EXPECT_EQ(newClassRecord(CurrentGradeScale{}).teacherSeat, defaultTeacherSeat());
}
