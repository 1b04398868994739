// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The sort command: the rows it moves, and the class put in their order.

#include "core/common/Cp1252.h"
#include "core/data/Document.h"
#include "core/data/PointEntry.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"
#include "core/grading/StudentRowUpdate.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"
#include "tests/core/grading/GradesFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <random>

using namespace markwell;
using namespace markwell::test;

namespace {

// Five students; Quiz of 10, Test of 100.
//   Cy   9   91  -> 100 of 110 = 90.91%  A
//   ann  -   100 -> 100 of 100 = 100.00% A
//   Bo   4   83  ->  87 of 110 = 79.09%  C
//   Dee  10  -   ->  10 of 10  = 100.00% A
//   Eve  -   -   ->   0 of 0   = 0.00%   -
ClassRecord fiveStudents() {
    return makeClass({"Cy", "ann", "Bo", "Dee", "Eve"}, {{"Quiz", "Quiz", 10, {"9", "-", "4", "10", "-"}},
                                                         {"Test", "Test", 100, {"91", "100", "83", "-", "-"}}});
}

struct Sorted {
    ClassRecord cls;
    GradesTable table;
    bool sorted;
};

Sorted sortOn(ClassRecord cls, int column, bool descending) {
    GradesTable table = buildGradesTable(cls);
    const bool sorted = sortClass(cls, table, column, descending);
    return {std::move(cls), std::move(table), sorted};
}

QStringList names(const Sorted& s) {
    return studentColumn(s.table.sheet, 1);
}

// Qt's locale of the program, as the desktop sets it, for one test's span.
class UserLocale {
public:
    explicit UserLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

// Names with accents, one point each, sorted on the names column.
QStringList sortedNames(std::initializer_list<const char*> utf8Names, bool descending = false) {
    std::vector<std::string> stored;
    for (const char* name : utf8Names) stored.push_back(cp1252::fromUnicode(QString::fromUtf8(name)).value());
    return names(sortOn(makeClass(stored, {}), 1, descending));
}

// Everything a rebuild decides about a table, the selection aside.
void expectSameTable(const GradesTable& updated, const GradesTable& rebuilt, const std::string& edit) {
    SCOPED_TRACE(edit);
    const Sheet& a = updated.sheet;
    const Sheet& b = rebuilt.sheet;
    ASSERT_EQ(a.maxRow(), b.maxRow());
    ASSERT_EQ(a.maxCol(), b.maxCol());
    EXPECT_EQ(a.fixedCols(), b.fixedCols());
    EXPECT_EQ(updated.dropCellIndex, rebuilt.dropCellIndex);
    for (int col = 1; col <= b.maxCol(); ++col) EXPECT_EQ(a.colWidth(col), b.colWidth(col)) << "column " << col;
    int differing = 0;
    for (int row = 1; row <= b.maxRow() && differing < 5; ++row) {
        for (int col = 1; col <= b.maxCol(); ++col) {
            const bool same = a.kind(row, col) == b.kind(row, col) && a.text(row, col) == b.text(row, col) &&
                              a.number(row, col) == b.number(row, col) && a.format(row, col) == b.format(row, col);
            if (same) continue;
            ADD_FAILURE() << "cell " << row << "," << col << ": " << qPrintable(a.text(row, col)) << " / "
                          << qPrintable(b.text(row, col));
            ++differing;
        }
    }
}

// A sample class with what damaged or hand-edited files hold: two students
// of one name (one row, both entries count), an entry of no student, a
// points text that is not a number and a student without an entry.
ClassRecord awkwardClass(std::uint64_t seed, bool weighted, std::int32_t dropType) {
    ClassRecord cls =
        makeSampleClass({.students = 24, .assignments = 9, .seed = seed, .weighted = weighted, .dropType = dropType},
                        builtInDefaultGradeScale());
    cls.students[7].name = cls.students[3].name;
    for (AssignmentInfo& a : cls.assignments) {
        for (std::string& entry : a.namegrade) {
            const PointEntry e = splitPointEntry(entry);
            if (e.name == cls.students[7].name && &entry != &a.namegrade.front()) {
                entry = makePointEntry(cls.students[3].name, e.points);
            }
        }
    }
    cls.assignments[1].namegrade.push_back("Nobody Here~50");
    cls.assignments[2].namegrade[5] = makePointEntry(splitPointEntry(cls.assignments[2].namegrade[5]).name, "n/a");
    cls.assignments[4].namegrade.erase(cls.assignments[4].namegrade.begin() + 9);
    return cls;
}

}  // namespace

TEST(SortClassRows, ByNameIgnoresCaseAndLeavesTheOtherRowsInPlace) {
    const Sorted s = sortOn(fiveStudents(), 1, false);
    ASSERT_TRUE(s.sorted);
    EXPECT_EQ(names(s), QStringList({"ann", "Bo", "Cy", "Dee", "Eve"}));
    EXPECT_EQ(rowText(s.table.sheet, 1), QStringLiteral("Names|Quiz|Test|Total|Average|Grade"));
    EXPECT_EQ(rowText(s.table.sheet, 7), QStringLiteral("|||||"));
    EXPECT_EQ(rowText(s.table.sheet, 8), QStringLiteral("Total|10|100|110||"));
    // Whole rows move, computed columns with them.
    EXPECT_EQ(rowText(s.table.sheet, 3), QStringLiteral("Bo|4|83|87|79.09%|C"));
}

TEST(SortClassRows, NamesSortAsPeopleReadThemInTheUsersLanguage) {
    const auto names = {"Zoë", "Émile", "Liam", "emile", "Oscar", "Léa", "Örjan", "Leo"};
    {
        // The C locale has no order of its own: accented letters sort beside
        // their plain ones, not after "z" as their character codes would.
        const UserLocale c(QLocale::c());
        EXPECT_EQ(sortedNames(names), QStringList({"emile", "Émile", "Léa", "Leo", "Liam", "Örjan", "Oscar", "Zoë"}));
        EXPECT_EQ(sortedNames(names, true),
                  QStringList({"Zoë", "Oscar", "Örjan", "Liam", "Leo", "Léa", "Émile", "emile"}));
    }
    {
        // Swedish puts Ö after Z; é stays an e.
        const UserLocale swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
        EXPECT_EQ(sortedNames(names), QStringList({"emile", "Émile", "Léa", "Leo", "Liam", "Oscar", "Zoë", "Örjan"}));
    }
    // Capitals make no difference: equal names keep their order both ways.
    const UserLocale c(QLocale::c());
    EXPECT_EQ(sortedNames({"bo", "Ann", "BO", "ann"}), QStringList({"Ann", "ann", "bo", "BO"}));
    EXPECT_EQ(sortedNames({"bo", "Ann", "BO", "ann"}, true), QStringList({"bo", "BO", "Ann", "ann"}));
}

// By an assignment or the average, numbers decide: the highest first
// descending, percentages as numbers, dashes last, ties in their order.
TEST(SortClassRows, ByAnAssignmentOrTheAverageTheNumbersDecideAndDashesGoLast) {
    EXPECT_EQ(names(sortOn(fiveStudents(), 3, true)), QStringList({"ann", "Cy", "Bo", "Dee", "Eve"}));
    EXPECT_EQ(names(sortOn(fiveStudents(), 3, false)), QStringList({"Bo", "Cy", "ann", "Dee", "Eve"}));
    const Sorted up = sortOn(fiveStudents(), 5, false);
    EXPECT_EQ(studentColumn(up.table.sheet, 5), QStringList({"0.00%", "79.09%", "90.91%", "100.00%", "100.00%"}));
    EXPECT_EQ(names(up), QStringList({"Eve", "Bo", "Cy", "ann", "Dee"}));
    EXPECT_EQ(names(sortOn(fiveStudents(), 5, true)), QStringList({"ann", "Dee", "Cy", "Bo", "Eve"}));
}

TEST(SortClassRows, ByGradeFollowsTheScaleOrderWithDashesLast) {
    ClassRecord cls =
        makeClass({"Al", "Bea", "Cal", "Dot", "Ed"}, {{"Test", "Test", 100, {"88", "95", "-", "84", "91"}}});
    cls.gradeScale = expandedScale();
    // " B+", "A ", "-", "B ", "A-": a text sort would put " B+" first.
    const Sorted up = sortOn(cls, 5, false);
    EXPECT_EQ(studentColumn(up.table.sheet, 5), QStringList({"A ", "A-", " B+", "B ", "-"}));
    const Sorted down = sortOn(cls, 5, true);
    EXPECT_EQ(studentColumn(down.table.sheet, 5), QStringList({"B ", " B+", "A-", "A ", "-"}));
}

TEST(SortClassRows, AColumnOutsideTheTableSortsNothing) {
    for (int column : {0, -1, 7}) {
        const Sorted s = sortOn(fiveStudents(), column, false);
        EXPECT_FALSE(s.sorted) << column;
        EXPECT_EQ(names(s), QStringList({"Cy", "ann", "Bo", "Dee", "Eve"}));
        EXPECT_EQ(s.cls, fiveStudents());
    }
    EXPECT_FALSE(sortOn(makeClass({}, {{"Quiz", "Quiz", 10, {}}}), 1, false).sorted);
}

TEST(SortClassData, StudentsCommentsAndPointListsFollowTheRows) {
    const Sorted s = sortOn(fiveStudents(), 5, true);
    EXPECT_EQ(studentNames(s.cls), (std::vector<std::string>{"ann", "Dee", "Cy", "Bo", "Eve"}));
    for (std::size_t i = 0; i < s.cls.students.size(); ++i) {
        EXPECT_EQ(s.cls.comments[i].name, s.cls.students[i].name);
        EXPECT_EQ(s.cls.comments[i].desc, "comment of " + s.cls.students[i].name);
    }
    EXPECT_EQ(s.cls.assignments[0].namegrade, (std::vector<std::string>{"ann~-", "Dee~10", "Cy~9", "Bo~4", "Eve~-"}));
    EXPECT_EQ(s.cls.assignments[1].namegrade,
              (std::vector<std::string>{"ann~100", "Dee~-", "Cy~91", "Bo~83", "Eve~-"}));
    // A rebuild shows the order the sort produced.
    EXPECT_EQ(tableText(buildGradesTable(s.cls).sheet), tableText(s.table.sheet));
}

TEST(SortClassData, StudentsSharingANameAreAllKeptAtThatNamesRow) {
    ClassRecord cls = makeClass({"Zed", "Ann", "Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"1", "2", "3", "4"}}});
    cls.students[1].id = "first Ann";
    cls.students[3].id = "second Ann";
    cls.comments[3].desc = "the second Ann";
    const Sorted s = sortOn(cls, 1, true);  // Zed, Bo, Ann
    ASSERT_EQ(s.cls.students.size(), 4u);
    EXPECT_EQ(studentNames(s.cls), (std::vector<std::string>{"Zed", "Bo", "Ann", "Ann"}));
    EXPECT_EQ(s.cls.students[2].id, "first Ann");
    EXPECT_EQ(s.cls.students[3].id, "second Ann");
    EXPECT_EQ(s.cls.comments[3].desc, "the second Ann");
    EXPECT_EQ(s.cls.assignments[0].namegrade, (std::vector<std::string>{"Zed~1", "Bo~3", "Ann~2", "Ann~4"}));
}

TEST(SortClassData, AnEntryForNoStudentIsRemovedAndAStudentTheTableDoesNotShowIsKept) {
    ClassRecord cls = makeClass({"Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"3", "4"}}});
    cls.assignments[0].namegrade.insert(cls.assignments[0].namegrade.begin() + 1, "Zed~9");
    const Sorted s = sortOn(cls, 1, false);
    EXPECT_EQ(s.cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~4", "Bo~3"}));
    cls = makeClass({"Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"3", "4"}}});
    GradesTable table = buildGradesTable(cls);
    // A student added after the table was built.
    cls.students.emplace_back().name = "Cy";
    cls.comments.push_back({"Cy", "new"});
    cls.assignments[0].namegrade.push_back("Cy~7");
    ASSERT_TRUE(sortClass(cls, table, 1, false));
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "Bo", "Cy"}));
    EXPECT_EQ(cls.comments[2].desc, "new");
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~4", "Bo~3", "Cy~7"}));
}

TEST(SortClassData, DroppedCellsAreRecordedWhereTheirRowsWent) {
    ClassRecord cls = makeClass({"Ann", "Bo"}, {{"Q1", "Quiz", 10, {"2", "9"}}, {"Q2", "Quiz", 10, {"8", "3"}}});
    cls.lowScoreInfo.drop_type = 1;
    GradesTable table = buildGradesTable(cls);
    ASSERT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}}));
    ASSERT_TRUE(sortClass(cls, table, 1, true));  // Bo, Ann
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 3}, {3, 2}}));
    EXPECT_EQ(table.sheet.format(2, 3).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(3, 2).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 2).font.color, colour::kBlack);
}

