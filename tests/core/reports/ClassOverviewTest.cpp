// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The overview of a teacher's classes: a class summed up by hand, the grade
// files of a folder, and a damaged file that takes its row without stopping
// the others.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/TestFiles.h"

#include "core/files/GradeFile.h"
#include "core/reports/ClassOverview.h"
#include "core/scales/ScaleSnapshot.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

// Ann 27 of 30 (90.00%, A), Bo 10 of 20 (50.00%, F), Cy 0 of 10 (0.00%, F)
// and Dee, who has nothing that counts ("-"). The extra credit is worth no
// points, so its zeros are no missing work.
ClassRecord handClass() {
    return makeClass({"Ann", "Bo", "Cy", "Dee"}, {{"Quiz 1", "Quiz", 10, {"7", "-", "0", "-"}},
                                                  {"Extra", "Other", 0, {"0", "0", "0", "0"}},
                                                  {"Homework 1", "Homework", 20, {"20", "10", "-", "-"}}});
}

}  // namespace

TEST(ClassOverview, AClassIsSummedUpFromItsGradesTable) {
    const ClassSummary summary = summariseClass(QStringLiteral("/t/period1.grs"), handClass());
    EXPECT_EQ(summary.students, 4);
    EXPECT_EQ(summary.assignments, 3);
    // (90 + 50 + 0) / 3: Dee's "-" grade is left out.
    EXPECT_EQ(summary.average, QStringLiteral("46.67%"));
    // Bo's and Dee's quiz, Cy's 0, Cy's and Dee's homework.
    EXPECT_EQ(summary.missing, 5);

    const struct {
        const char* letter;
        std::optional<int> below;
    } cases[] = {{"A", 3}, {"d", 2}, {" F ", 2}, {"Z", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_EQ(studentsAtOrBelow(summary, QString::fromUtf8(c.letter)), c.below);
    }
    EXPECT_EQ(tableText(overviewSheet({summary}, QStringLiteral("D"), true)),
              QStringList({"Class|Students|Assignments|Average|Missing|Below|Grades",
                           "period1.grs|4|3|46.67%|5|2|A 1, B 0, C 0, D 0, F 2"}));
    // Without a letter, and for a class with no student, there is nothing to count.
    const ClassSummary empty = summariseClass(QStringLiteral("new.grs"), makeClass({}, {}));
    EXPECT_EQ(tableText(overviewSheet({empty}, QString(), false)).last(), QStringLiteral("new.grs|0|0|-|0|-"));
}

TEST(ClassOverview, AFolderGivesItsGradeFilesInNameOrderWithoutSubfolders) {
    QTemporaryDir dir;
    for (const char* name : {"b.grs", "A.GRS", "c.Grs", "notes.txt", "c.grs.bak"}) {
        ASSERT_TRUE(writeWholeFile(dir.filePath(QString::fromUtf8(name)), "x"));
    }
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    ASSERT_TRUE(writeWholeFile(dir.filePath(QStringLiteral("sub/d.grs")), "x"));
    EXPECT_EQ(classFilesIn(dir.path()),
              QStringList({dir.filePath(QStringLiteral("A.GRS")), dir.filePath(QStringLiteral("b.grs")),
                           dir.filePath(QStringLiteral("c.Grs"))}));
}

TEST(ClassOverview, ADamagedFileIsARowWithItsReasonAndTheReadingGoesOn) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.grs"));
    const QString bad = dir.filePath(QStringLiteral("bad.grs"));
    ASSERT_TRUE(writeGradeFile(good, handClass()).ok());
    ASSERT_TRUE(writeWholeFile(bad, "not a class"));
    QSettingsStore settings;
    const ScaleSnapshot scales{ScaleStore(settings)};

    const std::vector<ClassSummary> classes = summariseClassFiles({bad, good}, scales);
    ASSERT_EQ(classes.size(), 2U);
    EXPECT_FALSE(classes[0].damage.isEmpty());
    EXPECT_EQ(classes[1].average, QStringLiteral("46.67%"));
    const Sheet sheet = overviewSheet(classes, QString(), false);
    EXPECT_EQ(rowText(sheet, 2), QStringLiteral("bad.grs|damaged: %1||||").arg(classes[0].damage));
    EXPECT_EQ(rowText(overviewSheet(classes, QString(), true), 2),
              QStringLiteral("bad.grs|damaged|||||%1").arg(classes[0].damage));

    // Stopped after the first class: what was read comes back.
    int asked = 0;
    const std::vector<ClassSummary> stopped =
        summariseClassFiles({good, bad, good}, scales, [&asked](int done, int count) {
            EXPECT_EQ(count, 3);
            ++asked;
            return done < 1;
        });
    EXPECT_EQ(stopped.size(), 1U);
    EXPECT_EQ(asked, 2);
}
