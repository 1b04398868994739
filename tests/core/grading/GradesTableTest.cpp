// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// How the grades table lays a class out: rows, columns, points, the Total row
// and the Total column, and what damaged point lists do to it.

#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/grading/GridFormatting.h"
#include "tests/core/grading/GradesFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace markwell;
using namespace markwell::test;

TEST(GradesTableLayout, AClassFillsHeadingStudentRowsSeparatorAndTotalRow) {
    const ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"8", "-"}}, {"Test 1", "Test", 50, {"45", "30"}}});
    const GradesTable table = buildGradesTable(cls);
    // Ann 53 of 60 = 88.33% (B); Bo's "-" leaves the quiz out: 30 of 50 = 60% (D).
    EXPECT_EQ(tableText(table.sheet), (QStringList{"Names|Quiz 1|Test 1|Total|Average|Grade", "Ann|8|45|53|88.33%|B",
                                                   "Bo|-|30|30|60.00%|D", "|||||", "Total|10|50|60||"}));
    EXPECT_EQ(table.sheet.fixedCols(), 1);
    // Points and totals are numbers; "-", the assignment totals and the averages are text.
    EXPECT_EQ(table.sheet.kind(2, 2), CellKind::Number);
    EXPECT_EQ(table.sheet.kind(3, 2), CellKind::Text);
    EXPECT_EQ(table.sheet.kind(5, 2), CellKind::Text);
    EXPECT_EQ(table.sheet.kind(5, 4), CellKind::Number);
    EXPECT_EQ(table.sheet.kind(2, 5), CellKind::Text);
}

