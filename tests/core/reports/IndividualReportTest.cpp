// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The individual report's two tables, worked out by hand, the look every
// report takes, and the print copies of the grades page and the assignments.

#include "core/grading/GradesTable.h"
#include "core/printout/AssignmentListPrintout.h"
#include "core/printout/PrintCopy.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/IndividualReport.h"
#include "core/sheet/PrintHeader.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

QStringList overall(const ClassRecord& cls, int student) {
    return tableText(individualOverallSheet(cls, buildGradesTable(cls).sheet, student));
}

QStringList byType(const ClassRecord& cls, int student) {
    return tableText(individualTypeSheet(cls, student));
}

QList<bool> redRows(const Sheet& sheet) {
    QList<bool> red;
    for (int row = 2; row <= sheet.maxRow(); ++row) {
        bool all = true;
        for (int col = 1; col <= sheet.maxCol(); ++col) all = all && sheet.format(row, col).font.color == colour::kRed;
        red << all;
    }
    return red;
}

// A report of `rows` rows and three columns, the class's look left behind in
// the cells (a report must not keep it).
Sheet reportOf(int rows) {
    Sheet s;
    s.setMaxRow(rows);
    s.setMaxCol(3);
    CellFont classLook;
    classLook.name = QStringLiteral("Courier New");
    classLook.size = 14;
    classLook.italic = true;
    classLook.color = colour::kRed;
    s.setFont(CellRange::all(), classLook);
    s.setText(1, 1, QStringLiteral("Description"));
    s.setText(1, 2, QStringLiteral("Points"));
    s.setText(1, 3, QStringLiteral("Percentage"));
    for (int r = 2; r <= rows; ++r) {
        s.setText(r, 1, QStringLiteral("row %1 with a long description").arg(r));
        s.setNumber(r, 2, r);
    }
    s.setSelection(CellRange::cell(rows, 3));
    return s;
}

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

TEST(IndividualReport, OverallRowsAreEachAssignmentAndTheTotalsRowIsTheGradesPages) {
    // Ann: 9 of 10, "-" of 100, 45 of 50, 3 extra-credit points of 0.
    const ClassRecord cls = makeClass({"Ann", "Anne"}, {{"Quiz 1", "Quiz", 10, {"9", "2"}},
                                                        {"Test 1", "Test", 100, {"-", "100"}},
                                                        {"Lab 1", "Lab", 50, {"45", "1"}},
                                                        {"Bonus", "Other", 0, {"3", "0"}}});
    EXPECT_EQ(overall(cls, 0), (QStringList{
                                   "Assignments|Points|Total|Percent|Grade",
                                   "Quiz 1|9|10|90.00%|A",
                                   "Test 1|-|100|-|-",
                                   "Lab 1|45|50|90.00%|A",
                                   "Bonus|3|0|-|-",
                                   "||||",
                                   // Every total is added, "-" too; the Average is the grades page's
                                   // (9 + 45 + 3) / (10 + 50) = 95.00%.
                                   "Total|57|160|95.00%|A",
                               }));
    // Anne is not Ann: only her own entries.
    EXPECT_EQ(overall(cls, 1).at(1), QStringLiteral("Quiz 1|2|10|20.00%|F"));
    EXPECT_EQ(overall(cls, 1).at(6), QStringLiteral("Total|103|160|64.38%|D"));
}

TEST(IndividualReport, TotalsRowFollowsWeightsAndDroppingWhereTheRowsAboveDoNot) {
    ClassRecord cls = makeClass(
        {"Ann"}, {{"Quiz 1", "Quiz", 10, {"2"}}, {"Quiz 2", "Quiz", 10, {"10"}}, {"Test 1", "Test", 100, {"90"}}});
    dropByType(cls, {2});  // the 2 on Quiz 1 goes
    cls.weightGrades = {0, 50, 50, 0, 0, 0, true};
    const GradesTable grades = buildGradesTable(cls);
    const Sheet sheet = individualOverallSheet(cls, grades.sheet, 0);
    // Quiz 10 of 10 and Test 90 of 100 at equal weights: 100 of 110 = 90.91%.
    EXPECT_EQ(grades.sheet.text(2, 6), QStringLiteral("90.91%"));
    EXPECT_EQ(rowText(sheet, 6), QStringLiteral("Total|102|120|90.91%|A"));
    EXPECT_EQ(rowText(sheet, 2), QStringLiteral("Quiz 1|2|10|20.00%|F"));
}

