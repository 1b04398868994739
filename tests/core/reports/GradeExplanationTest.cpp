// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The explanation of a grade and "what would it take" against the grades
// table itself, over classes of every kind the grading rules know.

#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/grading/LetterGrade.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/WhatItTakes.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace markwell {
namespace {

using test::AssignmentSpec;
using test::makeClass;

struct ClassKind {
    const char* name;
    bool weighted;
    std::int32_t dropType;
    CurrentGradeScale scale;
};

std::vector<ClassKind> classKinds() {
    // A stale scale: bounds written by hand, one of them not a number.
    const CurrentGradeScale odd{"Odd", 1, "90,100,80,89.9,x,79.9,60,69.9,0,59.9"};
    return {
        {"plain", false, droprule::kNone, test::standardScale()},
        {"dropOverall", false, droprule::kLowestOverall, test::standardScale()},
        {"dropByType", false, droprule::kLowestPerType, test::expandedScale()},
        {"weighted", true, droprule::kNone, test::standardScale()},
        {"weightedDropOverall", true, droprule::kLowestOverall, test::passFailScale()},
        {"weightedDropByType", true, droprule::kLowestPerType, odd},
    };
}

// A class drawn at random: types of every kind and none, totals of 0 (extra
// credit: none, one or several by the seed, besides those drawn), "-" marks,
// halves, scores on the scale's bounds.
ClassRecord randomClass(const ClassKind& kind, std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    ClassRecord cls = newClassRecord(kind.scale);
    const int students = 6;
    for (int s = 0; s < students; ++s) {
        StudentInfo info;
        info.name = "Student " + std::to_string(s);
        cls.students.push_back(info);
    }
    const int assignments = 3 + pick(6);
    const int bonuses = static_cast<int>(seed % 4);
    for (int k = 0; k < assignments; ++k) {
        AssignmentInfo a;
        a.title = "Work " + std::to_string(k);
        const int type = pick(kAssignmentTypeCount + 1);
        a.assign_type =
            type < kAssignmentTypeCount ? std::string(kAssignmentTypes[static_cast<std::size_t>(type)]) : "";
        const double totals[] = {0, 10, 20, 25, 100};
        a.total = totals[pick(5)];
        if ((k + static_cast<int>(seed)) % assignments < bonuses) a.total = 0;
        for (const StudentInfo& s : cls.students) {
            const int roll = pick(10);
            std::string points;
            if (roll == 0) points = "-";
            else if (roll == 1) points = generalText(a.total * 0.9);  // on a bound
            else points = generalText(pick(static_cast<int>(a.total > 0 ? a.total : 10) * 2 + 1) * 0.5);
            a.namegrade.push_back(makePointEntry(s.name, points));
        }
        cls.assignments.push_back(std::move(a));
    }
    cls.weightGrades.enabled = kind.weighted;
    for (int t = 0; t < kAssignmentTypeCount; ++t) cls.weightGrades.setWeight(t, (t + 1) * 5 - (t == 5 ? 5 : 0));
    cls.lowScoreInfo.drop_type = kind.dropType;
    cls.lowScoreInfo.setFlag(2, true);  // Quiz
    cls.lowScoreInfo.setFlag(3, true);  // Homework
    return cls;
}

std::vector<DroppedCell> droppedOf(const GradesTable& table, int row) {
    std::vector<DroppedCell> cells;
    for (const DroppedCell& d : table.dropCellIndex) {
        if (d.row == row && d.namesCell()) cells.push_back(d);
    }
    return cells;
}

TEST(GradeExplanation, AgreesWithTheGradesTableForEveryStudentOfEveryKindOfClass) {
    for (const ClassKind& kind : classKinds()) {
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            const ClassRecord cls = randomClass(kind, seed);
            const GradesTable table = buildGradesTable(cls);
            const GradesLayout layout = GradesLayout::of(table.sheet);
            for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
                SCOPED_TRACE(testing::Message() << kind.name << " seed " << seed << " row " << row);
                const std::optional<GradeExplanation> e = explainGrade(cls, table, row);
                ASSERT_TRUE(e);
                EXPECT_EQ(e->shownAverage, table.sheet.text(row, layout.averageCol()));
                EXPECT_EQ(e->letter, table.sheet.text(row, layout.gradeCol()));
                std::vector<DroppedCell> explained;
                for (std::size_t k = 0; k < e->assignments.size(); ++k) {
                    const auto counts = e->assignments[k].counts;
                    if (counts == GradeExplanation::Counts::DroppedOverall ||
                        counts == GradeExplanation::Counts::DroppedOfType) {
                        explained.push_back({row, layout.assignmentCol(static_cast<int>(k))});
                    }
                }
                std::vector<DroppedCell> inTable = droppedOf(table, row);
                const auto byColumn = [](const DroppedCell& a, const DroppedCell& b) { return a.col < b.col; };
                std::sort(inTable.begin(), inTable.end(), byColumn);
                EXPECT_EQ(explained, inTable);
            }
        }
    }
}