TEST(GradesTableLayout, ANameTwiceHasOneRowShowingItsLaterEntry) {
    const ClassRecord cls = makeClass({"Ann", "Bo", "Ann"}, {{"Quiz 1", "Quiz", 10, {"5", "7", "9"}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.sheet.maxRow(), 5);
    EXPECT_EQ(studentColumn(table.sheet, 1), (QStringList{"Ann", "Bo"}));
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|9|9|90.00%|A"));
}

TEST(GradesTableLayout, EntriesFindTheirRowByNameWhateverTheirPosition) {
    ClassRecord cls = makeClass({"Ann", "Bo", "Cy"}, {{"Q1", "Quiz", 10, {"1", "2", "3"}},
                                                      {"Q2", "Quiz", 10, {"4", "5", "6"}},
                                                      {"Q3", "Quiz", 10, {"7", "8", "9"}}});
    // The middle list in reverse order, an entry for nobody, and one without its "~".
    cls.assignments[1].namegrade = {"Cy~6", "Zed~10", "Bo~5", "Ann~4"};
    cls.assignments[2].namegrade.push_back("Ann");
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(studentColumn(table.sheet, 2), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(studentColumn(table.sheet, 3), (QStringList{"4", "5", "6"}));
    EXPECT_EQ(studentColumn(table.sheet, 4), (QStringList{"7", "8", "9"}));
    EXPECT_EQ(table.sheet.maxRow(), 6);  // Zed has no row
}

TEST(GradesTableLayout, ExtraCreditAndZeroTotalsAreShownAndSummedAsTheyAreButGiveNoAverageAlone) {
    const ClassRecord cls = makeClass(
        {"Ann"}, {{"Quiz 1", "Quiz", 10, {"12"}}, {"Bonus", "Other", 0, {"3"}}, {"Halves", "Homework", 0.5, {"0.25"}}});
    const GradesTable table = buildGradesTable(cls);
    // Earned 12 + 3 + 0.25 = 15.25 of 10.5 possible: 145.238...% shows as 145.2%.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|12|3|0.25|15.25|145.20%|A"));
    EXPECT_EQ(rowText(table.sheet, 4), QStringLiteral("Total|10|0|0.5|10.5||"));
    // Only extra credit gives no average and no letter.
    EXPECT_EQ(rowText(buildGradesTable(makeClass({"Ann"}, {{"Bonus", "Other", 0, {"3"}}})).sheet, 2),
              QStringLiteral("Ann|3|3|0.00%|-"));
}

TEST(GradesTableLayout, StudentsWithoutAssignmentsHaveTheNameColumnOnly) {
    const ClassRecord cls = makeClass({"Ann", "Bo"}, {});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.sheet.fixedCols(), 0);
    EXPECT_EQ(tableText(table.sheet), (QStringList{"Names", "Ann", "Bo", QString(), "Total"}));
}

TEST(GradesTableLayout, WithoutStudentsTheHeadingRowIsKeptIntactAndPlain) {
    ClassRecord cls = makeClass({}, {{"Quiz 1", "Quiz", 10, {}}, {"Test 1", "Test", 50, {}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(tableText(table.sheet), QStringList{"Names|Quiz 1|Test 1|Total|Average|Grade"});
    EXPECT_EQ(table.sheet.fixedCols(), 1);
    EXPECT_EQ(table.sheet.fixedRows(), 1);
    // Without students there is no navy heading.
    EXPECT_EQ(table.sheet.format(1, 2).fill.pattern, FillPattern::None);
    EXPECT_FALSE(table.sheet.format(1, 2).font.bold);
    // An empty class is its names heading, kept in view.
    const Sheet empty = buildGradesTable(newClassRecord(standardScale())).sheet;
    EXPECT_EQ(tableText(empty), QStringList{"Names"});
    EXPECT_EQ(empty.fixedRows(), 1);
}

TEST(GradesTableDamagedLists, AMissingEntryOrPointsThatAreNotANumberCountLikeADash) {
    ClassRecord cls =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"8", "9"}}, {"Test 1", "Test", 50, {"45", "40"}}});
    cls.assignments[0].namegrade.pop_back();  // Bo has no quiz entry
    cls.lowScoreInfo.drop_type = 1;
    const GradesTable table = buildGradesTable(cls);
    // Bo: the empty quiz adds nothing to either total; the rule has only the
    // test to drop, which leaves 0 of 0.
    EXPECT_EQ(rowText(table.sheet, 3), QStringLiteral("Bo||40|40|0.00%|-"));
    EXPECT_EQ(table.sheet.kind(3, 2), CellKind::Empty);
    // Ann drops her quiz: 45 of 50.
    EXPECT_EQ(rowText(table.sheet, 2), QStringLiteral("Ann|8|45|53|90.00%|A"));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}}));
    // Points that are not a number are shown and count like a dash.
    const ClassRecord eight = makeClass({"Ann"}, {{"Quiz 1", "Quiz", 10, {"eight"}}, {"Quiz 2", "Quiz", 10, {"7"}}});
    EXPECT_EQ(rowText(buildGradesTable(eight).sheet, 2), QStringLiteral("Ann|eight|7|7|70.00%|C"));
}

TEST(GradesTableNumbers, PointsAndTotalsShowTheirGeneralForm) {
    const ClassRecord cls = makeClass(
        {"Ann"}, {{"A", "Quiz", 17.5, {"0.1"}}, {"B", "Quiz", 2.5, {"0.2"}}, {"C", "Quiz", 0.125, {"007.50"}}});
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(rowText(table.sheet, 2).section(QLatin1Char('|'), 0, 4), QStringLiteral("Ann|0.1|0.2|7.5|7.8"));
    EXPECT_EQ(rowText(table.sheet, 4).section(QLatin1Char('|'), 0, 4), QStringLiteral("Total|17.5|2.5|0.125|20.125"));
}