TEST(IndividualReport, TypeRowsCountOnlyMarksThatCount) {
    // 90 on one 100-point test and "-" on another is 90%, not 45%.
    const ClassRecord cls = makeClass({"Ann"}, {{"Test 1", "Test", 100, {"90"}},
                                                {"Test 2", "Test", 100, {"-"}},
                                                {"Quiz 1", "Quiz", 10, {"0"}},
                                                {"Bonus", "Homework", 0, {"5"}},
                                                {"Mystery", "", 50, {"50"}},
                                                {"Odd", "test", 50, {"40"}}});
    EXPECT_EQ(byType(cls, 0), (QStringList{
                                  "Type|Points|Total|Percent|Grade",
                                  "Final|0|0|0.00%|-",  // no assignments
                                  "Test|90|100|90.00%|A", "Quiz|0|10|0.00%|F",
                                  "Homework|5|0|-|-",  // extra credit only
                                  "Lab|0|0|0.00%|-",
                                  "Other|0|0|0.00%|-",  // no type, or a misspelt one, joins no row
                              }));
}

TEST(IndividualReport, MissingEmptyAndUnreadableMarksCountLikeTheMark) {
    ClassRecord cls = makeClass(
        {"Ann", "Bo"},
        {{"Quiz 1", "Quiz", 10, {"", "5"}}, {"Quiz 2", "Quiz", 10, {"abc", "5"}}, {"Quiz 3", "Quiz", 10, {"8", "5"}}});
    cls.assignments[2].namegrade.erase(cls.assignments[2].namegrade.begin());  // Ann has no entry
    EXPECT_EQ(overall(cls, 0).mid(1, 3), (QStringList{"Quiz 1||10|-|-", "Quiz 2|abc|10|-|-", "Quiz 3||10|-|-"}));
    EXPECT_EQ(byType(cls, 0).at(3), QStringLiteral("Quiz|0|0|0.00%|-"));
}

TEST(IndividualReport, RowsShowMarksAsWrittenWithTheLetterOfThePercentAsShown) {
    const ClassRecord essay = makeClass({"Ann"}, {{"Essay", "Test", 1000, {"899.96"}}});
    EXPECT_EQ(overall(essay, 0).at(1), QStringLiteral("Essay|899.96|1000|90.00%|A"));
    EXPECT_EQ(byType(essay, 0).at(2), QStringLiteral("Test|899.96|1000|90.00%|A"));
    // Marks written as numbers stay numbers for spreadsheets.
    const ClassRecord cls = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"9.5"}}, {"Quiz 2", "Quiz", 10, {"08"}}});
    const Sheet sheet = individualOverallSheet(cls, buildGradesTable(cls).sheet, 0);
    EXPECT_EQ(sheet.kind(2, 2), CellKind::Number);
    EXPECT_EQ(sheet.kind(3, 2), CellKind::Text);  // shown exactly as stored
    EXPECT_EQ(sheet.text(3, 2), QStringLiteral("08"));
    // No assignments: the Total row alone.
    EXPECT_EQ(overall(makeClass({"Ann"}, {}), 0),
              (QStringList{"Assignments|Points|Total|Percent|Grade", "||||", "Total|0|0||"}));
    StudentInfo s;
    EXPECT_EQ(studentIdText(s), QStringLiteral("N/A"));
    s.id = "A-\xE9";  // Windows-1252 é
    EXPECT_EQ(studentIdText(s), QStringLiteral("A-é"));
}

TEST(IndividualReport, DroppedScoresAreRedAsInTheGradesTableForEachStudent) {
    // Ann drops Quiz 1 (2 of 10), Anne Quiz 2 (1 of 10); no one drops a test.
    ClassRecord cls = makeClass({"Ann", "Anne"}, {{"Quiz 1", "Quiz", 10, {"2", "9"}},
                                                  {"Quiz 2", "Quiz", 10, {"10", "1"}},
                                                  {"Test 1", "Test", 100, {"90", "20"}}});
    EXPECT_EQ(redRows(individualOverallSheet(cls, buildGradesTable(cls).sheet, 0)),
              (QList<bool>{false, false, false, false, false}));
    dropByType(cls, {2});
    const GradesTable grades = buildGradesTable(cls);
    const Sheet ann = individualOverallSheet(cls, grades.sheet, 0);
    EXPECT_EQ(redRows(ann), (QList<bool>{true, false, false, false, false}));
    EXPECT_EQ(redRows(individualOverallSheet(cls, grades.sheet, 1)), (QList<bool>{false, true, false, false, false}));
    // The red is the grades table's: the same cells are red there.
    EXPECT_EQ(grades.sheet.format(2, 2).font.color, colour::kRed);
    EXPECT_EQ(grades.sheet.format(3, 3).font.color, colour::kRed);
    // Only the colour changes: the row keeps the report's font.
    EXPECT_EQ(ann.format(2, 1).font.name, ann.format(3, 1).font.name);
    EXPECT_EQ(ann.format(2, 1).font.size, ann.format(3, 1).font.size);

    // The lowest overall: Ann's 2 of 10 is also her lowest of all.
    cls.lowScoreInfo.drop_type = droprule::kLowestOverall;
    EXPECT_EQ(redRows(individualOverallSheet(cls, buildGradesTable(cls).sheet, 1)),
              (QList<bool>{false, true, false, false, false}));
}

