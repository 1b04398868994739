// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// An import of scores worked out before it is made: which student each row
// is, where each column goes, what each cell means, what must be settled
// first, and that the plan made leaves nothing to change a second time.

#include "tests/core/grading/GradesFixture.h"

#include "core/scores/RosterChanges.h"
#include "core/scores/ScoreFile.h"
#include "core/scores/ScoreMemory.h"
#include "core/scores/ScorePlan.h"
#include "core/settings/QSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace markwell;
using namespace markwell::test;

namespace {

// Zoë Núñez Z-1, Ann Lee A-1, Bo Park (bo@x.example, no ID), Cy Dunn C-3.
ClassRecord fourStudents() {
    ClassRecord cls =
        makeClass({"Zo\xEB N\xFA\xF1"
                   "ez",
                   "Ann Lee", "Bo Park", "Cy Dunn"},
                  {{"Unit test", "Test", 10, {"7", "8", "-", "5"}}, {"Lab 2", "Lab", 20, {"15", "", "12", "18"}}});
    cls.students[0].id = "Z-1";
    cls.students[0].student_email = "zoe@x.example";
    cls.students[1].id = "A-1";
    cls.students[2].student_email = "bo@x.example";
    cls.students[3].id = "C-3";
    return cls;
}

ScoreTable table(const QByteArray& bytes) {
    Result<ScoreTable> read = parseScoreFile(bytes);
    EXPECT_TRUE(read.ok()) << read.message().toStdString();
    return read.ok() ? std::move(read).value() : ScoreTable{};
}

ScorePlan planOf(const ClassRecord& cls, const QByteArray& bytes,
                 const std::function<void(ScoreMapping&)>& choose = {}) {
    const ScoreTable t = table(bytes);
    ScoreMapping mapping = defaultScoreMapping(cls, t);
    if (choose) choose(mapping);
    return planScoreImport(cls, t, mapping);
}

// The plan's changes as "Student|Assignment|Old|New".
QStringList changesOf(const ScorePlan& plan) {
    QStringList lines;
    for (const ScoreChange& c : plan.changes) {
        lines << QStringList{plan.studentNames[c.student], plan.assignmentTitles[c.assignment],
                             QString::fromLatin1(c.old.c_str()), QString::fromLatin1(c.points.c_str())}
                     .join(QLatin1Char('|'));
    }
    return lines;
}

QStringList problemsOf(const ScorePlan& plan) {
    QStringList lines;
    for (const RowProblem& p : plan.problems) lines << QStringLiteral("%1: %2").arg(p.line).arg(p.reason);
    return lines;
}

// Each column in short: its role, and the title of a score column.
QStringList shapeOf(const ScoreTable& table) {
    QStringList shape;
    for (const ScoreColumn& c : table.columns) {
        switch (c.role) {
        case ColumnRole::Score: shape << QStringLiteral("score:") + c.title; break;
        case ColumnRole::Ignored: shape << QStringLiteral("-"); break;
        case ColumnRole::Name: shape << QStringLiteral("name"); break;
        case ColumnRole::FirstName: shape << QStringLiteral("first"); break;
        case ColumnRole::LastName: shape << QStringLiteral("last"); break;
        case ColumnRole::StudentId: shape << QStringLiteral("id"); break;
        case ColumnRole::Email: shape << QStringLiteral("email"); break;
        case ColumnRole::Login: shape << QStringLiteral("login"); break;
        }
    }
    return shape;
}

QStringList possibleOf(const ScoreTable& table) {
    QStringList possible;
    for (const ScoreColumn& c : table.columns) possible << c.possible;
    return possible;
}

struct LayoutCase {
    const char* name;
    QByteArray bytes;
    ScoreLayout layout;
    int headerLine;
    QStringList shape;
    QStringList possible;  // empty: no points row
    QStringList firstRow;
    int firstRowLine;
};

const QByteArray kCanvas = "Student,ID,SIS User ID,SIS Login ID,Section,Unit test (101),Lab: pH (102),"
                           "Assignments Current Score,Current Points,Final Grade,Override Score\r\n"
                           ",,,,,Manual Posting,,,,,\r\n"
                           "    Points Possible,,,,,10,20,(read only),(read only),(read only),(read only)\r\n"
                           "\"Lee, Ann\",9001,A-1,alee@school.example,P1,8.5,EX,85,28.5,B,\r\n";
const QByteArray kMoodle = "First name,Last name,ID number,Institution,Department,Email address,"
                           "Quiz: Unit test (Real),Quiz: Unit test (Percentage),Assignment: Lab: pH (Real),"
                           "Assignment: Lab: pH (Letter),Assignment: Lab: pH (Feedback),Course total (Real),"
                           "Last downloaded from this course\n"
                           "Ann,Lee,A-1,,,alee@school.example,8.50,85.00 %,-,-,Good,8.50,1767225600\n";
const QByteArray kClassroom = "Period 1 grades\n"
                              "\n"
                              "Last Name,First Name,Email Address,Unit test,Lab: pH\n"
                              ",,,\"Sep 5, 2026\",No due date\n"
                              ",,,10,20\n"
                              "Lee,Ann,alee@school.example,8,Missing\n";

}  // namespace