// The look of the grades table: heading, class font, dropped scores, grid
// lines, widths and the selection.
namespace {

constexpr PlatformColour kGreen = 0x008000;

ClassRecord styledClass() {
    ClassRecord cls = makeClass({"Ann", "Bo"}, {{"Q1", "Quiz", 10, {"2", "9"}}, {"Q2", "Quiz", 10, {"8", "3"}}});
    cls.gridProps.font_name = "Arial";
    cls.gridProps.font_size = 11;
    cls.gridProps.font_color = kGreen;
    cls.gridProps.grid_lines = true;
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

constexpr int kFinal = 0, kTest = 1, kQuiz = 2, kLab = 4;

ClassRecord lowestOverall(ClassRecord cls) {
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

ClassRecord lowestQuiz(ClassRecord cls) {
    dropByType(cls, {kQuiz});
    return cls;
}

// The cells the class's rule drops, its first student's row (unless null),
// and the student's assignment cells red exactly where a score was dropped.
void expectDropped(const ClassRecord& cls, const std::vector<DroppedCell>& dropped, const char* row) {
    const GradesTable table = buildGradesTable(cls);
    EXPECT_EQ(table.dropCellIndex, dropped);
    if (row) {
        EXPECT_EQ(rowText(table.sheet, 2), QString::fromUtf8(row));
    }
    for (int col = GradesLayout::kFirstAssignmentCol; col <= GradesLayout::of(table.sheet).lastAssignmentCol(); ++col) {
        const bool red = std::find(dropped.begin(), dropped.end(), DroppedCell{2, col}) != dropped.end();
        EXPECT_EQ(table.sheet.format(2, col).font.color, red ? colour::kRed : colour::kBlack) << col;
    }
}

}  // namespace

TEST(GridFormatting, TheHeadingIsBoldWhiteOnNavyAndDataRowsTakeTheClassFontCentredRightOfTheNames) {
    const Sheet sheet = buildGradesTable(styledClass()).sheet;
    for (int col = 1; col <= sheet.maxCol(); ++col) {
        const CellFormat& f = sheet.format(1, col);
        EXPECT_EQ(f.font.name, QStringLiteral("Arial"));
        EXPECT_EQ(f.font.size, 11);
        EXPECT_TRUE(f.font.bold);
        EXPECT_EQ(f.font.color, colour::kWhite);
        EXPECT_EQ(f.fill.pattern, FillPattern::Solid);
        EXPECT_EQ(f.fill.foreground, colour::kNavy);
        EXPECT_EQ(f.alignment.horizontal, HAlign::Center);
        EXPECT_EQ(f.alignment.vertical, VAlign::Center);
    }
    for (int row = 2; row <= sheet.maxRow(); ++row) {
        EXPECT_EQ(sheet.format(row, 1).font.color, kGreen) << row;
        EXPECT_EQ(sheet.format(row, 1).alignment.horizontal, HAlign::General) << row;
        EXPECT_EQ(sheet.format(row, 4).font.name, QStringLiteral("Arial")) << row;
        EXPECT_FALSE(sheet.format(row, 4).font.bold) << row;
        EXPECT_EQ(sheet.format(row, 6).alignment.horizontal, HAlign::Center) << row;
        EXPECT_EQ(sheet.format(row, 6).numberFormat, QStringLiteral("General")) << row;
        EXPECT_EQ(sheet.format(row, 6).fill.pattern, FillPattern::None) << row;
    }
}

TEST(GridFormatting, EveryRowOfALongClassIsFormatted) {
    ClassRecord cls = makeClass(numberedNames(600), {{"Q", "Quiz", 10, std::vector<std::string>(600, "5")}});
    cls.gridProps.font_color = kGreen;
    const Sheet sheet = buildGradesTable(cls).sheet;
    ASSERT_EQ(sheet.maxRow(), 603);
    for (int row : {2, 500, 501, 601, 603}) {
        EXPECT_EQ(sheet.format(row, 2).font.color, kGreen) << row;
        EXPECT_EQ(sheet.format(row, 2).alignment.horizontal, HAlign::Center) << row;
    }
}

TEST(GridFormatting, DroppedScoresAreRedOnlyUnderADropRule) {
    const GradesTable table = buildGradesTable(styledClass());
    ASSERT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}}));
    EXPECT_EQ(table.sheet.format(2, 2).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 2).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(table.sheet.format(3, 3).font.color, colour::kRed);
    EXPECT_EQ(table.sheet.format(2, 3).font.color, kGreen);
    EXPECT_EQ(table.sheet.text(2, 2), QStringLiteral("2"));  // still shown

    // Rule 0 marks nothing even with pairs listed; so does the switch off;
    // pairs that name no cell are skipped.
    for (auto [dropType, show] : {std::pair{0, true}, std::pair{1, false}}) {
        Sheet sheet = table.sheet;
        sheet.clearRange(CellRange::all());
        sheet.setMaxRow(5);
        sheet.setMaxCol(6);
        updateGridProperties(sheet, 2, 2, styledClass().gridProps, table.dropCellIndex, dropType, show);
        EXPECT_EQ(sheet.format(2, 2).font.color, kGreen);
    }
    Sheet sheet = table.sheet;
    updateGridProperties(sheet, 2, 2, styledClass().gridProps, {{-1, -1}, {3, -1}, {2, 3}}, 1, true);
    EXPECT_EQ(sheet.format(2, 3).font.color, colour::kRed);
    EXPECT_EQ(sheet.format(3, 1).font.color, kGreen);
}

