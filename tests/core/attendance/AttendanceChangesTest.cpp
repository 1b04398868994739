// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/attendance/AttendanceChanges.h"
#include "core/data/AttendanceBook.h"

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/ExactUndo.h"

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::attendanceRecord;
using markwell::test::documentBytes;
using markwell::test::expectExactUndoAndRedo;

namespace {

constexpr auto marks = test::dayMarks;
constexpr auto record = test::attendanceRecord;

// Three students; Ann has a September record under another spelling, Bob
// has October's only, Cleo none.
class AttendanceChangesTest : public testing::Test {
protected:
    AttendanceChangesTest() {
        document.classRecord = test::makeClass({"Ann Lee", "Bob Stone", "Cleo Park"}, {});
        document.attendance = AttendanceBook(
            {attendanceRecord(9, 2024, "ann lee", "T  U"), attendanceRecord(10, 2024, "Bob Stone", " E")});
    }
    Document document;
};

MonthMarks september(std::vector<DayMark> days) {
    return MonthMarks{9, 2024, std::move(days)};
}

}  // namespace

TEST_F(AttendanceChangesTest, AKeyPressMarksOneDayOfTheRecordFoundWhateverItsLetterCase) {
    expectExactUndoAndRedo(document, markAttendanceChange(september({{"Ann Lee", 2, 'E'}})));
    ASSERT_EQ(document.attendance.records().size(), 2u);  // no second record for Ann
    EXPECT_EQ(document.attendance.records()[0].entry[1], 'E');
    EXPECT_EQ(document.attendance.records()[0].name, "ann lee");
    // Clearing a day, as the full stop does.
    expectExactUndoAndRedo(document, markAttendanceChange(september({{"Ann Lee", 1, ' '}})));
    EXPECT_EQ(document.attendance.records()[0].entry[0], ' ');
}

TEST_F(AttendanceChangesTest, AMarkOnASelectionIsOneStepThatAddsAndTakesAwayTheRecordsItNeeds) {
    // A field trip for all on the 10th and 11th: Bob and Cleo get September records.
    std::vector<DayMark> trip;
    for (const char* name : {"Ann Lee", "Bob Stone", "Cleo Park"}) {
        for (int day : {10, 11}) trip.push_back({name, day, 'E'});
    }
    expectExactUndoAndRedo(document, markAttendanceChange(september(trip)));
    const auto& records = document.attendance.records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2].name, "Bob Stone");
    EXPECT_EQ(records[3].name, "Cleo Park");
    EXPECT_EQ(records[3].Month, 9);
    EXPECT_EQ(records[3].entry[10], 'E');
    EXPECT_EQ(document.attendance.marksOf(10, 2024, {"Bob Stone"}).front()->at(1), 'E');  // October untouched

    // Undone, the added records are gone and the file is as it was.
    const auto before = documentBytes(document);
    Result<ChangeMade> cleared =
        markAttendanceChange(september({{"Cleo Park", 10, ' '}, {"Cleo Park", 11, ' '}})).applyTo(document);
    ASSERT_TRUE(cleared.ok() && cleared->step);
    cleared->step->undo(document);
    EXPECT_EQ(documentBytes(document), before);
}

TEST_F(AttendanceChangesTest, MarksThereAlreadyAreNothingToUndoAndADayOutsideTheCalendarIsRefused) {
    const AttendanceBook before = document.attendance;
    Result<ChangeMade> made =
        markAttendanceChange(september({{"Ann Lee", 1, 'T'}, {"Cleo Park", 5, ' '}})).applyTo(document);
    ASSERT_TRUE(made.ok());
    EXPECT_FALSE(made->step);
    EXPECT_EQ(document.attendance, before);
    // The first mark is good: a refusal must not leave it set.
    for (const MonthMarks& marks :
         {september({{"Ann Lee", 2, 'T'}, {"Ann Lee", 31, 'T'}}), september({{"Ann Lee", 0, 'T'}}),
          MonthMarks{2, 2023, {{"Ann Lee", 1, 'T'}, {"Ann Lee", 29, 'T'}}},
          MonthMarks{13, 2024, {{"Ann Lee", 1, 'T'}}}}) {
        EXPECT_FALSE(markAttendanceChange(marks).applyTo(document).ok());
        EXPECT_EQ(document.attendance, before);
    }
    // 29 February of a leap year is a day.
    EXPECT_TRUE(markAttendanceChange(MonthMarks{2, 2024, {{"Ann Lee", 29, 'T'}}}).applyTo(document).ok());
}

TEST_F(AttendanceChangesTest, AStepHoldsTheDaysItChangesNotTheAttendance) {
    std::vector<AttendanceInfo> many = document.attendance.records();
    for (int month = 1; month <= 12; ++month) {
        for (int i = 0; i < 300; ++i)
            many.push_back(attendanceRecord(month, 2023, "Student " + std::to_string(i), "TUE"));
    }
    document.attendance = AttendanceBook(many);
    Result<ChangeMade> made = markAttendanceChange(september({{"Ann Lee", 3, 'U'}})).applyTo(document);
    ASSERT_TRUE(made.ok() && made->step);
    EXPECT_LT(made->step->heldBytes(), heldBytesOf(document.attendance) / 1000);
}

TEST(AttendanceBook, NamesMatchWithoutLetterCaseAndTheFirstRecordWins) {
    // Two months of a class, with a name in two spellings and an accented one.
    const AttendanceBook book({
        record(2, 2026, "ann lee", "T"), record(1, 2026, "ANN LEE", "U"), record(1, 2026, "Ann Lee", "E"),
        record(1, 2026, "ZO\xCB", "TT"),  // ZOË
    });
    EXPECT_EQ(book.findAttendanceRecord(1, 2026, "aNN lEE"), 1u);
    EXPECT_EQ(book.findAttendanceRecord(2, 2026, "Ann Lee"), 0u);
    EXPECT_EQ(book.findAttendanceRecord(1, 2026, "Zo\xEB"), 3u);  // zoë: accents fold too
    EXPECT_EQ(book.findAttendanceRecord(1, 2027, "Ann Lee"), std::nullopt);
    EXPECT_EQ(book.findAttendanceRecord(1, 2026, "Ann"), std::nullopt);

    const auto read = book.marksOf(1, 2026, {"Ann Lee", "Bo", "zo\xEB"});
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0], marks("U"));
    EXPECT_EQ(read[1], std::nullopt);
    EXPECT_EQ(read[2], marks("TT"));
}

TEST(AttendanceBook, RenamingAStudentCarriesEveryMonthOfTheirs) {
    AttendanceBook book({
        record(9, 2025, "Ann Lee", "T"),
        record(9, 2025, "Bo", "U"),
        record(10, 2025, "ANN LEE", "E"),
        record(3, 2019, "ann lee", "EE"),
    });
    EXPECT_EQ(book.renameStudent("Ann lee", "Ann Lee-Park"), 3);
    const std::vector<AttendanceInfo> expected = {
        record(9, 2025, "Ann Lee-Park", "T"),
        record(9, 2025, "Bo", "U"),
        record(10, 2025, "Ann Lee-Park", "E"),
        record(3, 2019, "Ann Lee-Park", "EE"),
    };
    EXPECT_EQ(book.records(), expected);
    EXPECT_EQ(book.marksOf(10, 2025, {"Ann Lee-Park"}).front(), marks("E"));
    EXPECT_EQ(book.marksOf(10, 2025, {"Ann Lee"}).front(), std::nullopt);
    EXPECT_EQ(book.renameStudent("Nobody", "Someone"), 0);
    EXPECT_EQ(book.records(), expected);
}