// Typing points redoes one row of the grades table in place: the result must
// be, cell for cell, what a full rebuild of the class gives, on random edits
// under every dropping rule, plain and weighted.

TEST(StudentRowUpdate, TypedPointsGiveTheTableARebuildGives) {
    const std::vector<QString> typed = {
        QStringLiteral("0"),      QStringLiteral("7"),    QStringLiteral("12.5"), QStringLiteral("-"),    QString(),
        QStringLiteral("100000"), QStringLiteral("3.25"), QStringLiteral("250"),  QStringLiteral("0.001")};
    std::mt19937 random(2026);
    for (std::int32_t dropType : {droprule::kNone, droprule::kLowestOverall, droprule::kLowestPerType}) {
        for (bool weighted : {false, true}) {
            Document document;
            document.classRecord =
                awkwardClass(static_cast<std::uint64_t>(dropType) * 2 + weighted + 1, weighted, dropType);
            ClassRecord& cls = document.classRecord;
            GradesTable table = buildGradesTable(cls);
            const GradesLayout layout = GradesLayout::of(table.sheet);
            for (int edit = 0; edit < 60; ++edit) {
                const int row = std::uniform_int_distribution<int>(2, layout.lastStudentRow())(random);
                const int col = std::uniform_int_distribution<int>(2, layout.lastAssignmentCol())(random);
                QString text = typed[std::uniform_int_distribution<std::size_t>(0, typed.size() - 1)(random)];
                if (edit % 10 == 9) {
                    // Now and then the name's entries go from a list instead.
                    text = QStringLiteral("(removed)");
                    auto& list = cls.assignments[static_cast<std::size_t>(layout.assignmentIndexOf(col))].namegrade;
                    const std::string name = *cp1252::fromUnicode(table.sheet.text(row, 1));
                    std::erase_if(list, [&](const std::string& e) { return splitPointEntry(e).name == name; });
                } else {
                    ASSERT_TRUE(typedPointsChange(table.sheet, row, col, text).applyTo(document).ok());
                }
                const std::optional<RowUpdate> update = updateStudentRow(table, cls, row);
                ASSERT_TRUE(update.has_value());
                const std::string what = "rule " + std::to_string(dropType) + (weighted ? " weighted" : "") + ", \"" +
                                         text.toStdString() + "\" at " + std::to_string(row) + "," +
                                         std::to_string(col);
                expectSameTable(table, buildGradesTable(cls), what);
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
}

TEST(StudentRowUpdate, SaysWhichColumnsChangedWidthAndRefusesATableOfAnotherClass) {
    Document document;
    document.classRecord = awkwardClass(5, false, droprule::kNone);
    ClassRecord& cls = document.classRecord;
    GradesTable table = buildGradesTable(cls);
    const GradesLayout layout = GradesLayout::of(table.sheet);
    const double before = table.sheet.colWidth(3);
    ASSERT_TRUE(typedPointsChange(table.sheet, 2, 3, QStringLiteral("123456.25")).applyTo(document).ok());
    const std::optional<RowUpdate> update = updateStudentRow(table, cls, 2);
    ASSERT_TRUE(update.has_value());
    EXPECT_GT(table.sheet.colWidth(3), before);
    EXPECT_NE(std::find(update->resizedCols.begin(), update->resizedCols.end(), 3), update->resizedCols.end());
    for (int col : update->resizedCols) EXPECT_TRUE(col == 3 || col >= layout.totalCol()) << col;

    // Rows outside the students, and a class that has gained an assignment
    // since the table was built, are left to a rebuild.
    EXPECT_FALSE(updateStudentRow(table, cls, layout.totalRow()).has_value());
    EXPECT_FALSE(updateStudentRow(table, cls, 1).has_value());
    cls.assignments.push_back(cls.assignments.front());
    EXPECT_FALSE(updateStudentRow(table, cls, 2).has_value());
}