TEST(GridFormatting, GridLinesWidthsSelectionAndTheFontStyleOfTheDataRowsFollowTheClass) {
    ClassRecord cls = styledClass();
    cls.students[1].name = "Bartholomew Montgomery-Smith";
    cls.comments[1].name = cls.students[1].name;
    cls.assignments[0].namegrade[1] = cls.students[1].name + "~9";
    cls.assignments[1].namegrade[1] = cls.students[1].name + "~3";
    GradesTable table = buildGradesTable(cls);
    EXPECT_TRUE(table.sheet.showGridLines());
    EXPECT_GT(table.sheet.colWidth(1), table.sheet.colWidth(2));
    EXPECT_EQ(table.sheet.selection(), CellRange::cell(1, 1));
    cls.gridProps.grid_lines = false;
    EXPECT_FALSE(buildGradesTable(cls).sheet.showGridLines());
    cls = styledClass();
    cls.gridProps.font_style = fontstyle::kItalic | fontstyle::kUnderline;
    const Sheet sheet = buildGradesTable(cls).sheet;
    EXPECT_TRUE(sheet.format(3, 4).font.italic);
    EXPECT_TRUE(sheet.format(3, 4).font.underline);
    EXPECT_FALSE(sheet.format(3, 4).font.strikeOut);
    EXPECT_FALSE(sheet.format(1, 4).font.italic);  // the heading keeps its own look
}

// The lowest-score rules: which cell is dropped, what it takes from the
// totals, and what the table records for the red marking.

TEST(DropLowestOverall, TheLowestCountedScoreGoesAndOfEqualOnesTheLeft) {
    // The Total column keeps both; the average is 7 of 10.
    expectDropped(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"7"}}, {"Q2", "Quiz", 10, {"7"}}})), {{2, 2}},
                  "Ann|7|7|14|70.00%|C");
    // All dashes drop nothing and record no cell.
    expectDropped(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"-"}}, {"Q2", "Quiz", 10, {"-"}}})), {{-1, -1}},
                  "Ann|-|-|0|0.00%|-");
    // The only counted score is dropped, leaving nothing.
    expectDropped(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"-"}}, {"Q2", "Quiz", 10, {"6"}}})), {{2, 3}},
                  "Ann|-|6|6|0.00%|-");
    // Scores of a hundred thousand or more are never dropped.
    expectDropped(lowestOverall(makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"100000"}}, {"Q2", "Quiz", 10, {"100001"}}})),
                  {{-1, -1}}, nullptr);
    // An unknown rule drops nothing.
    ClassRecord unknown = makeClass({"Ann"}, {{"Q1", "Quiz", 10, {"2"}}, {"Q2", "Quiz", 10, {"8"}}});
    unknown.lowScoreInfo.drop_type = 7;
    expectDropped(unknown, {}, "Ann|2|8|10|50.00%|F");
}

