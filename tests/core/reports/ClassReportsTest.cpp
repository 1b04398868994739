// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The term's reports of a class: who gets one, the note's placeholders, the
// months of attendance, the parts chosen, and each report agreeing with the
// individual report of the same student.

#include "core/files/GradeFile.h"
#include "core/files/SafeFileNames.h"
#include "core/grading/GradesTable.h"
#include "core/reports/AttendanceAnalysis.h"
#include "core/reports/ClassOverview.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/IndividualReport.h"
#include "core/reports/MergedReport.h"
#include "core/reports/ReportStudents.h"
#include "core/reports/StudentReport.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleSnapshot.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

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

// Ann 27 of 30 (90.00%, A), Bo 10 of 20 (50.00%, F), Cy 0 of 10 (0.00%, F)
// and Dee, who has nothing that counts ("-"). The extra credit is worth no
// points, so its zeros are no missing work.
ClassRecord handClass() {
    return makeClass({"Ann", "Bo", "Cy", "Dee"}, {{"Quiz 1", "Quiz", 10, {"7", "-", "0", "-"}},
                                                  {"Extra", "Other", 0, {"0", "0", "0", "0"}},
                                                  {"Homework 1", "Homework", 20, {"20", "10", "-", "-"}}});
}

class MergedReportTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.createDefaultScale()); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const ClassRecord& cls) const {
        QString file = path(name);
        EXPECT_TRUE(writeGradeFile(file, cls));
        return file;
    }
    MergedReport merge(const ClassRecord& a, const ClassRecord& b) {
        Result<MergedReport> report =
            openMergedReport(write(QStringLiteral("a.grs"), a), write(QStringLiteral("b.grs"), b), store_);
        EXPECT_TRUE(report) << (report ? std::string() : report.message().toStdString());
        return report ? std::move(report).value() : MergedReport{};
    }
    QString refusal(const QString& first, const QString& second) {
        Result<MergedReport> report = openMergedReport(first, second, store_);
        return report ? QStringLiteral("(merged)") : report.message();
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("Grades.ini"))};
    ScaleStore store_{settings_};
};

QStringList nameColumn(const Sheet& sheet) {
    QStringList names;
    for (int row = 2; row <= sheet.maxRow(); ++row) names << sheet.text(row, kMergedNameCol);
    return names;
}

ClassRecord firstTerm() {
    return makeClass({"Ann", "Bo"}, {{"Test 1", "Test", 100, {"90", "70"}}, {"Quiz 1", "Quiz", 10, {"8", "-"}}});
}

ClassRecord secondTerm() {
    return makeClass({"ann", "Ann", "Cy"}, {{"Final", "Final", 50, {"40", "45", "30"}}});
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

TEST(ReportStudents, GradeAtMostTakesThatLetterAndWorseButNoDashAndRowsTheirStudentsOnly) {
    const ClassRecord cls = fourGrades();
    const Sheet grades = buildGradesTable(cls).sheet;
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral("C"))), (std::vector<int>{1, 2}));
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral(" a "))), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(chosen(studentsGradedAtMost(cls, grades, QStringLiteral("F"))), (std::vector<int>{2}));
    const Result<std::vector<int>> unknown = studentsGradedAtMost(cls, grades, QStringLiteral("Q"));
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("\"Q\""))) << qPrintable(unknown.message());
    // From the heading row to the Total row: every student, and only students.
    EXPECT_EQ(studentsInRows(cls, grades, 1, grades.maxRow()), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(studentsInRows(cls, grades, 3, 4), (std::vector<int>{1, 2}));
    EXPECT_TRUE(studentsInRows(cls, grades, grades.maxRow() - 1, grades.maxRow()).empty());
}

TEST(ReportStudents, NamesAreTakenExactlyAsWrittenInTheListAndGivenInClassOrder) {
    ClassRecord cls = fourGrades();
    cls.students.push_back(cls.students[0]);  // a second Ann
    cls.comments.push_back(cls.comments[0]);
    EXPECT_EQ(chosen(studentsNamed(cls, {"Cleo", "Ann", "Cleo"})), (std::vector<int>{0, 2, 4}));
    const Result<std::vector<int>> unknown = studentsNamed(cls, {"ann", "Bob", "Zed"});
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("\"ann\", \"Zed\""))) << qPrintable(unknown.message());
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

