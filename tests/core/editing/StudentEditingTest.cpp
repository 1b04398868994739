// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The roster operations keep the comments, the point lists and the seats in
// step with the students.

#include "tests/core/grading/GradesFixture.h"

#include "core/data/PointEntry.h"
#include "core/editing/StudentEditing.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using Entries = std::vector<std::string>;

// Ann, MaryAnn and Bo with two assignments, a seat each for Ann and MaryAnn.
ClassRecord annAndMaryAnn() {
    ClassRecord cls = makeClass({"Ann", "MaryAnn", "Bo"},
                                {{"Quiz", "Quiz", 10, {"8", "9", "-"}}, {"Test", "Test", 50, {"40", "45", "30"}}});
    cls.Seats = {{.name = "Ann"}, {.name = "MaryAnn"}};
    return cls;
}

StudentForm formNamed(const char* name, const char* comment = "") {
    StudentForm form;
    form[StudentField::Name] = QString::fromUtf8(name);
    form.comment = QString::fromUtf8(comment);
    return form;
}

std::vector<std::string> commentNames(const ClassRecord& cls) {
    std::vector<std::string> names;
    for (const CommentInfo& c : cls.comments) names.push_back(c.name);
    return names;
}

}  // namespace

TEST(StudentEditing, AddAppendsAZeroEntryToEveryListAndAComment) {
    ClassRecord cls = annAndMaryAnn();
    StudentForm form = formNamed("  Cleo Park ", "Sits at the front.\nLikes maps.");
    form[StudentField::City] = QStringLiteral(" Springfield ");
    const Result<std::size_t> added = addStudent(cls, form);
    ASSERT_TRUE(added.ok()) << added.message().toStdString();
    EXPECT_EQ(*added, 3u);
    EXPECT_EQ(cls.students[3].name, "Cleo Park");
    EXPECT_EQ(cls.students[3].city, "Springfield");
    EXPECT_EQ(cls.comments[3].name, "Cleo Park");
    EXPECT_EQ(cls.comments[3].desc, "Sits at the front.\r\nLikes maps.");
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-", "Cleo Park~0"}));
    EXPECT_EQ(cls.assignments[1].namegrade.back(), "Cleo Park~0");
}

