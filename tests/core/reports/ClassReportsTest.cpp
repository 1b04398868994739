// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The term's reports of a class: who gets one, the note's placeholders, the
// months of attendance, the parts chosen, and each report agreeing with the
// individual report of the same student.

#include "core/files/SafeFileNames.h"
#include "core/grading/GradesTable.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/IndividualReport.h"
#include "core/reports/ReportStudents.h"
#include "core/reports/StudentReport.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

// Ann A (95%), Bob C (75%), Cleo F (40%), Dan "-" (no possible points).
ClassRecord fourGrades() {
    return makeClass({"Ann", "Bob", "Cleo", "Dan"},
                     {{"Test 1", "Test", 100, {"95", "75", "40", "-"}}, {"Bonus", "Other", 0, {"0", "0", "0", "3"}}});
}

std::vector<int> chosen(const Result<std::vector<int>>& students) {
    EXPECT_TRUE(students.ok()) << qPrintable(students.message());
    return students ? *students : std::vector<int>{};
}

}  // namespace

TEST(SafeFileNames, HostileNamesStayInTheFolderAndDistinct) {
    const QString ninetyNine(99, QLatin1Char('n'));
    EXPECT_EQ(
        distinctFileNames({"../x", "a/b", "a_b", "A_B", "", ninetyNine, QString(150, QLatin1Char('n')), "Zoë O'Neill"},
                          QStringLiteral(".pdf")),
        (QStringList{"___x.pdf", "a_b.pdf", "a_b (2).pdf", "A_B (3).pdf", "student.pdf", ninetyNine + ".pdf",
                     QString(100, QLatin1Char('n')) + ".pdf", "Zoë O_Neill.pdf"}));
}

TEST(ReportStudents, GradeAtMostTakesThatLetterAndWorseButNoDash) {
    const ClassRecord cls = fourGrades();
    const Sheet grades = buildGradesTable(cls).sheet;
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral("C"))), (std::vector<int>{1, 2}));
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral(" a "))), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral("F"))), (std::vector<int>{2}));
    const Result<std::vector<int>> unknown = studentsGradedAtMost(cls, grades, QStringLiteral("Q"));
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("\"Q\""))) << qPrintable(unknown.message());
}

TEST(ReportStudents, NamesExactlyAsTheClassHasThemInClassOrder) {
    ClassRecord cls = fourGrades();
    cls.students.push_back(cls.students[0]);  // a second Ann
    cls.comments.push_back(cls.comments[0]);
    EXPECT_EQ(chosen(studentsNamed(cls, {"Cleo", "Ann", "Cleo"})), (std::vector<int>{0, 2, 4}));
    const Result<std::vector<int>> unknown = studentsNamed(cls, {"ann", "Bob", "Zed"});
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("\"ann\", \"Zed\""))) << qPrintable(unknown.message());
}