TEST(ReportContents, MonthsAndPartsAreReadOrRefusedAndTheMonthsAreTheLastTwelveWithRecordsByDefault) {
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
    // By default the months are the last twelve with records.
    const QDate today(2026, 3, 15);
    EXPECT_EQ(defaultMonthSpan(AttendanceBook(), today), (MonthSpan{2026, 3, 2026, 3}));
    const AttendanceBook autumn({attendanceRecord(11, 2025, "Ann", "T"), attendanceRecord(9, 2025, "Bob", ""),
                                 attendanceRecord(2, 2026, "Ann", "")});
    EXPECT_EQ(defaultMonthSpan(autumn, today), (MonthSpan{2025, 9, 2026, 2}));
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

// The 12-month attendance analysis: what counts as a mark, which record is
// a student's, and the table and printout it gives.
TEST(AttendanceAnalysis, CountsEachUpperCaseCodeOfTheMonthAndTheirSum) {
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
    // Lower-case letters, other letters, digits and NULs from a foreign file are no marks.
    AttendanceInfo odd = attendanceRecord(1, 2024, "Ann Lee", "tueXx1-T");
    odd.entry[20] = '\0';
    odd.entry[21] = 'U';
    EXPECT_EQ(countAttendanceYear(AttendanceBook({odd}), 2024, "Ann Lee")[0], (MonthCounts{1, 1, 0}));
}

TEST(AttendanceAnalysis, FindsTheStudentWhateverTheCaseButNotOtherYearsOrNames) {
    const AttendanceBook book = AttendanceBook({
        attendanceRecord(9, 2025, "ANN LEE", "TT"),      // another year
        attendanceRecord(9, 2024, "ann lee", "U"),       // this one, in another case
        attendanceRecord(9, 2024, "Ann Lee", "EEEE"),    // a later record of the same month: not read
        attendanceRecord(10, 2024, "Ann Leeds", "TTT"),  // a name that begins the same
        attendanceRecord(11, 2024, "Ann Le", "TTT"),     // one that is shorter
        attendanceRecord(2, 2024, "\xC9mile Roy", "E"),  // Émile
    });
    const YearCounts counts = countAttendanceYear(book, 2024, "Ann Lee");
    EXPECT_EQ(counts[8], (MonthCounts{0, 1, 0}));
    EXPECT_EQ(counts[9], MonthCounts{});
    EXPECT_EQ(counts[10], MonthCounts{});
    EXPECT_EQ(countAttendanceYear(book, 2025, "Ann Lee")[8], (MonthCounts{2, 0, 0}));
    // "Émile" and "émile" in Windows-1252 differ in one byte beyond ASCII.
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

TEST(AttendanceAnalysis, NoRecordsGiveZerosAndThePrintoutNamesFileAndStudentWithAmpersandsKept) {
    const Sheet sheet =
        buildAttendanceAnalysis(AttendanceBook{}, 2024, "Lee & Co", QStringLiteral("/home/t/R&D/p1.grs"));
    for (int row = 2; row <= 13; ++row) EXPECT_EQ(sheet.text(row, 5), QStringLiteral("0")) << row;
    EXPECT_EQ(sheet.print().header, QStringLiteral("&L/home/t/R&&D/p1.grs&C&12&B&ULee && Co&R&D"));
    EXPECT_EQ(sheet.print().title, QStringLiteral("/home/t/R&D/p1.grs"));
    EXPECT_FALSE(sheet.print().gridLines);
    EXPECT_TRUE(sheet.print().centerHorizontally);
}

// The overview of a teacher's classes: a class summed up by hand, the grade
// files of a folder, and a damaged file that takes its row without stopping
// the others.

TEST(ClassOverview, AClassIsSummedUpFromItsGradesTable) {
    const ClassSummary summary = summariseClass(QStringLiteral("/t/period1.grs"), handClass());
    EXPECT_EQ(summary.students, 4);
    EXPECT_EQ(summary.assignments, 3);
    // (90 + 50 + 0) / 3: Dee's "-" grade is left out.
    EXPECT_EQ(summary.average, QStringLiteral("46.67%"));
    // Bo's and Dee's quiz, Cy's 0, Cy's and Dee's homework.
    EXPECT_EQ(summary.missing, 5);

    const struct {
        const char* letter;
        std::optional<int> below;
    } cases[] = {{"A", 3}, {"d", 2}, {" F ", 2}, {"Z", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_EQ(studentsAtOrBelow(summary, QString::fromUtf8(c.letter)), c.below);
    }
    EXPECT_EQ(tableText(overviewSheet({summary}, QStringLiteral("D"), true)),
              QStringList({"Class|Students|Assignments|Average|Missing|Below|Grades",
                           "period1.grs|4|3|46.67%|5|2|A 1, B 0, C 0, D 0, F 2"}));
    // Without a letter, and for a class with no student, there is nothing to count.
    const ClassSummary empty = summariseClass(QStringLiteral("new.grs"), makeClass({}, {}));
    EXPECT_EQ(tableText(overviewSheet({empty}, QString(), false)).last(), QStringLiteral("new.grs|0|0|-|0|-"));
}

TEST(ClassOverview, AFolderGivesItsGradeFilesInNameOrderWithoutSubfolders) {
    QTemporaryDir dir;
    for (const char* name : {"b.grs", "A.GRS", "c.Grs", "notes.txt", "c.grs.bak"}) {
        ASSERT_TRUE(writeWholeFile(dir.filePath(QString::fromUtf8(name)), "x"));
    }
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    ASSERT_TRUE(writeWholeFile(dir.filePath(QStringLiteral("sub/d.grs")), "x"));
    EXPECT_EQ(classFilesIn(dir.path()),
              QStringList({dir.filePath(QStringLiteral("A.GRS")), dir.filePath(QStringLiteral("b.grs")),
                           dir.filePath(QStringLiteral("c.Grs"))}));
}

TEST(ClassOverview, ADamagedFileIsARowWithItsReasonAndTheReadingGoesOn) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.grs"));
    const QString bad = dir.filePath(QStringLiteral("bad.grs"));
    ASSERT_TRUE(writeGradeFile(good, handClass()).ok());
    ASSERT_TRUE(writeWholeFile(bad, "not a class"));
    QSettingsStore settings;
    const ScaleSnapshot scales{ScaleStore(settings)};

    const std::vector<ClassSummary> classes = summariseClassFiles({bad, good}, scales);
    ASSERT_EQ(classes.size(), 2U);
    EXPECT_FALSE(classes[0].damage.isEmpty());
    EXPECT_EQ(classes[1].average, QStringLiteral("46.67%"));
    const Sheet sheet = overviewSheet(classes, QString(), false);
    EXPECT_EQ(rowText(sheet, 2), QStringLiteral("bad.grs|damaged: %1||||").arg(classes[0].damage));
    EXPECT_EQ(rowText(overviewSheet(classes, QString(), true), 2),
              QStringLiteral("bad.grs|damaged|||||%1").arg(classes[0].damage));

    // Stopped after the first class: what was read comes back.
    int asked = 0;
    const std::vector<ClassSummary> stopped =
        summariseClassFiles({good, bad, good}, scales, [&asked](int done, int count) {
            EXPECT_EQ(count, 3);
            ++asked;
            return done < 1;
        });
    EXPECT_EQ(stopped.size(), 1U);
    EXPECT_EQ(asked, 2);
}

// The merged report of two grade files: reading both as Open does, joining
// the students by name, the sums, averages and grades, and the files it
// refuses.

TEST_F(MergedReportTest, OneRowPerNameWithPointsOfBothFiles) {
    const MergedReport report = merge(firstTerm(), secondTerm());
    // Ann: 90 + 8 + 45 of 160 = 89.375; Bo leaves out the Quiz he has "-" on;
    // "ann" is another student: letter case counts.
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Ann|143|160|89.38%|B",
                                                    "Bo|70|100|70.00%|C", "ann|40|50|80.00%|B", "Cy|30|50|60.00%|D"}));
    EXPECT_EQ(report.sheet.kind(2, kMergedPointsCol), CellKind::Number);
    EXPECT_EQ(report.sheet.kind(2, kMergedTotalCol), CellKind::Number);
}