// The rules forgive a bad score and never take away extra credit: a dropped
// cell always has possible points and is the lowest of those it was chosen
// among, and a class with one assignment worth points or none drops nothing.
TEST(DropRulesOnRandomClasses, NeverDropAnAssignmentWithoutPossiblePoints) {
    int droppedCells = 0;
    for (const ClassKind& kind : classKinds()) {
        if (kind.dropType == droprule::kNone) continue;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            const ClassRecord cls = randomClass(kind, seed);
            const GradesTable table = buildGradesTable(cls);
            const GradesLayout layout = GradesLayout::of(table.sheet);
            const auto worth = std::count_if(cls.assignments.begin(), cls.assignments.end(),
                                             [](const AssignmentInfo& a) { return a.total > 0; });
            const std::vector<int> types = assignmentTypeIndexes(cls);
            for (const DroppedCell& d : table.dropCellIndex) {
                if (!d.namesCell()) continue;
                SCOPED_TRACE(testing::Message() << kind.name << " seed " << seed << " row " << d.row);
                ++droppedCells;
                const auto k = static_cast<std::size_t>(layout.assignmentIndexOf(d.col));
                EXPECT_GT(cls.assignments[k].total, 0);
                EXPECT_GT(worth, 1);
                const double value = table.sheet.number(d.row, d.col);
                for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
                    const auto other = static_cast<std::size_t>(layout.assignmentIndexOf(col));
                    const std::optional<double> points = countedPoints(table.sheet, d.row, col);
                    const bool rival = points && cls.assignments[other].total > 0 &&
                                       (kind.dropType == droprule::kLowestOverall || types[other] == types[k]);
                    if (!rival) continue;
                    if (col < d.col) EXPECT_GT(*points, value) << "column " << col;
                    else EXPECT_GE(*points, value) << "column " << col;
                }
            }
        }
    }
    EXPECT_GT(droppedCells, 100);  // the classes drawn do drop scores
}

// The first student of a small class, explained.
GradeExplanation explainFirst(const ClassRecord& cls) {
    const GradesTable table = buildGradesTable(cls);
    return *explainGrade(cls, table, GradesLayout::kFirstStudentRow);
}

TEST(GradeExplanation, NamesWhyEachAssignmentCountsOrNot) {
    ClassRecord cls =
        makeClass({"Ann"}, {AssignmentSpec{"Quiz 1", "Quiz", 10, {"4"}}, AssignmentSpec{"Quiz 2", "Quiz", 10, {"9"}},
                            AssignmentSpec{"Bonus", "Other", 0, {"2"}}, AssignmentSpec{"Lab 1", "Lab", 20, {"-"}},
                            AssignmentSpec{"Essay", "", 10, {"7"}}});
    test::dropByType(cls, {2});
    const GradeExplanation plain = explainFirst(cls);
    QStringList reasons;
    for (const auto& row : plain.assignments) reasons << countsText(plain, row);
    EXPECT_EQ(reasons,
              (QStringList{"dropped: lowest Quiz score", "yes", "yes: extra credit", "no: does not count (-)", "yes"}));
    EXPECT_EQ(explanationSummary(plain), "18 of 20 points after dropping Quiz 1 (lowest Quiz score) = 90.00%");

    cls.weightGrades.enabled = true;
    const GradeExplanation weighted = explainFirst(cls);
    reasons.clear();
    for (const auto& row : weighted.assignments) reasons << countsText(weighted, row);
    EXPECT_EQ(reasons, (QStringList{"dropped: lowest Quiz score", "yes", "no: no possible points",
                                    "no: does not count (-)", "no: no known type"}));

    // A student without possible points says so.
    const GradeExplanation none = explainFirst(makeClass({"Ann"}, {AssignmentSpec{"Quiz 1", "Quiz", 10, {"-"}}}));
    EXPECT_FALSE(none.hasPossiblePoints());
    EXPECT_EQ(none.unroundedAverage(), "no possible points");
    EXPECT_EQ(none.letter, "-");
}

