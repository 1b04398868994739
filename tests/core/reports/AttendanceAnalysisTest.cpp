// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The 12-month attendance analysis: what counts as a mark, which record is
// a student's, and the table and printout it gives.

#include "core/reports/AttendanceAnalysis.h"

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

TEST(AttendanceAnalysis, CountsEachCodeOfTheMonthAndTheirSum) {
    // T on 2 days, U on 1 and E on 3: 2, 1, 3 and 6.
    const AttendanceBook book = AttendanceBook({attendanceRecord(3, 2024, "Ann Lee", "T E U  E  T        E")});
    const YearCounts counts = countAttendanceYear(book, 2024, "Ann Lee");
    EXPECT_EQ(counts[2], (MonthCounts{2, 1, 3}));
    EXPECT_EQ(counts[2].total(), 6);
    for (std::size_t m = 0; m < 12; ++m) {
        if (m != 2) {
            EXPECT_EQ(counts[m], MonthCounts{}) << "month " << m + 1;
        }
    }
}

TEST(AttendanceAnalysis, OnlyUpperCaseCodesCount) {
    // Lower-case letters, other letters, digits and NULs from a foreign file are no marks.
    AttendanceInfo odd = attendanceRecord(1, 2024, "Ann Lee", "tueXx1-T");
    odd.entry[20] = '\0';
    odd.entry[21] = 'U';
    const YearCounts counts = countAttendanceYear(AttendanceBook({odd}), 2024, "Ann Lee");
    EXPECT_EQ(counts[0], (MonthCounts{1, 1, 0}));
}

TEST(AttendanceAnalysis, FindsTheStudentWhateverTheCaseButNotOtherYearsOrNames) {
    const AttendanceBook book = AttendanceBook({
        attendanceRecord(9, 2025, "ANN LEE", "TT"),      // another year
        attendanceRecord(9, 2024, "ann lee", "U"),       // this one, in another case
        attendanceRecord(9, 2024, "Ann Lee", "EEEE"),    // a later record of the same month: not read
        attendanceRecord(10, 2024, "Ann Leeds", "TTT"),  // a name that begins the same
        attendanceRecord(11, 2024, "Ann Le", "TTT"),     // one that is shorter
    });
    const YearCounts counts = countAttendanceYear(book, 2024, "Ann Lee");
    EXPECT_EQ(counts[8], (MonthCounts{0, 1, 0}));
    EXPECT_EQ(counts[9], MonthCounts{});
    EXPECT_EQ(counts[10], MonthCounts{});
    EXPECT_EQ(countAttendanceYear(book, 2025, "Ann Lee")[8], (MonthCounts{2, 0, 0}));
}

TEST(AttendanceAnalysis, CaseOfAccentedNamesIsIgnoredToo) {
    // "Émile" and "émile" in Windows-1252 differ in one byte beyond ASCII.
    const AttendanceBook book = AttendanceBook({attendanceRecord(2, 2024, "\xC9mile Roy", "E")});
    EXPECT_EQ(countAttendanceYear(book, 2024, "\xE9MILE ROY")[1], (MonthCounts{0, 0, 1}));
}

TEST(AttendanceAnalysis, TableHasTheHeadingAndTwelveMonthsInCalendarOrder) {
    const AttendanceBook book =
        AttendanceBook({attendanceRecord(12, 2024, "Bo Chen", "TUE"), attendanceRecord(1, 2024, "Bo Chen", "EE")});
    const Sheet sheet = buildAttendanceAnalysis(book, 2024, "Bo Chen", QStringLiteral("/c/p1.grs"));
    ASSERT_EQ(sheet.maxRow(), 13);
    ASSERT_EQ(sheet.maxCol(), 5);
    EXPECT_EQ(rowText(sheet, 1), QStringLiteral("Month|Tardy|Unexcused|Excused|Total"));
    EXPECT_EQ(rowText(sheet, 2), QStringLiteral("January|0|0|2|2"));
    EXPECT_EQ(rowText(sheet, 7), QStringLiteral("June|0|0|0|0"));
    EXPECT_EQ(rowText(sheet, 13), QStringLiteral("December|1|1|1|3"));
    EXPECT_EQ(sheet.kind(13, 5), CellKind::Number);
    EXPECT_EQ(sheet.format(1, 1).fill.foreground, colour::kNavy);
    EXPECT_EQ(sheet.format(13, 3).alignment.horizontal, HAlign::Center);
}

TEST(AttendanceAnalysis, NoRecordsAtAllGiveZeros) {
    const Sheet sheet = buildAttendanceAnalysis(AttendanceBook{}, 2030, "Bo Chen", QString());
    for (int row = 2; row <= 13; ++row) EXPECT_EQ(sheet.text(row, 5), QStringLiteral("0")) << row;
}

TEST(AttendanceAnalysis, PrintoutNamesTheFileAndTheStudentWithAmpersandsKept) {
    const Sheet sheet =
        buildAttendanceAnalysis(AttendanceBook{}, 2024, "Lee & Co", QStringLiteral("/home/t/R&D/p1.grs"));
    EXPECT_EQ(sheet.print().header, QStringLiteral("&L/home/t/R&&D/p1.grs&C&12&B&ULee && Co&R&D"));
    EXPECT_EQ(sheet.print().title, QStringLiteral("/home/t/R&D/p1.grs"));
    EXPECT_FALSE(sheet.print().gridLines);
    EXPECT_TRUE(sheet.print().centerHorizontally);
}
