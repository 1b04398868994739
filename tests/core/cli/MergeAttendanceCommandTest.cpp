// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli attendance and merge: the shipped examples against tables
// checked by hand (kept beside this test), and what the commands refuse.
//
// period1-attendance-2026.txt: Léa Patel's records of period1.ATD, read
// byte by byte apart from Markwell: September T 3, U 1, E 1; October 2, 2, 2;
// November U 2; December T 2; no other month of 2026 has a record.
// period1-period2-merge.txt: the two classes share no name, so each row is
// the student's own counted points over the totals of the assignments they
// have a mark on, without weights or dropping (Zara Ivanova: the 93 points
// of her grades row over 175, "-" on the 200-point final: 53.14%, F).

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

QString s(const char* text) {
    return QString::fromUtf8(text);
}

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

TEST(MergeAttendanceExamples, AttendanceOfPeriod1MatchesTheHandCheckedYear) {
    // The roster's name is found whatever its letter case, accents included.
    const CliRun run =
        runCli({s("attendance"), exampleFile("period1.grs"), s("--year"), s("2026"), s("--student"), s("LÉA PATEL")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedOutput("period1-attendance-2026.txt"));
}

TEST(MergeAttendanceExamples, MergeOfThePeriodsMatchesTheHandCheckedReports) {
    CliRun run = runCli({s("merge"), exampleFile("period1.grs"), exampleFile("period2.grs")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedOutput("period1-period2-merge.txt"));

    // With IDs as the printout shows them: the second file's rows come first.
    run = runCli({s("merge"), exampleFile("period2.grs"), exampleFile("period1.grs"), s("--ids")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedOutput("period2-period1-merge-ids.txt"));
}

TEST_F(MergeAttendanceCommands, AttendanceCountsTheFileBesideTheClassAndNeverCreatesIt) {
    const QString grades = writeClass("c.grs", twoStudents());
    CliRun run = runCli({s("attendance"), grades, s("--year"), s("2024"), s("--student"), s("bo chen")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(s("\nMarch\t0\t0\t0\t0\n")));
    EXPECT_FALSE(QFile::exists(path("c.ATD")));

    ASSERT_TRUE(writeAttendanceFile(path("c.ATD"), {attendanceRecord(3, 2024, "BO CHEN", "TUE tue E"),
                                                    attendanceRecord(3, 2023, "Bo Chen", "TTTT")}));
    const QByteArray before = fileContents(path("c.ATD"));
    run = runCli({s("attendance"), grades, s("--year"), s("2024"), s("--student"), s("Bo Chen")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(s("\nMarch\t1\t1\t2\t4\n"))) << run.out.toStdString();
    EXPECT_EQ(fileContents(path("c.ATD")), before);
    run = runCli({s("attendance"), grades, s("--year"), s("9999"), s("--student"), s("Bo Chen")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(s("\nMarch\t0\t0\t0\t0\n")));
}

TEST_F(MergeAttendanceCommands, AttendanceRefusesWhatItCannotCount) {
    const QString grades = writeClass("c.grs", twoStudents());
    EXPECT_EQ(runCli({s("attendance"), grades, s("--year"), s("2024"), s("--student"), s("Cy")}).exitCode, 1);
    EXPECT_EQ(runCli({s("attendance"), grades, s("--year"), s("0"), s("--student"), s("Bo Chen")}).exitCode, 2);
    EXPECT_EQ(runCli({s("attendance"), grades, s("--year"), s("10000"), s("--student"), s("Bo Chen")}).exitCode, 2);
    EXPECT_EQ(runCli({s("attendance"), grades, s("--student"), s("Bo Chen")}).exitCode, 2);
    EXPECT_EQ(runCli({s("attendance"), path("none.grs"), s("--year"), s("2024"), s("--student"), s("Bo")}).exitCode, 1);

    // A damaged attendance file is no spotless year.
    Result<QByteArray> bytes = serializeAttendanceFile({attendanceRecord(3, 2024, "Bo Chen", "T")});
    ASSERT_TRUE(bytes);
    bytes->data()[0] = 13;  // month 13: no Markwell file holds it
    write("c.ATD", *bytes);
    const CliRun run = runCli({s("attendance"), grades, s("--year"), s("2024"), s("--student"), s("Bo Chen")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(path("c.ATD"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(MergeAttendanceCommands, MergeRefusesOneFileTwiceAndFilesThatCannotBeRead) {
    const QString grades = writeClass("a.grs", twoStudents());
    ASSERT_TRUE(QFile::link(grades, path("link.grs")));
    CliRun run = runCli({s("merge"), grades, path("link.grs")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(s("Unable to merge the same file!")));
    EXPECT_TRUE(run.out.isEmpty());

    run = runCli({s("merge"), grades, path("missing.grs"), s("-o"), path("out.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(path("missing.grs")));
    EXPECT_FALSE(QFile::exists(path("missing.grs")));
    EXPECT_FALSE(QFile::exists(path("out.csv")));

    EXPECT_EQ(runCli({s("merge"), grades}).exitCode, 2);
    EXPECT_EQ(runCli({s("merge"), grades, grades, grades}).exitCode, 2);
    EXPECT_EQ(runCli({s("merge"), grades, path("b.grs"), s("--colour")}).exitCode, 2);
}

TEST_F(MergeAttendanceCommands, MergeWritesWhatItPrintsAndRefusesOtherExtensionsFirst) {
    const QString a = writeClass("a.grs", twoStudents());
    const QString b = writeClass("b.grs", makeClass({"Bo Chen"}, {{"Quiz", "Quiz", 10, {"6"}}}));
    CliRun run = runCli({s("merge"), a, b, s("-o"), path("merged.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              s("Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tA\nBo Chen\t80\t110\t72.73%\tC\n"));
    QString csv = run.out;
    csv.replace(QLatin1Char('\t'), QLatin1Char(',')).replace(s("\n"), s("\r\n"));
    EXPECT_EQ(QString::fromUtf8(fileContents(path("merged.csv"))), csv);

    run = runCli({s("merge"), a, path("nothing-here.grs"), s("-o"), path("merged.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(s(".xls, .xlsx or .csv"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("merged.txt")));
}

TEST_F(MergeAttendanceCommands, MergeRegradesWithAStoredScale) {
    {
        QSettingsStore settings;  // the user's store of this test run
        ScaleStore store(settings);
        ASSERT_TRUE(store.saveScale(
            {s("Pass 75"), ScaleKind::PassFail, {{s("Pass"), s("75"), s("100")}, {s("Fail"), s("0"), s("74.9")}}}));
        ASSERT_TRUE(settings.flush());
    }
    const QString a = writeClass("a.grs", twoStudents());
    const QString b = writeClass("b.grs", makeClass({}, {}));
    const CliRun run = runCli({s("merge"), a, b, s("--scale"), s("Pass 75")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(
        run.out,
        s("Names\tPoints\tTotal\tAverage\tGrade\nAnn Lee\t91\t100\t91.00%\tPass\nBo Chen\t74\t100\t74.00%\tFail\n"));
    EXPECT_EQ(readGradeFile(a)->gradeScale, twoStudents().gradeScale);
    EXPECT_EQ(runCli({s("merge"), a, b, s("--scale"), s("No Such Scale")}).exitCode, 1);
}