TEST(ScoreImport, EachCellTakesItsMeaningAndABlankNeverOverwrites) {
    const ClassRecord cls = fourStudents();
    const struct {
        const char* cell;
        bool missingAsZero;
        const char* change;  // Ann's Unit test, empty for none
        int unchanged;
        bool aboveTotal;
    } cases[] = {
        {"8.00", false, "", 1, false},
        {"", false, "", 0, false},
        {"-", false, "", 0, false},
        {"EX", false, "Ann Lee|Unit test|8|-", 0, false},
        {"excused", false, "Ann Lee|Unit test|8|-", 0, false},
        {"Missing", false, "", 1, false},
        {"Missing", true, "Ann Lee|Unit test|8|0", 0, false},
        {"N/A", true, "Ann Lee|Unit test|8|0", 0, false},
        {"9.5", false, "Ann Lee|Unit test|8|9.5", 0, false},
        {"12", false, "Ann Lee|Unit test|8|12", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const ScorePlan plan = planOf(cls, QByteArray("Name,Unit test\nAnn Lee,") + c.cell + "\n",
                                      [&c](ScoreMapping& m) { m.missingAsZero = c.missingAsZero; });
        EXPECT_FALSE(plan.blocked()) << problemsOf(plan).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(changesOf(plan), *c.change ? QStringList{QString::fromLatin1(c.change)} : QStringList{});
        EXPECT_EQ(plan.counts.unchanged, c.unchanged);
        if (!plan.changes.empty()) {
            EXPECT_EQ(plan.changes[0].aboveTotal, c.aboveTotal);
        }
    }
}

TEST(ScoreImport, ARefusedCellStopsTheImportSayingWhere) {
    const ScorePlan plan =
        planOf(fourStudents(), "Name,Unit test,Lab 2\nAnn Lee,B+,3\nBo Park,1234567890.123456,4\nCy Dunn,7,9\n");
    EXPECT_TRUE(plan.blocked());
    EXPECT_EQ(plan.counts.refusedCells, 2);
    EXPECT_EQ(problemsOf(plan),
              (QStringList{"2: column 2 (Unit test): \"B+\" is not a score",
                           QStringLiteral("3: column 2 (Unit test): \"1234567890.123456\" is longer than the 15 "
                                          "characters a score may have")}));

    const ClassRecord cls = fourStudents();
    Document document;
    document.classRecord = cls;
    const Result<ChangeMade> made =
        scoreImportChange(table("Name,Unit test\nAnn Lee,B+\n"), defaultScoreMapping(cls, table("Name,Unit test\n")),
                          QStringLiteral("q.csv"))
            .applyTo(document);
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.message(), QStringLiteral("q.csv: line 2: column 2 (Unit test): \"B+\" is not a score\n"
                                             "q.csv: 1 row refused; nothing was written"));
    EXPECT_EQ(document.classRecord, cls);
}

