// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The sort command: the rows it moves, and the class put in their order.

#include "core/common/Cp1252.h"
#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"
#include "tests/core/grading/GradesFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

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

TEST(SortClassRows, ByAnAssignmentDescendingPutsTheHighestFirstAndDashesLast) {
    const Sorted s = sortOn(fiveStudents(), 3, true);
    EXPECT_EQ(names(s), QStringList({"ann", "Cy", "Bo", "Dee", "Eve"}));
    const Sorted up = sortOn(fiveStudents(), 3, false);
    EXPECT_EQ(names(up), QStringList({"Bo", "Cy", "ann", "Dee", "Eve"}));
}

TEST(SortClassRows, ByAverageComparesPercentagesAsNumbersAndKeepsTiesInOrder) {
    const Sorted up = sortOn(fiveStudents(), 5, false);
    EXPECT_EQ(studentColumn(up.table.sheet, 5), QStringList({"0.00%", "79.09%", "90.91%", "100.00%", "100.00%"}));
    EXPECT_EQ(names(up), QStringList({"Eve", "Bo", "Cy", "ann", "Dee"}));
    const Sorted down = sortOn(fiveStudents(), 5, true);
    EXPECT_EQ(names(down), QStringList({"ann", "Dee", "Cy", "Bo", "Eve"}));
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

TEST(SortClassData, AnEntryForNoStudentIsRemoved) {
    ClassRecord cls = makeClass({"Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"3", "4"}}});
    cls.assignments[0].namegrade.insert(cls.assignments[0].namegrade.begin() + 1, "Zed~9");
    const Sorted s = sortOn(cls, 1, false);
    EXPECT_EQ(s.cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~4", "Bo~3"}));
}

TEST(SortClassData, AStudentTheTableDoesNotShowIsKept) {
    ClassRecord cls = makeClass({"Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"3", "4"}}});
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
