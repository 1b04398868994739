// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Reading gradebooks as learning systems and spreadsheet programs save them:
// the layout and header found, what each column holds, the possible points,
// the encodings and separators, and refusals that name line and column.

#include "core/scores/ScoreFile.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

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

TEST(ScoreFile, EachLayoutIsKnownByItsHeaderWithItsColumnsAndPossiblePoints) {
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
}

TEST(ScoreFile, IgnoredColumnsSayWhy) {
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