TEST(GradeExplanation, SheetGivesTheBlocksScriptsRead) {
    ClassRecord cls = makeClass(
        {"Ann"}, {AssignmentSpec{"Test 1", "Test", 50, {"40"}}, AssignmentSpec{"Quiz 1", "Quiz", 10, {"10"}}});
    for (int t = 0; t < kAssignmentTypeCount; ++t) cls.weightGrades.setWeight(t, 0);
    cls.weightGrades.setWeight(1, 80);
    cls.weightGrades.setWeight(2, 20);
    cls.weightGrades.enabled = true;
    const Sheet sheet = explanationSheet(explainFirst(cls));
    const QStringList rows = test::tableText(sheet);
    EXPECT_EQ(rows.first(), "Assignment|Type|Points|Possible|Counts||");
    EXPECT_EQ(rows[1], "Test 1|Test|40|50|yes||");
    EXPECT_EQ(rows[3], "||||||");
    EXPECT_EQ(rows[4], "Type|Earned|Possible|Weight|Factor|Counted earned|Counted possible");
    EXPECT_EQ(rows[6], "Test|40|50|80|1|40|50");
    EXPECT_EQ(rows[7], "Quiz|10|10|20|0.25|2.5|2.5");
    // Quiz counts a quarter of Test: (40 + 2.5) / (50 + 2.5).
    EXPECT_EQ(rows[rows.size() - 4], "Earned|42.5|||||");
    EXPECT_EQ(rows[rows.size() - 3], "Possible|52.5|||||");
    EXPECT_EQ(rows[rows.size() - 2], "Average|80.952381|80.95%||||");
    EXPECT_EQ(rows.last(), "Grade|B|B: 80 to 89.9||||");
}

// The student's letter with `points` on assignment k, graded as the table grades.
QString letterWith(ClassRecord cls, const std::string& name, std::size_t k, double points) {
    bool found = false;
    for (std::string& entry : cls.assignments[k].namegrade) {
        if (splitPointEntry(entry).name == name) {
            entry = makePointEntry(name, generalText(points));
            found = true;
        }
    }
    if (!found) cls.assignments[k].namegrade.push_back(makePointEntry(name, generalText(points)));
    const GradesTable table = buildGradesTable(cls);
    for (int row = GradesLayout::kFirstStudentRow; row <= GradesLayout::of(table.sheet).lastStudentRow(); ++row) {
        if (table.sheet.text(row, 1).toStdString() == name) return table.sheet.text(row, table.sheet.maxCol());
    }
    return {};
}

TEST(WhatItTakes, IsTheFewestPointsThatReachTheLetterByBruteForce) {
    for (const ClassKind& kind : classKinds()) {
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            const ClassRecord cls = randomClass(kind, seed + 100);
            const std::vector<QString> letters = scaleLetterTexts(cls.gradeScale);
            const auto rank = [&letters](const QString& l) {
                return std::find(letters.begin(), letters.end(), l) - letters.begin();
            };
            const std::string name = cls.students[seed % cls.students.size()].name;
            const std::size_t k = seed % cls.assignments.size();
            for (const QString& letter : letters) {
                SCOPED_TRACE(testing::Message() << kind.name << " seed " << seed << " letter " << letter.toStdString());
                const Result<WhatItTakes> answer = whatItTakes(cls, name, k, QStringLiteral(" ") + letter.toLower());
                ASSERT_TRUE(answer);
                const double x = answer->points;
                const bool reached = rank(letterWith(cls, name, k, x)) <= rank(letter);
                switch (answer->outcome) {
                case WhatItTakes::Outcome::ReachedWithZero:
                    EXPECT_EQ(x, 0);
                    EXPECT_TRUE(reached);
                    break;
                case WhatItTakes::Outcome::Needs:
                    EXPECT_TRUE(reached);
                    // Every half point below the answer, counted in halves.
                    for (int halves = static_cast<int>(x * 2) - 1; halves >= 0; --halves) {
                        const double below = halves / 2.0;
                        EXPECT_GT(rank(letterWith(cls, name, k, below)), rank(letter)) << below;
                    }
                    break;
                case WhatItTakes::Outcome::OutOfReach: EXPECT_FALSE(reached); break;
                }
            }
        }
    }
}

TEST(WhatItTakes, SaysEachOutcomeInOneSentenceAndRefusesALetterTheScaleHasNot) {
    const ClassRecord cls = makeClass(
        {"Ann"}, {AssignmentSpec{"Test 1", "Test", 100, {"85"}}, AssignmentSpec{"Final", "Final", 100, {"-"}}});
    EXPECT_EQ(whatItTakesSentence(*whatItTakes(cls, "Ann", 1, "a")),
              "Needs 95 of 100 points on \"Final\" for A (average 90.00%).");
    EXPECT_EQ(whatItTakesSentence(*whatItTakes(cls, "Ann", 1, "F")),
              "F is reached with 0 points on \"Final\" (average 42.50%).");
    const ClassRecord low = makeClass(
        {"Ann"}, {AssignmentSpec{"Test 1", "Test", 100, {"10"}}, AssignmentSpec{"Final", "Final", 20, {"-"}}});
    EXPECT_EQ(whatItTakesSentence(*whatItTakes(low, "Ann", 1, "A")),
              "A is out of reach on \"Final\": 20 of 20 points give F (average 25.00%).");
    EXPECT_FALSE(whatItTakes(cls, "Ann", 1, "Q"));
}

}  // namespace
}  // namespace markwell
