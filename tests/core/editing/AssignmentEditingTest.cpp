// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Adding, changing and importing assignments keeps the point lists whole.

#include "tests/core/grading/GradesFixture.h"

#include "core/editing/AssignmentEditing.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using Entries = std::vector<std::string>;

ClassRecord threeStudents() {
    return makeClass({"Ann", "MaryAnn", "Bo"}, {{"Quiz", "Quiz", 10, {"8", "9", "-"}}});
}

AssignmentForm form(const char* title, const char* type, const char* description = "") {
    return {QString::fromUtf8(title), QString::fromUtf8(type), QString::fromUtf8(description)};
}

}  // namespace

TEST(AssignmentEditing, AddGivesEveryStudentZeroPointsInClassOrder) {
    ClassRecord cls = threeStudents();
    const Result<std::size_t> added = addAssignment(cls, form("  Lab 1 ", "Lab", " Pendulum\nbring a watch "));
    ASSERT_TRUE(added.ok()) << added.message().toStdString();
    const AssignmentInfo& lab = cls.assignments[*added];
    EXPECT_EQ(lab.title, "Lab 1");
    EXPECT_EQ(lab.assign_type, "Lab");
    EXPECT_EQ(lab.description, "Pendulum\r\nbring a watch");
    EXPECT_EQ(lab.total, 0);
    EXPECT_EQ(lab.namegrade, (Entries{"Ann~0", "MaryAnn~0", "Bo~0"}));
}

TEST(AssignmentEditing, TitleAndTypeAreNeededForAddAndUpdate) {
    ClassRecord cls = threeStudents();
    const ClassRecord before = cls;
    EXPECT_EQ(addAssignment(cls, form("  ", "Quiz")).message(), QStringLiteral("Invalid assignment title!"));
    EXPECT_EQ(addAssignment(cls, form("Quiz 2", "")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_EQ(addAssignment(cls, form("Quiz 2", "quiz")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_FALSE(addAssignment(cls, form(std::string(256, 't').c_str(), "Quiz")).ok());
    EXPECT_FALSE(addAssignment(cls, form("Quiz 2", "Quiz", std::string(501, 'd').c_str())).ok());
    // Without a type an assignment would silently leave weights and dropping.
    EXPECT_EQ(updateAssignment(cls, 0, form("Quiz", "")).message(), QStringLiteral("Invalid assignment type!"));
    EXPECT_EQ(updateAssignment(cls, 0, form("", "Quiz")).message(), QStringLiteral("Invalid assignment title!"));
    EXPECT_EQ(cls, before);
}

TEST(AssignmentEditing, UpdateKeepsPointsAndTotal) {
    ClassRecord cls = threeStudents();
    ASSERT_TRUE(updateAssignment(cls, 0, form(" Pop quiz ", "Test", "surprise")).ok());
    EXPECT_EQ(cls.assignments[0].title, "Pop quiz");
    EXPECT_EQ(cls.assignments[0].assign_type, "Test");
    EXPECT_EQ(cls.assignments[0].total, 10);
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-"}));
}

TEST(AssignmentEditing, DeleteMoveClearAndImport) {
    ClassRecord cls = threeStudents();
    ASSERT_TRUE(addAssignment(cls, form("Test", "Test")).ok());
    ASSERT_TRUE(moveAssignment(cls, 1, MoveDirection::Up));
    EXPECT_EQ(cls.assignments[0].title, "Test");
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-"}));  // points move with it
    EXPECT_FALSE(moveAssignment(cls, 0, MoveDirection::Up));
    EXPECT_FALSE(moveAssignment(cls, 1, MoveDirection::Down));
    ASSERT_TRUE(deleteAssignment(cls, 0));
    EXPECT_FALSE(deleteAssignment(cls, 1));
    EXPECT_EQ(cls.assignments.size(), 1u);

    // Imported assignments come as they are, but with this class's students at 0.
    const AssignmentInfo foreign{"Final", "Chapters 1-9", "Final", 200, {"Zed~150"}};
    importAssignments(cls, {foreign, foreign});
    ASSERT_EQ(cls.assignments.size(), 3u);
    EXPECT_EQ(cls.assignments[2].title, "Final");
    EXPECT_EQ(cls.assignments[2].description, "Chapters 1-9");
    EXPECT_EQ(cls.assignments[2].total, 0);
    EXPECT_EQ(cls.assignments[2].namegrade, (Entries{"Ann~0", "MaryAnn~0", "Bo~0"}));

    clearAssignments(cls);
    EXPECT_TRUE(cls.assignments.empty());
    EXPECT_EQ(cls.students.size(), 3u);
}
