// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/AttendanceRecords.h"

#include "core/data/AttendanceBook.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

constexpr auto marks = test::dayMarks;
constexpr auto record = test::attendanceRecord;

// Two months of a class, with a name in two spellings and an accented one.
AttendanceBook twoMonths() {
    return AttendanceBook({
        record(2, 2026, "ann lee", "T"), record(1, 2026, "ANN LEE", "U"), record(1, 2026, "Ann Lee", "E"),
        record(1, 2026, "ZO\xCB", "TT"),  // ZOË
    });
}

}  // namespace

TEST(AttendanceBook, NamesMatchWithoutLetterCaseAndTheFirstRecordWins) {
    const AttendanceBook book = twoMonths();
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
