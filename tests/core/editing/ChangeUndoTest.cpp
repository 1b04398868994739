// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Every change of a class, made on a document, taken back and made again:
// the three files the document saves are byte for byte as they were before
// the change after undo, and as they were after it after redo. A refused
// change leaves them as they were.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/ExactUndo.h"

#include "core/data/PointEntry.h"
#include "core/editing/ClassChanges.h"
#include "core/editing/Curve.h"
#include "core/editing/TypedPoints.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/reports/CurvePreview.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"
#include "core/scores/RosterChanges.h"
#include "core/scores/ScoreFile.h"

#include <gtest/gtest.h>

#include <functional>

using namespace markwell;
using namespace markwell::test;

namespace {

// Three students (the last two out of order by name), two assignments, a
// month of attendance for each and a seat for Bo.
Document sampleDocument() {
    Document document;
    document.classRecord = makeClass(
        {"Cy", "Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"7", "9", "4"}}, {"Test 1", "Test", 100, {"80", "65", "91"}}});
    document.classRecord.Seats.push_back({.name = "Bo", .left = 120});
    document.attendance = AttendanceBook({attendanceRecord(9, 2026, "Cy", "T"), attendanceRecord(9, 2026, "Ann", " U"),
                                          attendanceRecord(9, 2026, "Bo", "  E")});
    return document;
}

CsvTable csv(const char* text) {
    return parseCsv(QByteArray(text)).value();
}

// The scores of a gradebook file as the import takes them by default;
// unknown score columns become new assignments of type Lab.
Change scoreImport(const char* text) {
    const ScoreTable table = parseScoreFile(QByteArray(text)).value();
    const ScoreMapping mapping = defaultScoreMapping(sampleDocument().classRecord, table, QStringLiteral("Lab"));
    return scoreImportChange(table, mapping, QStringLiteral("scores.csv"));
}

WeightedGrades weightsOf(std::initializer_list<int> shares, bool enabled) {
    WeightedGrades weights;
    int type = 0;
    for (int share : shares) weights.setWeight(type++, share);
    weights.enabled = enabled;
    return weights;
}

DropLowScoreInfo dropOverall() {
    DropLowScoreInfo rule;
    rule.drop_type = droprule::kLowestOverall;
    return rule;
}

// The class as the student editor hands it back after renaming Ann to Anna.
ClassRecord withAnnRenamed() {
    ClassRecord cls = sampleDocument().classRecord;
    cls.students[1].name = "Anna";
    cls.comments[1].name = "Anna";
    for (AssignmentInfo& assignment : cls.assignments) {
        assignment.namegrade[1] = makePointEntry("Anna", splitPointEntry(assignment.namegrade[1]).points);
    }
    return cls;
}

struct ChangeCase {
    const char* name;
    std::function<Change()> change;
};

const std::vector<ChangeCase>& madeChanges() {
    static const std::vector<ChangeCase> cases = {
        {"sort by name", [] { return sortChange(1, QStringLiteral("Name"), false); }},
        {"weights",
         [] {
             return weightsChange(weightsOf({20, 50, 30, 0, 0, 0}, true));
         }},
        {"drop rule", [] { return dropRuleChange(dropOverall()); }},
        {"grade scale", [] { return gradeScaleChange(storedScaleOf(expandedScale())); }},
        {"grid lines", [] { return gridLinesChange(true); }},
        {"edited class with a rename",
         [] {
             return editedClassChange(QStringLiteral("Edit Students"), withAnnRenamed(), {{"Ann", "Anna"}});
         }},
        {"student import", [] { return studentImportChange(csv("name,id\nDee,7\nEd,8\n"), QStringLiteral("s.csv")); }},
        {"new assignment",
         [] {
             return newAssignmentChange({QStringLiteral("Lab 1"), QStringLiteral("Lab"), QString()},
                                        QStringLiteral("25"));
         }},
        {"points import",
         [] {
             return pointsImportChange({QStringLiteral("Test 1"), std::nullopt}, csv("name,points\nBo,50\n"),
                                       QStringLiteral("p.csv"));
         }},
        {"total",
         [] {
             return totalChange({QString(), 1}, QStringLiteral("12"));
         }},
        {"score import with a new assignment", [] { return scoreImport("Name,Quiz 1,Lab 1\nBo,5,9\nCy,EX,\n"); }},
        {"curve",
         [] {
             return curveChange(sampleDocument().classRecord, 1, {CurveKind::Add, 12.5, 0, 0, 0, 0, 0, 1, true});
         }},
    };
    return cases;
}

const std::vector<ChangeCase>& refusedChanges() {
    static const std::vector<ChangeCase> cases = {
        {"sort on a missing column", [] { return sortChange(99, QStringLiteral("Nothing"), false); }},
        {"weights short of 100",
         [] {
             return weightsChange(weightsOf({20, 50, 20, 0, 0, 0}, true));
         }},
        {"unknown drop rule",
         [] {
             DropLowScoreInfo rule;
             rule.drop_type = 7;
             return dropRuleChange(rule);
         }},
        {"scale without ranges",
         [] {
             return gradeScaleChange(StoredScale{QStringLiteral("Empty"), ScaleKind::Standard, {}});
         }},
        {"student import with a name already there",
         [] { return studentImportChange(csv("name\nDee\nann\n"), QStringLiteral("s.csv")); }},
        {"new assignment without a title",
         [] {
             return newAssignmentChange({QString(), QStringLiteral("Lab"), QString()}, QString());
         }},
        {"new assignment with a bad total",
         [] {
             return newAssignmentChange({QStringLiteral("Lab 1"), QStringLiteral("Lab"), QString()},
                                        QStringLiteral("abc"));
         }},
        {"points of an unknown student",
         [] {
             return pointsImportChange({QString(), 1}, csv("name,points\nBo,5\nZed,3\n"), QStringLiteral("p.csv"));
         }},
        {"points of an unknown assignment",
         [] {
             return pointsImportChange({QStringLiteral("quiz 1"), std::nullopt}, csv("name,points\nBo,5\n"),
                                       QStringLiteral("p.csv"));
         }},
        {"total of assignment 3 of 2",
         [] {
             return totalChange({QString(), 3}, QStringLiteral("12"));
         }},
        {"scores of a student not in the class", [] { return scoreImport("Name,Quiz 1\nBo,5\nZed,3\n"); }},
        {"curve mapping one score",
         [] {
             return curveChange(sampleDocument().classRecord, 0, {CurveKind::Map, 0, 0, 5, 5, 6, 10, 0, false});
         }},
    };
    return cases;
}

Document twoAnnsDocument() {
    Document document;
    document.classRecord = twoAnns();
    return document;
}

ClassRecord quizClass(std::vector<std::string> points = {"7", "-", "4.5", "0", "9"}, double total = 10) {
    return makeClass({"Ann", "Bo", "Cy", "Dee", "Ed"}, {{"Quiz 1", "Quiz", total, std::move(points)}});
}

CurveRule adding(double points, double step = 0, bool cap = false) {
    return {CurveKind::Add, points, 0, 0, 0, 0, 0, step, cap};
}
CurveRule toTop(double step = 0) {
    return {CurveKind::Top, 0, 0, 0, 0, 0, 0, step, false};
}
CurveRule toMean(double percent, double step = 0) {
    return {CurveKind::Mean, 0, percent, 0, 0, 0, 0, step, false};
}
CurveRule mapping(double low, double high, double newLow, double newHigh, double step = 0, bool cap = false) {
    return {CurveKind::Map, 0, 0, low, high, newLow, newHigh, step, cap};
}

QStringList newScores(const CurvedColumn& column) {
    QStringList scores;
    for (const CurvedScore& score : column.scores) scores << score.after;
    return scores;
}

}  // namespace

TEST(ChangeUndo, UndoAndRedoGiveBackTheSavedFilesByteForByte) {
    for (const ChangeCase& c : madeChanges()) {
        SCOPED_TRACE(c.name);
        Document document = sampleDocument();
        expectExactUndoAndRedo(document, c.change());
    }
}

TEST(ChangeUndo, ARefusedChangeLeavesTheDocumentAsItWas) {
    for (const ChangeCase& c : refusedChanges()) {
        SCOPED_TRACE(c.name);
        Document document = sampleDocument();
        const auto before = documentBytes(document);
        const Result<ChangeMade> made = c.change().applyTo(document);
        ASSERT_FALSE(made.ok());
        EXPECT_FALSE(made.message().isEmpty());
        EXPECT_EQ(documentBytes(document), before);
    }
}

TEST(ChangeUndo, ARenameCarriesTheAttendanceAndAnAssignmentIsChosenByTitleOrPlace) {
    Document document = sampleDocument();
    const Result<ChangeMade> made =
        editedClassChange(QStringLiteral("Edit Students"), withAnnRenamed(), {{"Ann", "Anna"}}).applyTo(document);
    ASSERT_TRUE(made.ok());
    EXPECT_TRUE(document.attendance.findAttendanceRecord(9, 2026, "Anna"));
    EXPECT_FALSE(document.attendance.findAttendanceRecord(9, 2026, "Ann"));
    // An assignment is chosen by its exact title first, or by its place from 1.
    ClassRecord cls =
        makeClass({"Ann"}, {{"Quiz", "Quiz", 10, {"1"}}, {"Test", "Test", 10, {"2"}}, {"Quiz", "Quiz", 10, {"3"}}});
    EXPECT_EQ(chosenAssignment(cls, {QStringLiteral("Quiz"), std::nullopt}).value(), 0u);
    EXPECT_EQ(chosenAssignment(cls, {QStringLiteral("Test"), std::nullopt}).value(), 1u);
    EXPECT_EQ(chosenAssignment(cls, {QString(), 3}).value(), 2u);
    EXPECT_FALSE(chosenAssignment(cls, {QStringLiteral("quiz"), std::nullopt}).ok());
    EXPECT_FALSE(chosenAssignment(cls, {QString(), 4}).ok());
    EXPECT_FALSE(chosenAssignment(cls, {QString(), 0}).ok());
    EXPECT_FALSE(chosenAssignment(cls, {QString(), -1}).ok());
}

TEST(ChangeUndo, RowsAreRefusedAllOrNoneWithALineEach) {
    Document document = sampleDocument();
    const Result<ChangeMade> made =
        pointsImportChange({QString(), 2}, csv("name,points\nZed,3\nBo,5\nAnn,x\n"), QStringLiteral("p.csv"))
            .applyTo(document);
    ASSERT_FALSE(made.ok());
    const QStringList lines = made.message().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("p.csv: line 2: "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("p.csv: line 4: "))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("p.csv: 2 rows refused; nothing was written"));
}

// Points typed into the grades table: stored into every entry of the row's
// name, and as a step of the undo history taken back and made again to the
// byte, holding only the point list entries it touches.

// Rows: 2 the Anns, 3 Bo; columns: 2 Quiz, 3 Lab.
TEST(TypedPointsChange, EveryEntryOfTheRowsNameTakesThePointsAndTheSameOnesOrARefusalLeaveNoStep) {
    Document document = twoAnnsDocument();
    const GradesTable table = buildGradesTable(document.classRecord);
    ASSERT_EQ(table.sheet.text(2, 1), QStringLiteral("Ann"));
    ASSERT_TRUE(typedPointsChange(table.sheet, 2, 2, QStringLiteral("9")).applyTo(document).ok());
    EXPECT_EQ(document.classRecord.assignments[0].namegrade, (std::vector<std::string>{"Ann~9", "Bo~2", "Ann~9"}));

    // A student without an entry gets one.
    ASSERT_TRUE(typedPointsChange(table.sheet, 3, 3, QStringLiteral("-")).applyTo(document).ok());
    EXPECT_EQ(document.classRecord.assignments[1].namegrade, (std::vector<std::string>{"Ann~4", "Ann~6", "Bo~-"}));
    document = twoAnnsDocument();
    const ClassRecord before = document.classRecord;

    // The Anns hold 4 and 6 on the Lab: typing 4 rewrites the second only.
    Result<ChangeMade> partly = typedPointsChange(table.sheet, 2, 3, QStringLiteral("4")).applyTo(document);
    ASSERT_TRUE(partly.ok());
    ASSERT_NE(partly->step, nullptr);
    partly->step->undo(document);
    ASSERT_EQ(document.classRecord, before);

    Result<ChangeMade> same = typedPointsChange(table.sheet, 3, 2, QStringLiteral("2")).applyTo(document);
    ASSERT_TRUE(same.ok());
    EXPECT_EQ(same->step, nullptr);
    EXPECT_EQ(document.classRecord, before);

    // Only a student's points cell takes points, and only points.
    EXPECT_FALSE(typedPointsChange(table.sheet, 3, 2, QStringLiteral("x")).applyTo(document).ok());
    const int totalRow = table.sheet.maxRow();
    const int totalCol = table.sheet.maxCol() - 2;
    for (const auto& [row, col] : std::vector<std::pair<int, int>>{
             {1, 2}, {2, 1}, {totalRow, 2}, {2, totalCol}, {totalRow - 1, 2}, {2, table.sheet.maxCol()}}) {
        EXPECT_FALSE(typedPointsChange(table.sheet, row, col, QStringLiteral("5")).applyTo(document).ok())
            << row << "," << col;
    }
    EXPECT_EQ(document.classRecord, before);
}

TEST(TypedPointsChange, UndoAndRedoGiveTheFileBackByteForByte) {
    struct Case {
        const char* what;
        int row;
        int col;
        const char* typed;
    };
    for (const Case& c :
         {Case{"both entries of a shared name", 2, 2, "9"}, Case{"an entry the student lacked", 3, 3, "4.5"},
          Case{"one entry rewritten, an excused mark", 3, 2, "-"}}) {
        SCOPED_TRACE(c.what);
        Document document = twoAnnsDocument();
        const GradesTable table = buildGradesTable(document.classRecord);
        expectExactUndoAndRedo(document, typedPointsChange(table.sheet, c.row, c.col, QString::fromLatin1(c.typed)));
    }
}

TEST(TypedPointsChange, TheStepHoldsTheTouchedEntriesNotTheClass) {
    Document document;
    document.classRecord = makeSampleClass({.students = 300, .assignments = 40}, builtInDefaultGradeScale());
    const GradesTable table = buildGradesTable(document.classRecord);

    Result<ChangeMade> made = typedPointsChange(table.sheet, 5, 4, QStringLiteral("7.25")).applyTo(document);
    ASSERT_TRUE(made.ok());
    ASSERT_NE(made->step, nullptr);
    // One entry before and after, a few hundred bytes at most; the class holds megabytes.
    EXPECT_LT(made->step->heldBytes(), 512u);
    EXPECT_GT(heldBytesOf(document.classRecord), 100 * made->step->heldBytes());
}

// Curves worked out by hand on one quiz of five students (7, -, 4.5, 0, 9
// of 10): each kind with its rounding and cap, "-" kept, negatives floored
// at 0, and the curves that cannot be worked out.

TEST(Curve, EachKindGivesTheScoresWorkedOutByHand) {
    const struct {
        const char* name;
        CurveRule rule;
        QStringList scores;
        int changed;
    } cases[] = {
        // 8.25 and 10.25 round up to the half point; 10.5 is capped at 10.
        {"add, half points, capped", adding(1.25, 0.5, true), {"8.5", "-", "6", "1.5", "10"}, 4},
        // -0.5 and -5 become 0; the 0 that stays 0 keeps its text and is no change.
        {"add a negative", adding(-5), {"2", "-", "0", "0", "4"}, 3},
        // Times 10/9: fifteen significant digits without rounding.
        {"top", toTop(), {"7.77777777777778", "-", "5", "0", "10"}, 3},
        {"top, whole points", toTop(1), {"8", "-", "5", "0", "10"}, 3},
        // The mean of 7, 4.5, 0 and 9 is 5.125; 40 % of 10 is 4: 5.46, 3.51, 0, 7.02.
        {"mean, whole points", toMean(40, 1), {"5", "-", "4", "0", "7"}, 3},
        // 4 -> 6 and 9 -> 10: 8.4, 6.4, 2.8, 10, to the half point.
        {"map, half points", mapping(4, 9, 6, 10, 0.5), {"8.5", "-", "6.5", "3", "10"}, 4},
        {"map above the possible points, capped",
         mapping(0, 9, 0, 12, 0, true),
         {"9.33333333333333", "-", "6", "0", "10"},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CurvedColumn> curved = curveAssignment(quizClass(), 0, c.rule);
        ASSERT_TRUE(curved.ok()) << curved.message().toStdString();
        EXPECT_EQ(newScores(*curved), c.scores);
        EXPECT_EQ(curved->changed, c.changed);
    }
    // 3 maps to 5.249999999999999 in doubles: the 5.25 it stands for rounds up to 5.5.
    const Result<CurvedColumn> rounded =
        curveAssignment(quizClass({"3", "-", "-", "-", "-"}), 0, mapping(0.1, 5.9, 0.6, 9.9, 0.5));
    ASSERT_TRUE(rounded.ok());
    EXPECT_EQ(rounded->scores[0].after, QStringLiteral("5.5"));
}

TEST(Curve, CurvesThatCannotBeWorkedOutAreRefusedAndNamed) {
    const struct {
        const char* name;
        ClassRecord cls;
        CurveRule rule;
        const char* saying;
    } cases[] = {
        {"top with every score 0", quizClass({"0", "-", "0", "0", "0"}), toTop(), "highest score of \"Quiz 1\" is 0"},
        {"top with no score", quizClass({"-", "-", "-", "-", "-"}), toTop(), "highest score"},
        {"top on a quiz worth nothing", quizClass({"7", "-", "4.5", "0", "9"}, 0), toTop(), "worth no points"},
        {"mean of 0", quizClass({"0", "-", "0", "0", "0"}), toMean(70), "mean of \"Quiz 1\" is 0"},
        {"mean without a score", quizClass({"-", "-", "-", "-", "-"}), toMean(70), "no score that counts"},
        {"map of one score", quizClass(), mapping(5, 5, 6, 10), "same"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CurvedColumn> curved = curveAssignment(c.cls, 0, c.rule);
        ASSERT_FALSE(curved.ok());
        EXPECT_TRUE(curved.message().contains(QString::fromUtf8(c.saying))) << curved.message().toStdString();
    }
}

TEST(Curve, ThePreviewIsWhatTheChangeMakesAndNoMoveLeavesNothingToUndo) {
    const ClassRecord cls = quizClass();
    const CurveRule rule = adding(1.25, 0.5, true);
    const Result<CurvePreview> preview = previewCurve(cls, 0, rule);
    ASSERT_TRUE(preview.ok());

    Document document;
    document.classRecord = cls;
    const Change change = curveChange(cls, 0, rule);
    EXPECT_EQ(change.name(), QStringLiteral("Curve Quiz 1"));
    ASSERT_TRUE(change.applyTo(document).ok());
    EXPECT_EQ(document.classRecord, preview->curved);

    EXPECT_EQ(tableText(curvedScoresSheet(preview->column)),
              QStringList({"Student|Old|New", "Ann|7|8.5", "Bo|-|-", "Cy|4.5|6", "Dee|0|1.5", "Ed|9|10"}));
    // Mean 5.125 -> 6.5, median (the lower middle) 4.5 -> 6; Bo has no grade.
    // Before 70 C, 45 F, 0 F, 90 A; after 85 B, 60 D, 15 F, 100 A.
    EXPECT_EQ(tableText(curveEffectSheet(cls, *preview, 0)),
              QStringList({"|Before|After", "Mean score|5.13|6.50", "Median score|4.50|6.00", "Grade A|1|1",
                           "Grade B|0|1", "Grade C|1|0", "Grade D|0|1", "Grade F|2|1"}));
    // A curve that moves nothing leaves nothing to undo.
    document = Document{};
    document.classRecord = quizClass();
    const Result<ChangeMade> made = curveChange(document.classRecord, 0, adding(0)).applyTo(document);
    ASSERT_TRUE(made.ok());
    EXPECT_FALSE(made->step);
}