TEST(IndividualReport, AWeightedAverageSaysSoUnderTheTable) {
    ClassRecord cls = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"5"}}, {"Test 1", "Test", 100, {"90"}}});
    EXPECT_EQ(tableText(individualOverallSheet(cls, buildGradesTable(cls).sheet, 0)).size(), 5);
    cls.weightGrades = {0, 80, 20, 0, 0, 0, true};
    const GradesTable grades = buildGradesTable(cls);
    const QStringList weighted = tableText(individualOverallSheet(cls, grades.sheet, 0));
    ASSERT_EQ(weighted.size(), 7);
    // The grades table's weighted average, not the Total row's 95 of 110 (86.36%).
    EXPECT_EQ(grades.sheet.text(2, 5), QStringLiteral("89.02%"));
    EXPECT_EQ(weighted.at(4), QStringLiteral("Total|95|110|89.02%|B"));
    EXPECT_EQ(weighted.at(5), QStringLiteral("||||"));
    EXPECT_EQ(weighted.at(6), QStringLiteral("Weighted average: see Why||||"));
}

TEST(ReportStyle, HeadingNavyBodyPlainEveryRowCentredFromTheGivenColumnAndTheHeaderKept) {
    Sheet s = reportOf(1200);  // far beyond the 500 rows a fixed range would reach
    applyReportStyle(s, 2);

    const CellFormat& heading = s.format(1, 1);
    EXPECT_EQ(heading.font.name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(heading.font.size, 8);
    EXPECT_TRUE(heading.font.bold);
    EXPECT_EQ(heading.font.color, colour::kWhite);
    EXPECT_EQ(heading.fill.pattern, FillPattern::Solid);
    EXPECT_EQ(heading.fill.foreground, colour::kNavy);
    EXPECT_EQ(heading.alignment, CellAlignment::centred());
    EXPECT_EQ(s.fixedRows(), 1);

    for (int row : {2, 500, 501, 1200}) {
        const CellFormat& f = s.format(row, 2);
        EXPECT_EQ(f.font.name, QStringLiteral("MS Sans Serif")) << row;
        EXPECT_EQ(f.font.size, 8) << row;
        EXPECT_FALSE(f.font.bold || f.font.italic || f.font.underline || f.font.strikeOut) << row;
        EXPECT_EQ(f.font.color, colour::kBlack) << row;
        EXPECT_EQ(f.alignment, CellAlignment::centred()) << row;
        EXPECT_EQ(s.format(row, 1).alignment.horizontal, HAlign::General) << row;
    }
    EXPECT_EQ(s.selection(), CellRange::cell(1, 1));
    // Widths follow the texts: the long descriptions need a wider first column.
    EXPECT_GT(s.colWidth(1), s.colWidth(2));
    Sheet all = reportOf(4);
    applyReportStyle(all, 1);
    EXPECT_EQ(all.format(3, 1).alignment, CellAlignment::centred());

    Sheet none = reportOf(4);
    applyReportStyle(none, 4);
    EXPECT_EQ(none.format(3, 3).alignment.horizontal, HAlign::General);
    EXPECT_EQ(none.format(1, 3).alignment, CellAlignment::centred());  // the heading always is
    const QString header = reportPrintHeader(QStringLiteral("/home/t/R&D/p1.grs"), QStringLiteral("2nd & 3rd"));
    const PrintHeaderParts parts = parsePrintHeader(header, QStringLiteral("1/2/2026"));
    EXPECT_EQ(plainText(parts.left), QStringLiteral("/home/t/R&D/p1.grs"));
    EXPECT_EQ(plainText(parts.right), QStringLiteral("1/2/2026"));
    EXPECT_EQ(parts.center, (std::vector<HeaderRun>{{QStringLiteral("2nd & 3rd"), true, true, 12}}));

    s = reportOf(3);
    setReportPrintout(s, QStringLiteral("Grade Information"), QStringLiteral("/p.grs"), QStringLiteral("Quiz"));
    EXPECT_EQ(s.print().title, QStringLiteral("Grade Information"));
    EXPECT_FALSE(s.print().gridLines);
    EXPECT_TRUE(s.print().centerHorizontally);
    EXPECT_EQ(plainText(parsePrintHeader(s.print().header, {}).center), QStringLiteral("Quiz"));
}

TEST(PrintCopy, IdsReplaceNamesByTheFirstStudentOfTheNameOrSayThereIsNone) {
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

    // Ann has no ID and Zoë only blanks: "(no ID)" rather than a blank row.
    // The later Ann's ID does not stand in for the first one's, whose row it is.
    const std::vector<StudentInfo> noIds = {namedStudent("Ann Lee", ""), namedStudent("Zo\xEB Brandt", "  "),
                                            namedStudent("Ann Lee", "A-99")};
    const Sheet without = gradesPrintCopy(grades, noIds, {}, true);
    EXPECT_EQ(without.text(2, 1), QStringLiteral("(no ID)"));
    EXPECT_EQ(without.text(3, 1), QStringLiteral("(no ID)"));
    EXPECT_EQ(without.text(4, 1), QStringLiteral("Nobody Known"));
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
