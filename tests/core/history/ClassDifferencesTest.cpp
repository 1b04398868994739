// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What the history says changed between two states of a class.

#include "core/history/ClassDifferences.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace markwell;
using namespace markwell::test;

namespace {

Document periodOne() {
    Document document;
    document.classRecord = makeClass(
        {"Ann", "Bo", "Cy"}, {{"Quiz 1", "Quiz", 10, {"7", "8", "-"}}, {"Test 1", "Test", 50, {"40", "45", "30"}}});
    document.classRecord.Seats = {SeatingInfo{.name = "Ann"}, SeatingInfo{.name = "Bo", .left = 100}};
    document.attendance = AttendanceBook({attendanceRecord(10, 2026, "Ann", "")});
    return document;
}

// Each line as "what|student|assignment|old|new".
std::vector<std::string> linesOf(const std::vector<Difference>& differences) {
    std::vector<std::string> lines;
    lines.reserve(differences.size());
    for (const Difference& d : differences) {
        lines.push_back(differenceWord(d.what).toStdString() + '|' + d.student + '|' + d.assignment + '|' + d.oldValue +
                        '|' + d.newValue);
    }
    return lines;
}

struct Case {
    const char* name;
    std::function<void(Document&)> edit;
    std::vector<std::string> expected;
    std::vector<StudentRename> renames = {};
};

class Differences : public testing::TestWithParam<Case> {};

TEST_P(Differences, ListsExactlyWhatChangedInClassOrder) {
    const Document before = periodOne();
    Document after = before;
    GetParam().edit(after);
    EXPECT_EQ(linesOf(classDifferences(classStateOf(before), classStateOf(after), GetParam().renames)),
              GetParam().expected);
}

const Case kCases[] = {
    {"Nothing", [](Document&) {}, {}},
    {"ScoresRowByRowNotCountedIncluded",
     [](Document& d) {
         setPoints(d.classRecord, 1, 0, "41");
         setPoints(d.classRecord, 0, 2, "9");
         setPoints(d.classRecord, 0, 0, "-");
     },
     {"score|Ann|Quiz 1|7|-", "score|Ann|Test 1|40|41", "score|Cy|Quiz 1|-|9"}},
    {"AssignmentDetails",
     [](Document& d) {
         d.classRecord.assignments[0].title = "Pop quiz";
         d.classRecord.assignments[0].total = 12.5;
         d.classRecord.assignments[1].assign_type = "Final";
     },
     {"title||Pop quiz|Quiz 1|Pop quiz", "possible points||Pop quiz|10|12.5", "type||Test 1|Test|Final"}},
    {"AssignmentsMovedAreNoChange",
     [](Document& d) { std::swap(d.classRecord.assignments[0], d.classRecord.assignments[1]); },
     {}},
    {"ListOutOfStepIsReadByName",
     [](Document& d) {
         auto& list = d.classRecord.assignments[1].namegrade;
         std::reverse(list.begin(), list.end());
     },
     {}},
    {"StudentsAddedAndRemoved",
     [](Document& d) {
         auto& cls = d.classRecord;
         cls.students.erase(cls.students.begin() + 1);
         cls.comments.erase(cls.comments.begin() + 1);
         for (auto& a : cls.assignments) a.namegrade.erase(a.namegrade.begin() + 1);
         cls.students.emplace_back().name = "Di";
         cls.comments.push_back({"Di", ""});
         cls.assignments[0].namegrade.push_back("Di~0");
         cls.assignments[1].namegrade.push_back("Di~44");
     },
     {"student removed|Bo|||", "student added|Di|||", "score|Di|Test 1||44"}},
    {"RenameKnownToTheChangeModel",
     [](Document& d) {
         d.classRecord.students[1].name = "Bob";
         for (auto& a : d.classRecord.assignments) a.namegrade[1] = "Bob" + a.namegrade[1].substr(2);
         d.classRecord.Seats[1].name = "Bob";
         setPoints(d.classRecord, 0, 1, "9");
     },
     {"student renamed|Bob||Bo|Bob", "score|Bob|Quiz 1|8|9"},
     {{"Bo", "Bob"}}},
    {"RenameUnknownIsARemovalAndAnAddition",
     [](Document& d) {
         d.classRecord.students[1].name = "Bob";
         for (auto& a : d.classRecord.assignments) a.namegrade[1] = "Bob" + a.namegrade[1].substr(2);
     },
     {"student removed|Bo|||", "student added|Bob|||", "score|Bob|Quiz 1||8", "score|Bob|Test 1||45"}},
    {"RenamesUndoneCancelOut", [](Document&) {}, {}, {{"Bo", "Bob"}, {"Bob", "Bo"}}},
    {"Rules",
     [](Document& d) {
         d.classRecord.gradeScale = expandedScale();
         d.classRecord.weightGrades = {.Final = 40, .Test = 60, .enabled = true};
         dropByType(d.classRecord, {2, 3});
     },
     {"scale|||<Default>|Expanded",
      "weights|||Final 0, Test 0, Quiz 0, Homework 0, Lab 0, Other 0; off|"
      "Final 40, Test 60, Quiz 0, Homework 0, Lab 0, Other 0; on",
      "drop rule|||none|by-type Quiz,Homework"}},
    {"CommentChangedButNotItsText",
     [](Document& d) { d.classRecord.comments[2].desc = "Moved to period 2"; },
     {"comment|Cy|||"}},
    {"AttendanceMarksCountedWithTheirMonths",
     [](Document& d) {
         d.attendance.appendRecord(attendanceRecord(11, 2026, "Bo", "TU"));
         d.attendance.setMark(0, 3, 'E');
     },
     {"attendance|||2026-10, 2026-11|3"}},
    {"SeatsCounted",
     [](Document& d) {
         d.classRecord.Seats[0].left = 300;
         d.classRecord.Seats.push_back({.name = "Cy"});
         d.classRecord.teacherSeat.left = 500;
     },
     {"seats||||3"}},
};

INSTANTIATE_TEST_SUITE_P(History, Differences, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Differences, TwoStudentsOfOneNameKeepTheirOwnScores) {
    Document before;
    before.classRecord = makeClass({"Kim", "Kim"}, {{"Quiz 1", "Quiz", 10, {"5", "6"}}});
    Document after = before;
    setPoints(after.classRecord, 0, 1, "10");
    EXPECT_EQ(linesOf(classDifferences(classStateOf(before), classStateOf(after))),
              std::vector<std::string>{"score|Kim|Quiz 1|6|10"});
}

TEST(Differences, FromNothingEveryStudentAndAssignmentIsAddedWithTheScoresBeyondTheStart) {
    Document made;
    made.classRecord = makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"0", "7"}}});
    EXPECT_EQ(linesOf(classDifferences(ClassState{}, classStateOf(made))),
              (std::vector<std::string>{"assignment added||Quiz 1||", "student added|Ann|||", "student added|Bo|||",
                                        "score|Bo|Quiz 1||7"}));
}

TEST(Differences, ADamagedStateGivesNoDifferences) {
    ClassState damaged = classStateOf(periodOne());
    damaged.parts[ClassState::kFirstAssignment].chop(1);
    EXPECT_FALSE(isReadableState(damaged));
    EXPECT_TRUE(classDifferences(damaged, classStateOf(Document{})).empty());
}

}  // namespace