TEST(ScoreImport, RowsFindTheirStudentByIdAddressOrNameButNeverByGuessing) {
    const ClassRecord cls = fourStudents();
    const struct {
        const char* name;
        QByteArray file;
        const char* student;  // the match, or empty for none
        PlannedRow::Status status;
    } cases[] = {
        {"Last, First with accents and capitals",
         "Name,Quiz\n\"NU\xC3\x91"
         "EZ, zoe\",1\n",
         "Zo\u00eb N\u00fa\u00f1ez", PlannedRow::Status::Matched},
        {"first and last columns",
         "First Name,Last Name\nZo\xC3\xAB,N\xC3\xBA\xC3\xB1"
         "ez\n",
         "Zo\u00eb N\u00fa\u00f1ez", PlannedRow::Status::Matched},
        {"the ID wins over the name", "Name,Student ID\nSomeone Else,a-1\n", "Ann Lee", PlannedRow::Status::Matched},
        {"the address", "Name,Email\nB. Park,BO@x.example\n", "Bo Park", PlannedRow::Status::Matched},
        {"a namesake with another ID is someone else", "Name,Student ID\nAnn Lee,A-9\n", "",
         PlannedRow::Status::Unmatched},
        {"Canvas's own ID is never the school's", "Student,ID,SIS User ID,Section\nNobody,A-1,,P1\n", "",
         PlannedRow::Status::Unmatched},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScorePlan plan = planOf(cls, c.file);
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(plan.rows[0].status, c.status);
        const QString matched = plan.rows[0].student ? plan.studentNames[*plan.rows[0].student] : QString();
        EXPECT_EQ(matched, QString::fromUtf8(c.student));
    }

    // By name only when asked: the ID column is then not looked at.
    const ScorePlan byName =
        planOf(cls, "Name,Student ID\nAnn Lee,A-9\n", [](ScoreMapping& m) { m.matchBy = MatchBy::Name; });
    EXPECT_EQ(byName.rows[0].status, PlannedRow::Status::Matched);
}

TEST(ScoreImport, TwoStudentsOfOneNameOrTwoRowsOfOneStudentAreSettledByTheTeacher) {
    ClassRecord twins = makeClass({"Cy Dunn", "Ann Lee", "Cy Dunn"}, {{"Quiz", "Quiz", 10, {"1", "2", "3"}}});
    const ScorePlan ambiguous = planOf(twins, "Name,Quiz\nCy Dunn,9\n");
    EXPECT_EQ(ambiguous.rows[0].status, PlannedRow::Status::Ambiguous);
    EXPECT_EQ(problemsOf(ambiguous),
              QStringList{QStringLiteral("2: \"Cy Dunn\" matches 2 students of the class (Cy Dunn, Cy Dunn): "
                                         "choose one")});
    EXPECT_TRUE(ambiguous.changes.empty());
    // The teacher says which one; the second Cy's own entry changes.
    const ScorePlan chosen = planOf(twins, "Name,Quiz\nCy Dunn,9\n", [](ScoreMapping& m) {
        m.rows[0] = {RowChoice::Kind::Student, 2};
    });
    ASSERT_FALSE(chosen.blocked());
    ClassRecord changed = twins;
    applyScorePlan(changed, chosen);
    EXPECT_EQ(changed.assignments[0].namegrade, (std::vector<std::string>{"Cy Dunn~1", "Ann Lee~2", "Cy Dunn~9"}));

    const ScorePlan twice = planOf(fourStudents(), "Name,Unit test\nAnn Lee,9\nBo Park,3\n\"lee, ann\",4\n");
    EXPECT_EQ(twice.rows[0].status, PlannedRow::Status::Duplicate);
    EXPECT_EQ(twice.rows[2].status, PlannedRow::Status::Duplicate);
    EXPECT_EQ(problemsOf(twice), (QStringList{QStringLiteral("2: Ann Lee is on lines 2, 4: leave one out or choose "
                                                             "another student"),
                                              QStringLiteral("4: Ann Lee is on lines 2, 4: leave one out or choose "
                                                             "another student")}));
    EXPECT_EQ(changesOf(twice), QStringList{"Bo Park|Unit test|-|3"});
}

