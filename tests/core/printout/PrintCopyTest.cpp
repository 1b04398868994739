// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/printout/AssignmentListPrintout.h"
#include "core/printout/PrintCopy.h"
#include "core/sheet/PrintHeader.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::namedStudent;
using markwell::test::tableText;

namespace {

// Names, one quiz, Total, Average, Grade; three student rows, separator, Total row.
Sheet gradesTable() {
    Sheet s;
    s.setMaxRow(6);
    s.setMaxCol(5);
    const char* heading[] = {"Names", "Quiz", "Total", "Average", "Grade"};
    for (int c = 1; c <= 5; ++c) s.setText(1, c, QString::fromUtf8(heading[c - 1]));
    s.setText(2, 1, QStringLiteral("Ann Lee"));
    s.setText(3, 1, QStringLiteral("Zoë Brandt"));
    s.setText(4, 1, QStringLiteral("Nobody Known"));
    s.setText(6, 1, QStringLiteral("Total"));
    s.setNumber(2, 2, 9);
    s.setShowGridLines(false);
    return s;
}

}  // namespace

TEST(PrintCopy, IdsReplaceNamesByTheFirstStudentOfTheName) {
    const Sheet grades = gradesTable();
    // Two students share "Ann Lee"; the table has one row for them. "Zoë" is
    // stored as Windows-1252 bytes (0xEB).
    const std::vector<StudentInfo> students = {namedStudent("Ann Lee", "A-17"), namedStudent("Zo\xEB Brandt", "Z-02"),
                                               namedStudent("Ann Lee", "A-99")};
    const Sheet copy = gradesPrintCopy(grades, students, QStringLiteral("/tmp/p1.grs"), true);
    // A name of no student stays; the Total row is not a student row.
    EXPECT_EQ(tableText(copy), (QStringList{"Student ID's|Quiz|Total|Average|Grade", "A-17|9|||", "Z-02||||",
                                            "Nobody Known||||", "||||", "Total||||"}));
    EXPECT_EQ(copy.number(2, 2), 9);
    // The page's own table is untouched, and a copy with names is the table.
    EXPECT_EQ(tableText(grades), tableText(gradesTable()));
    EXPECT_EQ(tableText(gradesPrintCopy(grades, students, QStringLiteral("/tmp/p1.grs"), false)),
              tableText(gradesTable()));
}

TEST(PrintCopy, AStudentWithoutAnIdPrintsNoIdRatherThanABlankRow) {
    // Ann has no ID and Zoë only blanks; the later Ann's ID does not stand in
    // for the first one's, whose row it is.
    const std::vector<StudentInfo> students = {namedStudent("Ann Lee", ""), namedStudent("Zo\xEB Brandt", "  "),
                                               namedStudent("Ann Lee", "A-99")};
    const Sheet copy = gradesPrintCopy(gradesTable(), students, {}, true);
    EXPECT_EQ(copy.text(2, 1), QStringLiteral("(no ID)"));
    EXPECT_EQ(copy.text(3, 1), QStringLiteral("(no ID)"));
    EXPECT_EQ(copy.text(4, 1), QStringLiteral("Nobody Known"));
}

TEST(PrintCopy, HeaderShowsThePathLeftAndTheDateRightAndGridLinesFollowThePage) {
    Sheet grades = gradesTable();
    const QString path = QStringLiteral("/home/t/R&D class/p&1.grs");
    Sheet copy = gradesPrintCopy(grades, {}, path, false);
    EXPECT_EQ(copy.print().title, path);
    const PrintHeaderParts parts = parsePrintHeader(copy.print().header, QStringLiteral("7/3/2024"));
    EXPECT_EQ(plainText(parts.left), path);  // an "&" in the path is not taken for a code
    EXPECT_EQ(plainText(parts.right), QStringLiteral("7/3/2024"));
    EXPECT_TRUE(parts.center.empty());
    EXPECT_FALSE(copy.print().gridLines);
    grades.setShowGridLines(true);
    EXPECT_TRUE(gradesPrintCopy(grades, {}, path, false).print().gridLines);

    // An untitled class prints an empty path.
    const PrintHeaderParts untitled =
        parsePrintHeader(gradesPrintCopy(grades, {}, {}, false).print().header, QStringLiteral("d"));
    EXPECT_TRUE(untitled.left.empty());
    EXPECT_EQ(plainText(untitled.right), QStringLiteral("d"));
}