TEST_F(MergedReportTest, MarksThatCountNothingAddNeitherPointsNorTotal) {
    // "-", an empty mark and a text that is no number (only foreign files hold
    // the last two) all count like "-"; a total of 0 gives 0.00% and "-".
    ClassRecord a = makeClass({"Dee", "Eve", "Fay"}, {{"Lab", "Lab", 20, {"-", "", "ten"}}});
    ClassRecord b = makeClass({"Fay", "Gus"}, {{"Bonus", "Other", 0, {"4", "5"}}});
    const MergedReport report = merge(a, b);
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Dee|0|0|0.00%|-",
                                                    "Eve|0|0|0.00%|-", "Fay|4|0|0.00%|-", "Gus|5|0|0.00%|-"}));
}

TEST_F(MergedReportTest, EntriesGoToTheFirstRowOfTheirNameStrayEntriesAreLeftOutAndNoneLeaveTheHeading) {
    ClassRecord a = makeClass({"Ann", "Ann"}, {{"Test", "Test", 10, {"6", "8"}}});
    // An entry for nobody on the roster (a damaged list) changes nothing.
    a.assignments[0].namegrade.push_back("Zed~10");
    const MergedReport report = merge(a, makeClass({}, {}));
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Ann|14|20|70.00%|C"}));
    // No students in either file leave the heading row alone.
    MergedReport empty = merge(makeClass({}, {{"Test", "Test", 10, {}}}), makeClass({}, {}));
    EXPECT_EQ(tableText(empty.sheet), QStringList{"Names|Points|Total|Average|Grade"});
    EXPECT_TRUE(empty.sheet.format(1, 3).font.bold);
    EXPECT_EQ(empty.sheet.format(1, 3).fill.foreground, colour::kNavy);
    EXPECT_FALSE(sortMergedSheet(empty, 2, false));
}

