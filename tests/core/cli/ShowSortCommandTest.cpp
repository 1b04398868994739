// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show and sort on grade files written by the tests; seats,
// export --seating and sample --seats: the chart as text, as a printout, and
// in the demonstration classes.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/PdfText.h"

#include "core/common/Cp1252.h"
#include "core/files/AttendanceFile.h"
#include "core/files/SeatingFile.h"

#include <QDir>
#include <QRect>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfPageCount;
using markwell::testing::pdfText;

namespace {

// Rule 1 never drops the Bonus (worth no points): Zoë's 8 and Ann's 6.5 go,
// and Bo's 38, his only score worth points.
//   Zoë  8 + 41 + 9 = 58, less 8 of 10:      50 of 50 = 100.00%  "A "
//   Ann  6.5 + 47 + 0 = 53.5, less 6.5 of 10: 47 of 50 = 94.00%  "A "
//   Bo   - + 38 + 5 = 43, less 38 of 50:      5 of 0 = 0.00%     "-"
// The scale is not in the settings store, so the file's bounds stay.
ClassRecord fixtureClass() {
    const std::string zoe = cp1252::fromUnicode("Zo\u00eb O'Brien").value();
    ClassRecord cls = makeClass({zoe, "Ann Lee", "Bo Chen"}, {{"Quiz\t1", "Quiz", 10, {"8", "6.5", "-"}},
                                                              {"Test 1", "Test", 50, {"41", "47", "38"}},
                                                              {"Bonus", "Other", 0, {"9", "0", "5"}}});
    cls.gradeScale = expandedScale();
    cls.gradeScale.name = "Expanded for tests";
    cls.lowScoreInfo.drop_type = 1;
    return cls;
}

const QString kHeading = QStringLiteral("Names\tQuiz 1\tTest 1\tBonus\tTotal\tAverage\tGrade\n");
const QString kZoe = QStringLiteral("Zo\u00eb O'Brien\t8\t41\t9\t58\t100.00%\tA \n");
const QString kAnn = QStringLiteral("Ann Lee\t6.5\t47\t0\t53.5\t94.00%\tA \n");
const QString kBo = QStringLiteral("Bo Chen\t-\t38\t5\t43\t0.00%\t-\n");
const QString kFooter = QStringLiteral("\t\t\t\t\t\t\nTotal\t10\t50\t0\t60\t\t\n");

class ShowSortCommand : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        ASSERT_TRUE(writeGradeFile(path(), fixtureClass()).ok());
    }
    using CliFolder::path;
    QString path() const { return path("period3.grs"); }
};

// Two seats and the teacher's record, which the file holds first here:
// the teacher's line still comes last.
QByteArray threeRecords() {
    ByteBuilder b;
    b.field("Teacher", 100).byte(0x05).zeros(3).i32(0).i32(10).field("Arial", 100).i32(0xFFFF00);
    b.i32(79).i32(30).i32(303).i32(313);
    // "Zoë" in Windows-1252, teal, bold italic underlined struck out, navy text.
    b.field("Zo\xEB Tan", 100).byte(0x0F).zeros(3).i32(0x800000).i32(12).field("Courier New", 100).i32(0x808000);
    b.i32(100).i32(36).i32(-5).i32(2000);
    b.field("teacher", 100).byte(0).zeros(3).i32(0x0000FF).i32(8).field("MS Sans Serif", 100).i32(0x0080FF);
    b.i32(95).i32(30).i32(10).i32(10);
    return b.bytes();
}

using SeatsCommand = CliFolder;

}  // namespace

