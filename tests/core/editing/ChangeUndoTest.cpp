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
#include "core/grading/GradesLayout.h"
#include "core/scales/ScaleChecks.h"
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

TEST(ChangeUndo, ARenameCarriesTheStudentsAttendance) {
    Document document = sampleDocument();
    const Result<ChangeMade> made =
        editedClassChange(QStringLiteral("Edit Students"), withAnnRenamed(), {{"Ann", "Anna"}}).applyTo(document);
    ASSERT_TRUE(made.ok());
    EXPECT_TRUE(document.attendance.findAttendanceRecord(9, 2026, "Anna"));
    EXPECT_FALSE(document.attendance.findAttendanceRecord(9, 2026, "Ann"));
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

TEST(ChangeUndo, AnAssignmentIsChosenByExactTitleFirstOrByPlaceFromOne) {
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