TEST(ScoreImport, ColumnsGoToAssignmentsByTitleAndNeverTwoToOne) {
    const ClassRecord cls = fourStudents();
    const ScorePlan canvas = planOf(cls, "Student,SIS User ID,unit  TEST (101),Essay (103)\n"
                                         "Points Possible,,10,25\n\"Lee, Ann\",A-1,9,30\n");
    EXPECT_EQ(changesOf(canvas), QStringList{"Ann Lee|Unit test|8|9"});

    const ScorePlan moodle = planOf(cls, "First name,Last name,Quiz: Unit test (Real),Quiz: Lab 2 (Real)\n"
                                         "Ann,Lee,9.00,-\n");
    EXPECT_EQ(changesOf(moodle), QStringList{"Ann Lee|Unit test|8|9.00"});

    const ScorePlan clash = planOf(cls, "Student,SIS User ID,Unit test (101),Unit Test (102)\n\"Lee, Ann\",A-1,9,8\n");
    EXPECT_EQ(problemsOf(clash), QStringList{QStringLiteral("1: column 4 (Unit Test (102)): its scores go to \"Unit "
                                                            "test\", as those of column 3 do: ignore one of them")});

    // A new assignment takes its possible points from the points row.
    const ScoreTable t = table("Student,SIS User ID,Essay (103)\nPoints Possible,,25\n\"Lee, Ann\",A-1,30\n");
    const ScorePlan essay = planScoreImport(cls, t, defaultScoreMapping(cls, t, QStringLiteral("Homework")));
    ASSERT_EQ(essay.newAssignments.size(), 1u);
    EXPECT_EQ(essay.newAssignments[0].title, "Essay");
    EXPECT_EQ(essay.newAssignments[0].assign_type, "Homework");
    EXPECT_EQ(essay.newAssignments[0].total, 25);
    EXPECT_EQ(changesOf(essay), QStringList{"Ann Lee|Essay||30"});
    EXPECT_TRUE(essay.changes[0].aboveTotal);
}

TEST(ScoreImport, AMapFileSendsColumnsWhereItSays) {
    const ClassRecord cls = fourStudents();
    const ScoreTable t = table("Name,Unit test,Essay,Extra\nAnn Lee,9,11,1\n");
    ScoreMapping mapping = defaultScoreMapping(cls, t);
    const CsvTable map = parseCsv("column,assignment\nEssay,Lab 2\nunit test,\nExtra,Bonus\nNope,Lab 2\n").value();
    EXPECT_EQ(applyColumnMap(mapping, cls, t, map, QString()),
              (std::vector<RowProblem>{
                  {4, QStringLiteral("the class has no assignment \"Bonus\" (--new-assignments TYPE makes it)")},
                  {5, QStringLiteral("the score file has no column \"Nope\"")}}));
    EXPECT_EQ(changesOf(planScoreImport(cls, t, mapping)), QStringList{"Ann Lee|Lab 2||11"});

    ScoreMapping withNew = defaultScoreMapping(cls, t);
    EXPECT_EQ(
        applyColumnMap(withNew, cls, t, parseCsv("column,assignment\nExtra,Bonus\n").value(), QStringLiteral("Other")),
        std::vector<RowProblem>{});
    EXPECT_EQ(changesOf(planScoreImport(cls, t, withNew)), (QStringList{"Ann Lee|Unit test|8|9", "Ann Lee|Bonus||1"}));
}