TEST_F(MergedReportTest, GradesWithTheFirstFilesScaleAsTheStoreHasIt) {
    // The first file carries an old copy of "<Default>" (A from 95); Open takes
    // the store's (A from 90). The second file's scale is used for nothing.
    ClassRecord a = makeClass({"Ann"}, {{"Test", "Test", 100, {"91"}}});
    a.gradeScale.num_values = "95,100,85,94.9,75,84.9,65,74.9,0,64.9";
    ClassRecord b = makeClass({"Bo"}, {{"Test", "Test", 100, {"75"}}});
    b.gradeScale = passFailScale();
    MergedReport report = merge(a, b);
    EXPECT_EQ(report.sheet.text(2, kMergedGradeCol), QStringLiteral("A"));
    EXPECT_EQ(report.sheet.text(3, kMergedGradeCol), QStringLiteral("C"));

    // Another scale regrades the report alone.
    const ClassRecord before = report.first;
    report.scale = passFailScale();
    regradeMergedSheet(report);
    EXPECT_EQ(report.sheet.text(2, kMergedGradeCol), QStringLiteral("Pass"));
    EXPECT_EQ(report.sheet.text(3, kMergedGradeCol), QStringLiteral("Pass"));
    EXPECT_EQ(report.first, before);
    EXPECT_EQ(report.sheet.text(2, kMergedAverageCol), QStringLiteral("91.00%"));
}

TEST_F(MergedReportTest, TakesTheLookOfTheFirstFile) {
    ClassRecord a = makeClass({"Ann"}, {{"Test", "Test", 10, {"9"}}});
    a.gridProps.font_name = "Courier New";
    a.gridProps.font_size = 12;
    a.gridProps.font_style = fontstyle::kItalic;
    a.gridProps.grid_lines = true;
    ClassRecord b = makeClass({"Bo"}, {{"Test", "Test", 10, {"9"}}});
    b.gridProps.font_name = "Times New Roman";
    b.gridProps.grid_lines = false;
    const MergedReport report = merge(a, b);
    EXPECT_EQ(report.sheet.format(3, 1).font.name, QStringLiteral("Courier New"));
    EXPECT_TRUE(report.sheet.format(3, 4).font.italic);
    EXPECT_EQ(report.sheet.format(3, 4).alignment.horizontal, HAlign::Center);
    EXPECT_EQ(report.sheet.format(1, 1).font.color, colour::kWhite);
    EXPECT_TRUE(report.sheet.showGridLines());
}