TEST(PrintCopy, AttendanceNamesItsMonthAndLiesOnItsSideShrunkToTheWidth) {
    // Grid lines whatever the page shows; the month in the middle of the header.
    Sheet attendance = gradesTable();
    attendance.setShowGridLines(false);
    const Sheet printed = attendancePrintCopy(attendance, QStringLiteral("/home/t/R&D.ATD"), 12, 2026);
    EXPECT_TRUE(printed.print().gridLines);
    const PrintHeaderParts parts = parsePrintHeader(printed.print().header, QStringLiteral("d"));
    EXPECT_EQ(plainText(parts.left), QStringLiteral("/home/t/R&D.ATD"));
    EXPECT_EQ(plainText(parts.center), QStringLiteral("December 2026"));
    EXPECT_EQ(plainText(parts.right), QStringLiteral("d"));
    EXPECT_EQ(printed.print().orientation, PrintSettings::Orientation::Landscape);
    EXPECT_TRUE(printed.print().fitToPageWidth);
    EXPECT_EQ(printed.print().closingRows, 0);  // no Total row there

    // The grades keep their separator and Total row with the last students,
    // but only when there are students to keep them with.
    EXPECT_EQ(gradesPrintCopy(gradesTable(), {}, {}, false).print().closingRows, 2);
    Sheet empty;
    empty.setText(1, 1, QStringLiteral("Names"));
    EXPECT_EQ(gradesPrintCopy(empty, {}, {}, false).print().closingRows, 0);
    EXPECT_EQ(gradesPrintCopy(gradesTable(), {}, {}, false).print().orientation, PrintSettings::Orientation::Fitting);
}

TEST(PrintCopy, WidthsAreFittedToTheIdsPrinted) {
    Sheet grades = gradesTable();
    grades.setText(2, 1, QStringLiteral("A very long student name indeed"));
    grades.fitColumnWidths();
    const std::vector<StudentInfo> students = {namedStudent("A very long student name indeed", "7")};
    const Sheet copy = gradesPrintCopy(grades, students, {}, true);
    EXPECT_LT(copy.colWidth(1), grades.colWidth(1));
}

TEST(AssignmentListPrintout, OneRowPerAssignmentUnderTheNavyHeading) {
    const std::vector<AssignmentInfo> assignments = {{"Quiz 1", "Chapter 1\r\nand 2", "Quiz", 0, {}},
                                                     {"Lab", "", "Lab", 0, {}}};
    const Sheet sheet = assignmentListPrintout(assignments, QStringLiteral("/classes/P&1.grs"));
    EXPECT_EQ(sheet.maxRow(), 3);
    EXPECT_EQ(sheet.maxCol(), 3);
    EXPECT_EQ(sheet.text(1, 1), QStringLiteral("Title"));
    EXPECT_EQ(sheet.text(1, 3), QStringLiteral("Description"));
    EXPECT_EQ(sheet.text(2, 3), QStringLiteral("Chapter 1 and 2"));
    EXPECT_EQ(sheet.text(3, 3), QStringLiteral("< None >"));
    EXPECT_EQ(sheet.format(1, 1).fill.foreground, colour::kNavy);
    EXPECT_TRUE(sheet.format(1, 2).font.bold);
    EXPECT_EQ(sheet.format(2, 1).alignment.horizontal, HAlign::General);
    EXPECT_EQ(sheet.format(3, 3).alignment.horizontal, HAlign::Center);
    EXPECT_EQ(sheet.print().header, QStringLiteral("&L/classes/P&&1.grs&C&12&B&UAssignment Information&R&D"));
    EXPECT_FALSE(sheet.print().gridLines);
    EXPECT_TRUE(sheet.print().centerHorizontally);
}