TEST(ScoreImport, NewStudentsAndAssignmentsJoinInStepAndASecondImportChangesNothing) {
    ClassRecord cls = fourStudents();
    // The essay's heading ends in a control character, which its title drops.
    const ScoreTable t = table("Name,Student ID,Unit test,Essay\x01\n\"Ortiz, Eva\",E-5,6,EX\nBo Park,,9,\n"
                               "Ann Lee,,,Missing\n");
    ScoreMapping mapping = defaultScoreMapping(cls, t, QStringLiteral("Quiz"));
    mapping.addStudents = true;
    const ScorePlan plan = planScoreImport(cls, t, mapping);
    ASSERT_FALSE(plan.blocked()) << problemsOf(plan).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(changesOf(plan), (QStringList{"Eva Ortiz|Unit test||6", "Eva Ortiz|Essay||-", "Bo Park|Unit test|-|9"}));
    EXPECT_EQ(plan.counts.newStudents, 1);
    EXPECT_EQ(plan.counts.newAssignments, 1);
    EXPECT_EQ(plan.notInFile, (std::vector<std::size_t>{0, 3}));

    applyScorePlan(cls, plan);
    ASSERT_EQ(cls.students.size(), 5u);
    EXPECT_EQ(cls.students[4].id, "E-5");
    EXPECT_EQ(cls.comments.size(), 5u);
    for (const AssignmentInfo& a : cls.assignments) {
        ASSERT_EQ(a.namegrade.size(), 5u) << a.title;
        EXPECT_EQ(splitPointEntry(a.namegrade[4]).name, "Eva Ortiz");
    }
    EXPECT_EQ(cls.assignments[0].namegrade[4], "Eva Ortiz~6");
    EXPECT_EQ(cls.assignments[1].namegrade[4], "Eva Ortiz~0");
    EXPECT_EQ(cls.assignments[2].namegrade,
              (std::vector<std::string>{std::string("Zo\xEB N\xFA\xF1") + "ez~0", "Ann Lee~0", "Bo Park~0", "Cy Dunn~0",
                                        "Eva Ortiz~-"}));

    // The same file again: Eva and the essay are the class's now.
    const ScorePlan again = planScoreImport(cls, t, defaultScoreMapping(cls, t, QStringLiteral("Quiz")));
    EXPECT_FALSE(again.blocked());
    EXPECT_FALSE(again.changesAnything());
    EXPECT_EQ(again.counts.unchanged, 4);
}

TEST(ScoreImport, TheChoicesForALayoutAreRememberedForItsNextFile) {
    QTemporaryDir dir;
    QSettingsStore settings(dir.filePath(QStringLiteral("Grades.ini")));
    const ClassRecord cls = fourStudents();
    const ScoreTable first = table("Student,SIS User ID,Quiz A (1),Quiz B (2),Section\n\"Lee, Ann\",A-1,1,2,P\n");
    ScoreMapping chosen = defaultScoreMapping(cls, first);
    chosen.matchBy = MatchBy::Email;
    chosen.missingAsZero = true;
    chosen.columns[2] = {ColumnRole::Score, 1, {}, {}, {}};
    chosen.columns[3] = newAssignmentUse(first.columns[3], QStringLiteral("Lab"));
    chosen.columns[4] = {ColumnRole::StudentId, std::nullopt, {}, {}, {}};
    rememberScoreMapping(settings, first, chosen, cls);

    // The next export has the columns in another order, one more, and a
    // class whose "Lab 2" is gone.
    ClassRecord later = cls;
    later.assignments.pop_back();
    const ScoreTable next = table("Student,SIS User ID,Quiz B (2),Quiz A (1),Quiz C (3)\n\"Lee, Ann\",A-1,1,2,3\n");
    ScoreMapping recalled = defaultScoreMapping(later, next);
    const ScoreMapping untouched = recalled;
    recallScoreMapping(settings, next, later, recalled);
    EXPECT_EQ(recalled.matchBy, MatchBy::Email);
    EXPECT_TRUE(recalled.missingAsZero);
    EXPECT_EQ(recalled.columns[2], newAssignmentUse(next.columns[2], QStringLiteral("Lab")));
    EXPECT_EQ(recalled.columns[3], untouched.columns[3]);
    EXPECT_EQ(recalled.columns[4], untouched.columns[4]);

    // Another layout starts from its own defaults.
    const ScoreTable moodle = table("First name,Last name,Quiz: Quiz A (Real)\nAnn,Lee,1\n");
    ScoreMapping fresh = defaultScoreMapping(cls, moodle);
    recallScoreMapping(settings, moodle, cls, fresh);
    EXPECT_EQ(fresh, defaultScoreMapping(cls, moodle));
}

