// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatingEditor.h"

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/MakeChange.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

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

TEST_F(SeatingEditorTest, TheTeachersCaptionIsRefusedInAnyOtherCaseItIsAnOrdinarySeat) {
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

TEST_F(SeatingEditorTest, EditAndDeleteLeaveTheTeachersSeatAndNoSeatAlone) {
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

TEST(SeatCaptions, AddOffersOnlyTheStudentsWithoutASeat) {
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
}

TEST(SeatCaptions, ARenamedStudentsSeatsFollowButNeverBecomeTheTeachers) {
    ClassRecord cls;
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