TEST_F(ShowSortCommand, ShowPrintsTheTableOrTheDroppedCellsAndNothingElse) {
    const CliRun run = runCli({"show", path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeading + kZoe + kAnn + kBo + kFooter);
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(outputOf({"show", path(), "--dropped"}), "2\t2\t8\n3\t2\t6.5\n4\t3\t38\n");
}

TEST_F(ShowSortCommand, SortWritesTheNewOrderElsewhereOrBackAndPrintsTheTable) {
    const QByteArray before = fileContents(path());
    const QString printed = outputOf({"sort", path(), "6", "-o", path("sorted.grs")});
    EXPECT_EQ(printed, kHeading + kBo + kAnn + kZoe + kFooter);
    EXPECT_EQ(fileContents(path()), before);

    // Reopened, the class keeps the order and the scores with it.
    EXPECT_EQ(runCli({"show", path("sorted.grs")}).out, printed);

    // By a heading, descending, back to the file.
    const QString descending = outputOf({"sort", path(), "names", "--descending"});
    EXPECT_EQ(descending, kHeading + kZoe + kBo + kAnn + kFooter);
    EXPECT_EQ(runCli({"show", path()}).out, descending);
}

TEST_F(ShowSortCommand, SortPutsNamesInTheOrderOfTheUsersLanguage) {
    std::vector<std::string> names;
    for (const char* name : {"Zo\u00eb", "\u00d6rjan", "emile", "Oscar", "\u00c9mile"}) {
        names.push_back(cp1252::fromUnicode(name).value());
    }
    const ClassRecord cls = makeClass(names, {{"Quiz", "Quiz", 10, std::vector<std::string>(5, "5")}});
    const QString file = path("accents.grs");
    const auto sortedNames = [&](const QString& locale) {
        EXPECT_TRUE(writeGradeFile(file, cls).ok());
        const QString run =
            outputOf({"sort", file, "1"}, {QStringLiteral("LC_ALL=") + locale, QStringLiteral("LANG=") + locale});
        QStringList names;
        for (const QString& line : run.split(QLatin1Char('\n')).mid(1, 5))
            names << line.section(QLatin1Char('\t'), 0, 0);
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(sortedNames("C"), "emile \u00c9mile \u00d6rjan Oscar Zo\u00eb");
    EXPECT_EQ(sortedNames("sv_SE.UTF-8"), "emile \u00c9mile Oscar Zo\u00eb \u00d6rjan");
}

TEST_F(ShowSortCommand, RefusalsSayWhyOnStderrAndChangeNothing) {
    const QByteArray before = fileContents(path());
    expectRefused({"show", path("missing.grs")}, 1, "missing.grs");
    for (const QStringList& args :
         {QStringList{"sort", path(), "8"}, QStringList{"sort", path(), "Homework"}, QStringList{"sort", path()},
          QStringList{"show", path(), "--drop"}, QStringList{"show"}})
        expectRefused(args, 2);
    EXPECT_EQ(fileContents(path()), before);

    ASSERT_TRUE(writeGradeFile(path("empty.grs"), makeClass({}, {{"Q", "Quiz", 10, {}}})).ok());
    expectRefused({"sort", path("empty.grs"), "1"}, 1, "no students");
}

TEST_F(ShowSortCommand, SortKeepsADamagedAttendanceFileAndTakesTheAttendanceAndSeatsAlongAllOrNothing) {
    // Sorted in place, a damaged attendance file is kept, and said so.
    QByteArray damaged(140, '\0');
    damaged[0] = 42;  // month 42
    write("period3.ATD", damaged);

    const CliRun run = runCli({"sort", path(), "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kHeading + kAnn + kBo + kZoe + kFooter);
    EXPECT_TRUE(run.err.contains("record 1 holds month 42")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("was kept as it was")) << run.err.toStdString();
    EXPECT_EQ(fileContents(path("period3.ATD")), damaged);
    EXPECT_TRUE(QFile::exists(path("period3.SEA")));

    // Reading alone says nothing about it.
    EXPECT_EQ(runCli({"show", path()}).err, QString());

    // To another name, the attendance and seats go along.
    ASSERT_TRUE(writeAttendanceFile(path("period3.ATD"), {attendanceRecord(9, 2025, "Ann Lee", "T"),
                                                          attendanceRecord(10, 2025, "Bo Chen", "T")})
                    .ok());
    SeatingChart chart;
    chart.seats.resize(1);
    chart.seats[0].name = "Bo Chen";
    chart.seats[0].left = 200;
    ASSERT_TRUE(writeSeatingFile(path("period3.SEA"), chart).ok());

    const CliRun ranked = runCli({"sort", path(), "Average", "-o", path("ranked.grs")});
    EXPECT_EQ(ranked.exitCode, 0) << ranked.err.toStdString();
    EXPECT_EQ(ranked.err, QString());
    EXPECT_EQ(fileContents(path("ranked.ATD")), fileContents(path("period3.ATD")));
    EXPECT_EQ(readSeatingFile(path("ranked.SEA")).value(), chart);

    // A field the files cannot hold writes none of them.
    const QStringList before = filesIn(dir_.path());
    ClassRecord foreign = fixtureClass();
    foreign.students[0].city = std::string(45, 'c');
    ASSERT_TRUE(writeGradeFile(path(), foreign).ok());
    QByteArray bytes = fileContents(path());
    bytes.replace(QByteArray(45, 'c') + '\0', QByteArray(46, 'c'));
    ASSERT_TRUE(writeWholeFile(path(), bytes));
    expectRefused({"sort", path(), "1", "-o", path("refused.grs")}, 1, "Unable to create " + path("refused.grs"));
    EXPECT_EQ(filesIn(dir_.path()), before);
}

TEST_F(SeatsCommand, PrintsEverySeatInFileOrderTheTeachersLastAndRefusesWhatItCannotRead) {
    write("room.SEA", threeRecords());
    const QString expected = QStringLiteral("Zo\u00EB Tan\t-5\t2000\t100\t36\t#008080\tCourier New\t12\t#000080\tBIUS\n"
                                            "teacher\t10\t10\t95\t30\t#ff8000\tMS Sans Serif\t8\t#ff0000\t-\n"
                                            "Teacher\t303\t313\t79\t30\t#00ffff\tArial\t10\t#000000\tBU\n");
    EXPECT_EQ(outputOf({"seats", path("room.SEA")}), expected);

    // Through the grade file beside it; a class without a seating file has
    // the teacher's desk where it starts.
    write("room.grs", QByteArray("not read"));
    EXPECT_EQ(runCli({"seats", path("room.grs")}).out, expected);
    write("bare.grs", QByteArray("not read"));
    EXPECT_EQ(runCli({"seats", path("bare.grs")}).out, "Teacher\t303\t313\t79\t30\t#00ffff\tArial\t10\t#000000\tBU\n");

    QByteArray unended = threeRecords();
    unended.replace(232, 100, QByteArray(100, 'x'));  // a caption without its end
    write("bad.SEA", unended);
    expectRefused({"seats", path("bad.SEA")}, 1, path("bad.SEA"));
    for (const char* file : {"missing.SEA", "missing.grs"}) expectRefused({"seats", path(file)}, 1);
    expectRefused({"seats", path("room.ATD")}, 2);
    expectRefused({"seats"}, 2);
}

TEST_F(SeatsCommand, SampleSeatsEveryStudentOnlyWhenAskedAndExportSeatingWritesTheChartOnOnePage) {
    sample("plain.grs", {"--students=5"});
    EXPECT_EQ(QFileInfo(path("plain.SEA")).size(), kSeatingRecordSize);  // the teacher's desk alone

    const QString made = outputOf({"sample", path("seated.grs"), "--students=14", "--seats"});
    EXPECT_TRUE(made.contains("(14 seats)"));
    const QStringList lines = runCli({"seats", path("seated.grs")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 15);
    // In rows, none over another nor over the teacher's desk.
    std::vector<QRect> places;
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        places.emplace_back(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        for (std::size_t j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(places[i].intersects(places[j])) << i << ", " << j;
    }
    EXPECT_TRUE(lines.back().startsWith("Teacher\t"));

    // export --seating writes the chart on one page.
    sample("p.grs", {"--students=12", "--seats"});
    expectRefused({"export", path("p.grs"), path("p.csv"), "--seating"}, 2);
    expectRefused({"export", path("p.grs"), path("x.pdf"), "--seating", "--ids"}, 2);
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    outputOf({"export", path("p.grs"), path("chart.pdf"), "--seating"});
    EXPECT_EQ(pdfPageCount(path("chart.pdf")), 1);
    const QString text = pdfText(path("chart.pdf"));
    EXPECT_TRUE(text.contains(path("p.SEA")));
    const QStringList seats = runCli({"seats", path("p.grs")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(seats.size(), 13);
    for (const QString& seat : seats) {
        const QString caption = seat.section(QLatin1Char('\t'), 0, 0);
        EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
    }
}