// Reading gradebooks as learning systems and spreadsheet programs save them:
// the layout and header found, what each column holds, the possible points,
// the encodings and separators, and refusals that name line and column.

TEST(ScoreFile, EachLayoutIsKnownByItsHeaderWithItsColumnsPossiblePointsAndWhyOnesAreIgnored) {
    const std::vector<LayoutCase> cases = {
        {"canvas",
         kCanvas,
         ScoreLayout::Canvas,
         1,
         {"name", "-", "id", "login", "-", "score:Unit test", "score:Lab: pH", "-", "-", "-", "-"},
         {"Points Possible", "", "", "", "", "10", "20", "(read only)", "(read only)", "(read only)", "(read only)"},
         {"Lee, Ann", "9001", "A-1", "alee@school.example", "P1", "8.5", "EX", "85", "28.5", "B", ""},
         4},
        {"moodle",
         kMoodle,
         ScoreLayout::Moodle,
         1,
         {"first", "last", "id", "-", "-", "email", "score:Unit test", "-", "score:Lab: pH", "-", "-", "-", "-"},
         {},
         {"Ann", "Lee", "A-1", "", "", "alee@school.example", "8.50", "85.00 %", "-", "-", "Good", "8.50",
          "1767225600"},
         2},
        {"classroom: rows above the header, a date row and a points row",
         kClassroom,
         ScoreLayout::Classroom,
         3,
         {"last", "first", "email", "score:Unit test", "score:Lab: pH"},
         {"", "", "", "10", "20"},
         {"Lee", "Ann", "alee@school.example", "8", "Missing"},
         6},
        {"spreadsheet",
         "Name,Student ID,Quiz 1,Homework avg,Comments,Essay\nAnn Lee,A-1,7,80,Late,\n",
         ScoreLayout::Spreadsheet,
         1,
         {"name", "id", "score:Quiz 1", "-", "-", "score:Essay"},
         {},
         {"Ann Lee", "A-1", "7", "80", "Late", ""},
         2},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<ScoreTable> table = parseScoreFile(c.bytes);
        ASSERT_TRUE(table.ok()) << table.message().toStdString();
        EXPECT_EQ(table->layout, c.layout);
        EXPECT_EQ(table->headerLine, c.headerLine);
        EXPECT_EQ(shapeOf(*table), c.shape);
        EXPECT_EQ(table->hasPointsRow, !c.possible.isEmpty());
        if (!c.possible.isEmpty()) {
            EXPECT_EQ(possibleOf(*table), c.possible);
        }
        ASSERT_EQ(table->rows.size(), 1u);
        EXPECT_EQ(table->rows[0].cells, c.firstRow);
        EXPECT_EQ(table->rows[0].line, c.firstRowLine);
    }
    const Result<ScoreTable> canvas = parseScoreFile(kCanvas);
    ASSERT_TRUE(canvas.ok());
    EXPECT_TRUE(canvas->columns[1].ignoredBecause.contains(QStringLiteral("Canvas's own number")));
    EXPECT_EQ(canvas->columns[9].ignoredBecause, QStringLiteral("a grade, not points"));
    EXPECT_EQ(canvas->columns[10].ignoredBecause, QStringLiteral("an override of the final grade"));
    const Result<ScoreTable> moodle = parseScoreFile(kMoodle);
    ASSERT_TRUE(moodle.ok());
    EXPECT_EQ(moodle->columns[11].ignoredBecause, QStringLiteral("a total"));
    EXPECT_EQ(moodle->columns[12].ignoredBecause, QStringLiteral("the date the file was downloaded"));
}

