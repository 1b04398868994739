// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli seats, export --seating and sample --seats: the chart as text,
// as a printout, and in the demonstration classes.

#include "tests/core/cli/CliFolder.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/PdfText.h"

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

TEST_F(SeatsCommand, PrintsEverySeatInFileOrderTheTeachersLast) {
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
}

TEST_F(SeatsCommand, RefusesWhatItCannotRead) {
    QByteArray unended = threeRecords();
    unended.replace(232, 100, QByteArray(100, 'x'));  // a caption without its end
    write("bad.SEA", unended);
    const CliRun damaged = runCli({"seats", path("bad.SEA")});
    EXPECT_TRUE(damaged.err.contains(path("bad.SEA"))) << damaged.err.toStdString();
    for (const char* file : {"bad.SEA", "missing.SEA", "missing.grs"}) expectRefused({"seats", path(file)}, 1);
    expectRefused({"seats", path("room.ATD")}, 2);
    expectRefused({"seats"}, 2);
}

TEST_F(SeatsCommand, SampleSeatsEveryStudentOnlyWhenAsked) {
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
}

TEST_F(SeatsCommand, ExportSeatingWritesTheChartOnOnePage) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    sample("p.grs", {"--students=12", "--seats"});
    const CliRun exported = runCli({"export", path("p.grs"), path("chart.pdf"), "--seating"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(pdfPageCount(path("chart.pdf")), 1);
    const QString text = pdfText(path("chart.pdf"));
    EXPECT_TRUE(text.contains(path("p.SEA")));
    const QStringList seats = runCli({"seats", path("p.grs")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(seats.size(), 13);
    for (const QString& seat : seats) {
        const QString caption = seat.section(QLatin1Char('\t'), 0, 0);
        EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
    }

    expectRefused({"export", path("p.grs"), path("p.csv"), "--seating"}, 2);
    expectRefused({"export", path("p.grs"), path("x.pdf"), "--seating", "--ids"}, 2);
}
