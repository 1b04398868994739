// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The scores written as Canvas imports a gradebook, and read back by the
// import of scores without a change.

#include "tests/core/grading/GradesFixture.h"

#include "core/export/CanvasExport.h"
#include "core/export/CsvWriter.h"
#include "core/scores/ScorePlan.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

TEST(CanvasExport, WritesCanvassColumnsAndReadsBackWithoutAChange) {
    ClassRecord cls = makeClass({"Ann Lee", "Bo, Jr.", "Zo\xEB"},
                                {{"Quiz 1", "Quiz", 10, {"8", "-", "9.50"}}, {"=Lab", "Lab", 20.5, {"", "15.5", "0"}}});
    cls.students[0].id = "A-1";
    cls.students[2].id = "Z-3";
    const QByteArray bytes = csvBytes(canvasGradebookSheet(cls));
    EXPECT_EQ(bytes, QByteArray("Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,'=Lab\r\n"
                                "Points Possible,,,,,10,20.5\r\n"
                                "Ann Lee,,A-1,,,8,\r\n"
                                "\"Bo, Jr.\",,,,,EX,15.5\r\n"
                                "Zo\xC3\xAB,,Z-3,,,9.50,0\r\n"));

    const Result<ScoreTable> table = parseScoreFile(bytes);
    ASSERT_TRUE(table.ok()) << table.message().toStdString();
    EXPECT_EQ(table->layout, ScoreLayout::Canvas);
    const ScorePlan plan = planScoreImport(cls, *table, defaultScoreMapping(cls, *table));
    EXPECT_FALSE(plan.blocked());
    EXPECT_FALSE(plan.changesAnything());
    EXPECT_EQ(plan.counts.unchanged, 5);
    EXPECT_TRUE(plan.notInFile.empty());
}