TEST(ScoreFile, EncodingsSeparatorsAndDecimalCommasAreFoundFromTheFile) {
    // Semicolons with decimal commas, a byte order mark and a name with a
    // comma nobody quoted: the commas vary from line to line, the semicolons do not.
    const Result<ScoreTable> semicolons =
        parseScoreFile("\xEF\xBB\xBFName;Quiz 1;Quiz 2\r\nLee, Ann;7,5;8\r\nPark, Bo;6;9,25\r\n");
    ASSERT_TRUE(semicolons.ok()) << semicolons.message().toStdString();
    EXPECT_EQ(semicolons->separator, QLatin1Char(';'));
    EXPECT_TRUE(semicolons->decimalComma);
    EXPECT_TRUE(semicolons->utf8);
    EXPECT_EQ(semicolons->rows[1].cells, (QStringList{"Park, Bo", "6", "9,25"}));

    const Result<ScoreTable> tabs = parseScoreFile("Name\tQuiz 1\nZo\xEB N\xFA\xF1"
                                                   "ez\t8\n");
    ASSERT_TRUE(tabs.ok()) << tabs.message().toStdString();
    EXPECT_EQ(tabs->separator, QLatin1Char('\t'));
    EXPECT_FALSE(tabs->utf8);
    EXPECT_FALSE(tabs->decimalComma);
    EXPECT_EQ(tabs->rows[0].cells.front(), QStringLiteral("Zo\u00eb N\u00fa\u00f1ez"));

    // Quoted separators and line breaks; a short row is filled; empty fields past the header are dropped.
    const Result<ScoreTable> quoted = parseScoreFile("Name,\"Quiz, 1\"\n\"Lee,\nAnn\",\"8\"\nBo\nCy,7,,\n");
    ASSERT_TRUE(quoted.ok()) << quoted.message().toStdString();
    EXPECT_EQ(quoted->separator, QLatin1Char(','));
    EXPECT_EQ(quoted->columns[1].title, QStringLiteral("Quiz, 1"));
    ASSERT_EQ(quoted->rows.size(), 3u);
    EXPECT_EQ(quoted->rows[0].cells, (QStringList{"Lee,\nAnn", "8"}));
    EXPECT_EQ(quoted->rows[1].cells, (QStringList{"Bo", QString()}));
    EXPECT_EQ(quoted->rows[2].line, 5);
}

TEST(ScoreFile, RefusalsNameTheLineAndColumn) {
    const struct {
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"Name,Quiz\nAnn,8\n\"Bo,9\n", "line 3, column 1: a quoted field is never closed"},
        {"Name,Quiz\nAnn,\"8\"x\n", "line 2, column 2: text after the closing quote of a field"},
        {"Name,Quiz\nAnn,8,9\n", "line 2, column 3: \"9\" lies beyond the last column of the header (2 columns); "
                                 "are the columns shifted?"},
        {QByteArray("Name\nA\0n\n", 9), "line 2: the file holds NUL bytes: it is not CSV text (save it as CSV, UTF-8)"},
        {"PK\x03\x04rest", "this is a workbook (.xlsx or .ods), not CSV: save it as CSV first"},
        {"\n;;\n", "the file is empty: it needs a header naming the columns"},
        {"Name," + QByteArray(5000, ',') + "\n", "line 1, column 5001: a row has more than 5000 columns"},
    };
    for (const auto& c : cases) {
        const Result<ScoreTable> table = parseScoreFile(c.bytes);
        ASSERT_FALSE(table.ok()) << c.message;
        EXPECT_EQ(table.message(), QString::fromUtf8(c.message));
    }
}
