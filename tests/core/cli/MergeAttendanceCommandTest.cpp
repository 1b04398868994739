// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli attendance and merge on classes of the tests: what they count
// and write, and what they refuse.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"

#include "core/files/AttendanceFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

class MergeAttendanceCommands : public CliFolder {
protected:
    QString writeClass(const char* name, const ClassRecord& cls) const {
        EXPECT_TRUE(writeGradeFile(path(name), cls));
        return path(name);
    }
};

ClassRecord twoStudents() {
    return makeClass({"Ann Lee", "Bo Chen"}, {{"Test", "Test", 100, {"91", "74"}}});
}

}  // namespace

TEST_F(MergeAttendanceCommands, AttendanceCountsTheFileBesideTheClassAndNeverCreatesIt) {
    const QString grades = writeClass("c.grs", twoStudents());
    CliRun run = runCli({"attendance", grades, "--year", "2024", "--student", "bo chen"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\nMarch\t0\t0\t0\t0\n"));
    EXPECT_FALSE(QFile::exists(path("c.ATD")));

    ASSERT_TRUE(writeAttendanceFile(path("c.ATD"), {attendanceRecord(3, 2024, "BO CHEN", "TUE tue E"),
                                                    attendanceRecord(3, 2023, "Bo Chen", "TTTT")}));
    const QByteArray before = fileContents(path("c.ATD"));
    run = runCli({"attendance", grades, "--year", "2024", "--student", "Bo Chen"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\nMarch\t1\t1\t2\t4\n")) << run.out.toStdString();
    EXPECT_EQ(fileContents(path("c.ATD")), before);
    run = runCli({"attendance", grades, "--year", "9999", "--student", "Bo Chen"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("\nMarch\t0\t0\t0\t0\n"));
}

TEST_F(MergeAttendanceCommands, AttendanceRefusesWhatItCannotCount) {
    const QString grades = writeClass("c.grs", twoStudents());
    expectRefused({"attendance", grades, "--year", "2024", "--student", "Cy"}, 1);
    expectRefused({"attendance", grades, "--year", "0", "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", grades, "--year", "10000", "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", grades, "--student", "Bo Chen"}, 2);
    expectRefused({"attendance", path("none.grs"), "--year", "2024", "--student", "Bo"}, 1);

    // A damaged attendance file is no spotless year.
    Result<QByteArray> bytes = serializeAttendanceFile({attendanceRecord(3, 2024, "Bo Chen", "T")});
    ASSERT_TRUE(bytes);
    bytes->data()[0] = 13;  // month 13: no Markwell file holds it
    write("c.ATD", *bytes);
    expectRefused({"attendance", grades, "--year", "2024", "--student", "Bo Chen"}, 1, path("c.ATD"));
}

TEST_F(MergeAttendanceCommands, MergeRefusesOneFileTwiceAndFilesThatCannotBeRead) {
    const QString grades = writeClass("a.grs", twoStudents());
    ASSERT_TRUE(QFile::link(grades, path("link.grs")));
    ASSERT_TRUE(hardLink(grades, path("hard.grs")));
    for (const char* other : {"link.grs", "hard.grs"})
        expectRefused({"merge", grades, path(other)}, 1, "Unable to merge the same file!");
    expectRefused({"merge", grades, path("missing.grs"), "-o", path("out.csv")}, 1, path("missing.grs"));
    EXPECT_FALSE(QFile::exists(path("missing.grs")));
    EXPECT_FALSE(QFile::exists(path("out.csv")));
    expectRefused({"merge", grades}, 2);
    expectRefused({"merge", grades, grades, grades}, 2);
    expectRefused({"merge", grades, path("b.grs"), "--colour"}, 2);
}

TEST_F(MergeAttendanceCommands, MergeWritesWhatItPrintsAndRefusesOtherExtensionsFirst) {
    const QString a = writeClass("a.grs", twoStudents());
    const QString b = writeClass("b.grs", makeClass({"Bo Chen"}, {{"Quiz", "Quiz", 10, {"6"}}}));
    CliRun run = runCli({"merge", a, b, "-o", path("merged.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tA\nBo Chen\t80\t110\t72.73%\tC\n");
    QString csv = run.out;
    csv.replace(QLatin1Char('\t'), QLatin1Char(',')).replace("\n", "\r\n");
    EXPECT_EQ(QString::fromUtf8(fileContents(path("merged.csv"))), csv);

    expectRefused({"merge", a, path("nothing-here.grs"), "-o", path("merged.txt")}, 1, ".xls, .xlsx or .csv");
    EXPECT_FALSE(QFile::exists(path("merged.txt")));
}

TEST_F(MergeAttendanceCommands, MergeRegradesWithAStoredScale) {
    {
        QSettingsStore settings;  // the user's store of this test run
        ScaleStore store(settings);
        ASSERT_TRUE(store.saveScale({"Pass 75", ScaleKind::PassFail, {{"Pass", "75", "100"}, {"Fail", "0", "74.9"}}}));
        ASSERT_TRUE(settings.flush());
    }
    const QString a = writeClass("a.grs", twoStudents());
    const QString b = writeClass("b.grs", makeClass({}, {}));
    const QString printed = outputOf({"merge", a, b, "--scale", "Pass 75"});
    EXPECT_EQ(printed,
              "Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tPass\nBo Chen\t74\t100\t74.00%\tFail\n");
    EXPECT_EQ(readGradeFile(a)->gradeScale, twoStudents().gradeScale);
    expectRefused({"merge", a, b, "--scale", "No Such Scale"}, 1);
}
