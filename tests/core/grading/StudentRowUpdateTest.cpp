// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Typing points redoes one row of the grades table in place: the result must
// be, cell for cell, what a full rebuild of the class gives, on random edits
// under every dropping rule, plain and weighted.

#include "core/common/Cp1252.h"
#include "core/data/Document.h"
#include "core/data/PointEntry.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/GradesTable.h"
#include "core/grading/StudentRowUpdate.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <gtest/gtest.h>

#include <random>

using namespace markwell;

namespace {

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