TEST(StudentEditing, AddAndUpdateRefuseWhatCannotBeKeptAndChangeNothing) {
    ClassRecord cls = annAndMaryAnn();
    const ClassRecord before = cls;
    EXPECT_EQ(addStudent(cls, formNamed("  ")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_FALSE(addStudent(cls, formNamed("Dee~Dee")).ok());
    EXPECT_TRUE(addStudent(cls, formNamed("ann")).message().contains(QStringLiteral("Ann")));
    EXPECT_FALSE(addStudent(cls, formNamed("Dee", std::string(1000, 'x').c_str())).ok());

    // Update checks what Add checks: an empty name, a "~", another's name.
    EXPECT_EQ(updateStudent(cls, 0, formNamed("")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_FALSE(updateStudent(cls, 0, formNamed("A~nn")).ok());
    EXPECT_FALSE(updateStudent(cls, 0, formNamed("MARYANN")).ok());
    EXPECT_FALSE(updateStudent(cls, 7, formNamed("Zed")).ok());
    EXPECT_EQ(cls, before);

    // A student never clashes with their own name, whatever its capitals.
    const auto renamed = updateStudent(cls, 0, formNamed(" ANN "));
    ASSERT_TRUE(renamed.ok());
    EXPECT_EQ(cls.students[0].name, "ANN");
}

TEST(StudentEditing, RenamingAnnTouchesOnlyHerEntriesCommentAndSeat) {
    ClassRecord cls = annAndMaryAnn();
    const Result<std::optional<StudentRename>> renamed = updateStudent(cls, 0, formNamed("Anne", "new comment"));
    ASSERT_TRUE(renamed.ok());
    ASSERT_TRUE(renamed->has_value());
    EXPECT_EQ(**renamed, (StudentRename{"Ann", "Anne"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8", "MaryAnn~9", "Bo~-"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Anne~40", "MaryAnn~45", "Bo~30"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne", "MaryAnn", "Bo"}));
    EXPECT_EQ(cls.comments[0].desc, "new comment");
    EXPECT_EQ(cls.Seats[0].name, "Anne");
    EXPECT_EQ(cls.Seats[1].name, "MaryAnn");

    // Changing anything but the name is no rename.
    StudentForm form = formNamed("MaryAnn");
    form[StudentField::Id] = QStringLiteral("M-2");
    const auto same = updateStudent(cls, 1, form);
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(same->has_value());
    EXPECT_EQ(cls.students[1].id, "M-2");
}

TEST(StudentEditing, DeletingAnnRemovesHerEntryAndCommentOnly) {
    ClassRecord cls = annAndMaryAnn();
    ASSERT_TRUE(deleteStudent(cls, 0));
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"MaryAnn", "Bo"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"MaryAnn", "Bo"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"MaryAnn~9", "Bo~-"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"MaryAnn~45", "Bo~30"}));
    EXPECT_FALSE(deleteStudent(cls, 2));
}

TEST(StudentEditing, MovingExchangesEntriesAndCommentsByPosition) {
    ClassRecord cls = annAndMaryAnn();
    ASSERT_TRUE(moveStudent(cls, 2, MoveDirection::Up));  // Bo up
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "Bo", "MaryAnn"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Ann", "Bo", "MaryAnn"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "Bo~-", "MaryAnn~9"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Ann~40", "Bo~30", "MaryAnn~45"}));

    EXPECT_FALSE(moveStudent(cls, 0, MoveDirection::Up));
    EXPECT_FALSE(moveStudent(cls, 2, MoveDirection::Down));
    ASSERT_TRUE(moveStudent(cls, 0, MoveDirection::Down));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Ann~8", "MaryAnn~9"}));
}

TEST(StudentEditing, TwoStudentsOfOneNameKeepTheirOwnEntries) {
    ClassRecord cls = twoAnns();
    ASSERT_TRUE(deleteStudent(cls, 2));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~1", "Bo~2"}));

    cls = twoAnns();
    ASSERT_TRUE(updateStudent(cls, 2, formNamed("Annie")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~1", "Bo~2", "Annie~3"}));
}

TEST(StudentEditing, ShortAndOutOfStepListsAreNeverReadPastTheirEnd) {
    ClassRecord cls = annAndMaryAnn();
    cls.assignments[0].namegrade = {"Bo~-", "Ann~8"};  // MaryAnn has no entry, the order is off
    cls.assignments[1].namegrade = {};
    cls.comments.resize(1);

    ASSERT_TRUE(updateStudent(cls, 0, formNamed("Anne")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne", "MaryAnn", "Bo"}));

    ASSERT_TRUE(updateStudent(cls, 1, formNamed("Mary")).ok());  // no entry to rename
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));

    ASSERT_TRUE(moveStudent(cls, 0, MoveDirection::Down));  // Anne and Mary: only Anne has an entry
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));

    ASSERT_TRUE(deleteStudent(cls, 2));  // Bo, found away from his position
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8"}));
    ASSERT_TRUE(deleteStudent(cls, 0));  // Mary, who has none
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8"}));
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Anne"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne"}));
}

TEST(StudentEditing, ClearLeavesNoStudentsCommentsOrAssignments) {
    ClassRecord cls = annAndMaryAnn();
    clearStudents(cls);
    EXPECT_TRUE(cls.students.empty());
    EXPECT_TRUE(cls.comments.empty());
    EXPECT_TRUE(cls.assignments.empty());
}

TEST(StudentEditing, ImportTrimsNamesOnceAndSkipsDuplicatesAndTildes) {
    ClassRecord cls = annAndMaryAnn();
    const std::vector<StudentInfo> others = {namedStudent("  Cleo Park ", "C-3"),
                                             namedStudent("ANN"),      // already in the class
                                             namedStudent("Dee~Dee"),  // cannot be an entry's name
                                             namedStudent("Eve"),
                                             namedStudent(" eve"),  // Eve has just been imported
                                             namedStudent("   ")};

    const StudentImport report = importStudents(cls, others);
    EXPECT_EQ(report.added, (std::vector<std::string>{"Cleo Park", "Eve"}));
    ASSERT_EQ(report.skipped.size(), 4u);
    const QString message = report.message();
    for (const char* name : {"ANN", "Dee~Dee", " eve"}) {
        EXPECT_TRUE(message.contains(QString::fromLatin1(name))) << name;
    }

    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "MaryAnn", "Bo", "Cleo Park", "Eve"}));
    EXPECT_EQ(cls.students[3].id, "C-3");
    EXPECT_EQ(cls.comments[3], (CommentInfo{"Cleo Park", ""}));
    EXPECT_EQ(cls.assignments[0].namegrade[3], "Cleo Park~0");

    // The trimmed name is the one a later Delete looks for.
    ASSERT_TRUE(deleteStudent(cls, 3));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-", "Eve~0"}));
    EXPECT_TRUE(importStudents(cls, {}).message().isEmpty());
}