TEST(DropLowestOverall, EveryRowRecordsItsCellInRowOrder) {
    const GradesTable table = buildGradesTable(lowestOverall(
        makeClass({"Ann", "Bo", "Cy"}, {{"Q1", "Quiz", 10, {"3", "9", "5"}}, {"Q2", "Quiz", 10, {"8", "2", "5"}}})));
    EXPECT_EQ(table.dropCellIndex, (std::vector<DroppedCell>{{2, 2}, {3, 3}, {4, 2}}));
    EXPECT_EQ(studentColumn(table.sheet, 5), (QStringList{"80.00%", "90.00%", "50.00%"}));
}

TEST(DropLowestByType, TheLowestQuizGoesWithItsOwnPossiblePointsAndEveryEntryOfASharedNameTakesPart) {
    // 8 of 10 is dropped before 9 of 20: raw points, not percentages. 9 + 5
    // of 20 + 50 = 20%; the Total column still shows 22.
    expectDropped(
        lowestQuiz(makeClass(
            {"Ann"}, {{"Quiz 1", "Quiz", 10, {"8"}}, {"Quiz 2", "Quiz", 20, {"9"}}, {"Test 1", "Test", 50, {"5"}}})),
        {{2, 2}}, "Ann|8|9|5|22|20.00%|F");
    // Two students called Ann share a row, which shows the later entries
    // (9 and 7); the rule walks all four entries and drops the 6 of Q1.
    // Row cells 9 + 7 = 16 of 20, less 6 and Q1's 10: 10 of 10.
    expectDropped(
        lowestQuiz(makeClass({"Ann", "Ann"}, {{"Q1", "Quiz", 10, {"6", "9"}}, {"Q2", "Quiz", 10, {"8", "7"}}})),
        {{2, 2}}, "Ann|9|7|16|100.00%|A");
}

TEST(PointTotalsOfOneRow, ReadTheCellsAsTheyStandNow) {
    ClassRecord cls = makeClass({"Ann", "Bo"}, {{"Q1", "Quiz", 10, {"3", "9"}}, {"Q2", "Quiz", 20, {"8", "2"}}});
    cls.lowScoreInfo.drop_type = 1;
    GradesTable table = buildGradesTable(cls);
    std::vector<DroppedCell> dropped;
    PointTotals bo = PointTotalsCalculator(table.sheet, cls).forRow(3, &dropped);
    EXPECT_EQ(bo.earned, 9);     // 11 less the 2 of Q2
    EXPECT_EQ(bo.possible, 10);  // 30 less Q2's 20
    EXPECT_EQ(dropped, (std::vector<DroppedCell>{{3, 3}}));

    // A value typed into the table counts until the next rebuild.
    table.sheet.setNumber(3, 3, 15);
    bo = PointTotalsCalculator(table.sheet, cls).forRow(3);
    EXPECT_EQ(bo.earned, 15);
    EXPECT_EQ(bo.possible, 20);
    // Rows outside the student rows have nothing.
    EXPECT_EQ(PointTotalsCalculator(table.sheet, cls).forRow(5).possible, 0);
}