TEST(ReportStudents, SelectedRowsAreTheirStudentsAndNothingElse) {
    const ClassRecord cls = fourGrades();
    const Sheet grades = buildGradesTable(cls).sheet;
    // From the heading row to the Total row: every student, and only students.
    EXPECT_EQ(studentsInRows(cls, grades, 1, grades.maxRow()), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(studentsInRows(cls, grades, 3, 4), (std::vector<int>{1, 2}));
    EXPECT_TRUE(studentsInRows(cls, grades, grades.maxRow() - 1, grades.maxRow()).empty());
}

TEST(ReportStudents, ANameListIsReadAsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.txt"));
    const auto listOf = [&path](const QByteArray& bytes) {
        EXPECT_TRUE(writeWholeFile(path, bytes));
        return readNameList(path);
    };
    const Result<QStringList> names = listOf("\xEF\xBB\xBFZo\xC3\xAB\r\n\r\n  \nAnn Lee \nBob");
    ASSERT_TRUE(names.ok()) << qPrintable(names.message());
    EXPECT_EQ(*names, (QStringList{"Zoë", "Ann Lee ", "Bob"}));
    EXPECT_FALSE(listOf("Zo\xEB\n").ok());  // Windows-1252, not UTF-8
}

TEST(FamilyNote, PlaceholdersAreFilledOnceAndUnknownOnesKept) {
    const NoteValues values{QStringLiteral("Al {grade}"), QStringLiteral("B+"), QStringLiteral("88.50%")};
    const FilledNote note =
        fillFamilyNote(QStringLiteral("Dear {name}: {grade} ({average}).\n{Name} {nmae} {nmae} {}"), values);
    EXPECT_EQ(note.text, QStringLiteral("Dear Al {grade}: B+ (88.50%).\n{Name} {nmae} {nmae} {}"));
    EXPECT_EQ(note.unknown, (QStringList{"{Name}", "{nmae}", "{}"}));
    EXPECT_EQ(unknownPlaceholders(QStringLiteral("{name} {grade} {average} { and }")), QStringList{"{ and }"});
}

TEST(ReportContents, MonthsAndPartsAreReadOrRefused) {
    const Result<MonthSpan> term = parseMonthSpan(QStringLiteral("2026-09:2027-01"));
    ASSERT_TRUE(term.ok());
    EXPECT_EQ(term->count(), 5);
    EXPECT_EQ(term->at(4), (std::pair{2027, 1}));
    EXPECT_EQ(monthSpanText(*term), QStringLiteral("2026-09:2027-01"));
    for (const char* refused : {"2026-13:2027-01", "2027-01:2026-09", "2025-01:2027-01", "2026-9:2026-10", "x"}) {
        EXPECT_FALSE(parseMonthSpan(QLatin1String(refused)).ok()) << refused;
    }
    EXPECT_TRUE(parseMonthSpan(QStringLiteral("2025-01:2026-12")).ok());  // 24 months

    const Result<ReportContents> parts = contentsFromList(QStringLiteral("comment, Type,attendance"));
    ASSERT_TRUE(parts.ok());
    EXPECT_EQ(contentsList(*parts), QStringLiteral("type,attendance,comment"));
    EXPECT_EQ(contentsList(*contentsFromList(QString())), QString());
    EXPECT_FALSE(contentsFromList(QStringLiteral("overall,graph")).ok());
    EXPECT_FALSE(contentsFromList(QStringLiteral("why,why")).ok());
}

TEST(ReportContents, DefaultMonthsAreTheLastTwelveWithRecords) {
    const QDate today(2026, 3, 15);
    EXPECT_EQ(defaultMonthSpan(AttendanceBook(), today), (MonthSpan{2026, 3, 2026, 3}));
    const AttendanceBook term({attendanceRecord(11, 2025, "Ann", "T"), attendanceRecord(9, 2025, "Bob", ""),
                               attendanceRecord(2, 2026, "Ann", "")});
    EXPECT_EQ(defaultMonthSpan(term, today), (MonthSpan{2025, 9, 2026, 2}));
    const AttendanceBook years({attendanceRecord(1, 2024, "Ann", ""), attendanceRecord(6, 2026, "Ann", "")});
    EXPECT_EQ(defaultMonthSpan(years, today), (MonthSpan{2025, 7, 2026, 6}));
}

TEST(ClassReports, AttendanceIsCountedPerMonthAcrossTheYearsEnd) {
    const ClassRecord cls = fourGrades();
    const AttendanceBook book({attendanceRecord(12, 2025, "BOB", "TTU"), attendanceRecord(1, 2026, "Bob", "E"),
                               attendanceRecord(12, 2025, "Bob", "UUUU"),  // a second December: not counted
                               attendanceRecord(2, 2026, "Bob", "T")});    // after the span
    ReportContents contents;
    contents.overall = contents.why = false;
    contents.attendance = true;
    contents.months = {2025, 12, 2026, 1};
    const Sheet grades = buildGradesTable(cls).sheet;
    const ClassReports reports(cls, grades, book, QStringLiteral("/x/c.grs"), contents);
    const StudentReport report = reports.reportOf(1);
    ASSERT_EQ(report.sections.size(), 1u);
    EXPECT_EQ(report.sections[0].title, QStringLiteral("Attendance, December 2025 to January 2026"));
    EXPECT_EQ(tableText(*report.sections[0].table),
              (QStringList{"Month|Tardy|Unexcused|Excused|Total", "December 2025|2|1|0|3", "January 2026|0|0|1|1",
                           "||||", "Total|2|1|1|4"}));
}

TEST(ClassReports, AReportHoldsThePartsChosenWithTheGradesPagesFigures) {
    const ClassRecord cls = fourGrades();
    const Sheet grades = buildGradesTable(cls).sheet;
    ReportContents contents;
    contents.byType = contents.comment = true;
    contents.note = QStringLiteral("Dear family of {name}: {grade}, {average}.");
    const ClassReports reports(cls, grades, AttendanceBook(), QStringLiteral("/x/c.grs"), contents);
    const StudentReport bob = reports.reportOf(1);
    EXPECT_EQ(bob.summary, QStringLiteral("ID: N/A      Average: 75.00%      Grade: C"));
    EXPECT_EQ(bob.note, QStringLiteral("Dear family of Bob: C, 75.00%."));
    QStringList titles;
    for (const ReportSection& section : bob.sections) titles << section.title;
    EXPECT_EQ(titles, (QStringList{"Overall", "By Type", "Why", "Comment"}));
    EXPECT_EQ(bob.sections[3].text, QStringLiteral("comment of Bob"));
    EXPECT_TRUE(bob.printHeader.contains(QStringLiteral("/x/c.grs")));
    EXPECT_TRUE(bob.printHeader.contains(QStringLiteral("Bob")));
    // Dan has no letter: the note and the summary say nothing for one.
    EXPECT_EQ(reports.noteValuesOf(3).grade, QStringLiteral("-"));
}

// The reports of a class are worked out for all students at once; each must
// be the individual report of that student, worked out alone.
TEST(ClassReports, EveryReportIsTheIndividualReportOfItsStudent) {
    for (const bool weighted : {false, true}) {
        const SampleOptions options{.students = 40, .assignments = 12, .weighted = weighted};
        const ClassRecord cls = makeSampleClass(options, builtInDefaultGradeScale());
        const Sheet grades = buildGradesTable(cls).sheet;
        ReportContents contents;
        contents.byType = true;
        const ClassReports reports(cls, grades, AttendanceBook(), QString(), contents);
        for (int student = 0; student < options.students; ++student) {
            SCOPED_TRACE(student);
            const StudentReport report = reports.reportOf(student);
            ASSERT_EQ(report.sections.size(), 3u);
            const Sheet overall = individualOverallSheet(cls, grades, student);
            EXPECT_EQ(report.sections[0].table->toTsv(CellRange::all()), overall.toTsv(CellRange::all()));
            EXPECT_EQ(tableText(*report.sections[1].table), tableText(individualTypeSheet(cls, student)));
            const std::optional<Sheet> why = studentExplanationSheet(cls, grades, student, ExplanationFigures::Rounded);
            ASSERT_TRUE(why.has_value());
            EXPECT_EQ(tableText(*report.sections[2].table), tableText(*why));
            // The red rows of dropped scores too, with a line saying what red means
            // under a table that has any.
            bool anyRed = false;
            for (int row = 2; row <= overall.maxRow(); ++row) {
                EXPECT_EQ(report.sections[0].table->format(row, 1).font.color, overall.format(row, 1).font.color);
                anyRed = anyRed || overall.format(row, 1).font.color == colour::kRed;
            }
            EXPECT_EQ(report.sections[0].text.isEmpty(), !anyRed);
        }
    }
}