TEST_F(MergedReportTest, SortsStudentRowsByValueAndGradesByTheScalesLettersAndPrintsItsGridLines) {
    MergedReport report = merge(firstTerm(), secondTerm());
    ASSERT_TRUE(sortMergedSheet(report, kMergedGradeCol, false));
    EXPECT_EQ(nameColumn(report.sheet).join(QLatin1Char(',')), QStringLiteral("Ann,ann,Bo,Cy"));
    ASSERT_TRUE(sortMergedSheet(report, kMergedPointsCol, true));
    EXPECT_EQ(report.sheet.text(1, 1), QStringLiteral("Names"));
    EXPECT_EQ(nameColumn(report.sheet).join(QLatin1Char(',')), QStringLiteral("Ann,Bo,ann,Cy"));
    EXPECT_FALSE(sortMergedSheet(report, 6, false));
    // The printout's grid lines follow the report.
    report.sheet.setShowGridLines(true);
    EXPECT_TRUE(mergedPrintCopy(report, false).print().gridLines);
    report.sheet.setShowGridLines(false);
    EXPECT_FALSE(mergedPrintCopy(report, true).print().gridLines);
}

TEST_F(MergedReportTest, PrintsWithIdsOfTheFirstFileBeforeTheSecond) {
    ClassRecord a = firstTerm();
    a.students[0].id = "A-1";  // Ann; Bo has no ID
    ClassRecord b = secondTerm();
    b.students[1].id = "B-9";  // Ann again: the first file's wins
    b.students[2].id = "C-3";
    const QString first = write(QStringLiteral("T&1.grs"), a);
    const QString second = write(QStringLiteral("t2.grs"), b);
    Result<MergedReport> report = openMergedReport(first, second, store_);
    ASSERT_TRUE(report);

    const Sheet names = mergedPrintCopy(*report, false);
    EXPECT_EQ(names.text(2, 1), QStringLiteral("Ann"));
    const QString title = QStringLiteral("Merged Files: ") + first + QStringLiteral(", ") + second;
    EXPECT_EQ(names.print().title, title);
    QString escaped = title;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    EXPECT_EQ(names.print().header, QStringLiteral("&L") + escaped + QStringLiteral("&R&D"));

    const Sheet ids = mergedPrintCopy(*report, true);
    QStringList column;
    for (int row = 1; row <= ids.maxRow(); ++row) column << ids.text(row, 1);
    EXPECT_EQ(column, (QStringList{"Student ID's", "A-1", "(no ID)", "(no ID)", "C-3"}));
    EXPECT_EQ(report->sheet.text(2, 1), QStringLiteral("Ann"));  // the report itself keeps its names
}

TEST_F(MergedReportTest, RefusesTheSameFileTwiceAndAMissingDamagedOrNewerFileNamingIt) {
    const QString file = write(QStringLiteral("a.grs"), firstTerm());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    const QString viaParent = path(QStringLiteral("sub/../a.grs"));
    const QString link = path(QStringLiteral("link.grs"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(refusal(file, file), QStringLiteral("Unable to merge the same file!"));
    EXPECT_EQ(refusal(file, viaParent), QStringLiteral("Unable to merge the same file!"));
    EXPECT_EQ(refusal(link, file), QStringLiteral("Unable to merge the same file!"));
    // A missing, damaged or newer file is refused and named, and nothing is created.
    const QString good = write(QStringLiteral("good.grs"), firstTerm());
    const QString missing = path(QStringLiteral("missing.grs"));
    QString message = refusal(good, missing);
    EXPECT_TRUE(message.contains(missing)) << message.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    const QByteArray bytes = fileContents(good);
    const QString cut = path(QStringLiteral("cut.grs"));
    ASSERT_TRUE(writeWholeFile(cut, bytes.left(bytes.size() - 40)));
    message = refusal(cut, good);
    EXPECT_TRUE(message.contains(cut)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("damaged"))) << message.toStdString();

    QByteArray newer = bytes;
    const double version = 2.5;
    std::memcpy(newer.data(), &version, sizeof version);  // the header starts with the version
    const QString future = path(QStringLiteral("future.grs"));
    ASSERT_TRUE(writeWholeFile(future, newer));
    message = refusal(good, future);
    EXPECT_EQ(message, future + QStringLiteral(": Markwell version of file is invalid!"));
}