// Which cell each rule drops for one student, and the average left. Extra
// credit (no possible points) is never the score a rule forgives, and the
// rules count only the assignments worth points.
TEST(DropRules, EachRuleDropsItsCellAndLeavesItsAverage) {
    struct Case {
        const char* what;
        std::int32_t rule;
        std::vector<AssignmentSpec> assignments;
        std::vector<DroppedCell> dropped;
        QString average;
        std::vector<int> flagged = {kQuiz};  // under the by-type rule
    };
    const std::vector<Case> cases = {
        {"overall: raw points decide, not percentages: a 4 of 4 goes before 50 of 100",
         droprule::kLowestOverall,
         {{"Test", "Test", 100, {"50"}}, {"Quiz", "Quiz", 4, {"4"}}},
         {{2, 3}},
         QStringLiteral("50.00%")},
        {"overall: one assignment drops and records nothing",
         droprule::kLowestOverall,
         {{"Q1", "Quiz", 10, {"3"}}},
         {},
         QStringLiteral("30.00%")},
        // Test before Quiz before Lab; the Lab has no assignment and records -1.
        // Left: Q2 6 + T1 70 + F 50 = 126 of 210; of the tied quizzes the earlier goes.
        {"by type: flagged types drop in type order",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}},
          {"T1", "Test", 100, {"70"}},
          {"Q2", "Quiz", 10, {"6"}},
          {"T2", "Test", 100, {"65"}},
          {"F", "Final", 100, {"50"}}},
         {{2, 5}, {2, 2}, {2, -1}},
         QStringLiteral("60.00%"),
         {kQuiz, kTest, kLab}},
        {"by type: a flagged type without assignments changes nothing",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Q2", "Quiz", 10, {"8"}}},
         {{2, -1}},
         QStringLiteral("70.00%"),
         {kLab}},
        {"by type: a single score of a flagged type goes when the class has two assignments",
         droprule::kLowestPerType,
         {{"F", "Final", 100, {"40"}}, {"Q1", "Quiz", 10, {"8"}}},
         {{2, 2}},
         QStringLiteral("80.00%"),
         {kFinal}},
        {"by type: one assignment drops nothing but records each flagged type",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"3"}}},
         {{2, -1}, {2, -1}},
         QStringLiteral("30.00%"),
         {kTest, kQuiz}},
        {"by type: dashes and assignments of no type are never dropped",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"-"}}, {"Untyped", "", 10, {"1"}}, {"Q2", "Quiz", 10, {"9"}}},
         {{2, 4}},
         QStringLiteral("10.00%")},
        {"overall: the bonus is lowest, the weaker real score goes",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"80"}}, {"Bonus", "Other", 0, {"5"}}, {"T2", "Test", 100, {"60"}}},
         {{2, 4}},
         QStringLiteral("85.00%")},
        {"overall: several bonuses, one dash",
         droprule::kLowestOverall,
         {{"B1", "Other", 0, {"1"}},
          {"Q1", "Quiz", 10, {"-"}},
          {"B2", "Quiz", 0, {"0"}},
          {"Q2", "Quiz", 10, {"7"}},
          {"Q3", "Quiz", 10, {"9"}}},
         {{2, 5}},
         QStringLiteral("100.00%")},
        {"overall: one real assignment beside extra credit drops nothing",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"70"}}, {"Bonus", "Test", 0, {"3"}}},
         {},
         QStringLiteral("73.00%")},
        {"overall: only bonuses scored records no cell",
         droprule::kLowestOverall,
         {{"T1", "Test", 100, {"-"}}, {"T2", "Test", 100, {"-"}}, {"Bonus", "Test", 0, {"3"}}},
         {{-1, -1}},
         QStringLiteral("0.00%")},
        {"by type: the flagged type's bonus stays",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Bonus", "Quiz", 0, {"2"}}, {"Q2", "Quiz", 10, {"8"}}},
         {{2, 2}},
         QStringLiteral("100.00%")},
        {"by type: a type of bonuses only records no cell",
         droprule::kLowestPerType,
         {{"T1", "Test", 50, {"40"}}, {"T2", "Test", 50, {"30"}}, {"Bonus", "Quiz", 0, {"2"}}},
         {{2, -1}},
         QStringLiteral("72.00%")},
        {"by type: one real assignment beside extra credit drops nothing",
         droprule::kLowestPerType,
         {{"Q1", "Quiz", 10, {"6"}}, {"Bonus", "Quiz", 0, {"1"}}, {"B2", "Quiz", 0, {"1"}}},
         {{2, -1}},
         QStringLiteral("80.00%")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClassRecord cls = makeClass({"Ann"}, {});
        for (const AssignmentSpec& a : c.assignments) {
            cls.assignments.push_back(makeClass({"Ann"}, {a}).assignments.front());
        }
        if (c.rule == droprule::kLowestPerType) {
            for (int type : c.flagged) cls.lowScoreInfo.setFlag(type, true);
        }
        cls.lowScoreInfo.drop_type = c.rule;
        const GradesTable table = buildGradesTable(cls);
        EXPECT_EQ(table.dropCellIndex, c.dropped);
        EXPECT_EQ(table.sheet.text(2, GradesLayout::of(table.sheet).averageCol()), c.average);
    }
}
