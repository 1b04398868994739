// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// A chart the teacher rearranged is saved and read back exactly, in the
// seating file's own layout.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/MakeChange.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/scales/ScaleStore.h"
#include "core/seating/SeatingEditor.h"
#include "core/settings/QSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::ByteBuilder;

namespace {

class SeatingChartFile : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    Result<Document> open(const char* name) { return openDocument(path(name), scales_); }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("settings.ini"))};
    ScaleStore scales_{settings_};
};

}  // namespace

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
