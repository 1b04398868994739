// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/ByteBuilder.h"
#include "tests/support/TestFiles.h"

#include "core/files/SeatingFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::ByteBuilder;

namespace {

SeatingInfo seat(std::string name, std::int32_t left, std::int32_t top) {
    return {std::move(name), fontstyle::kItalic, 0x0000FF, 9, "Verdana", 0xC0FFC0, 95, 30, left, top};
}

// The teacher's box as it stands at start: Arial 10 bold underlined, black,
// aqua, 79 x 30 at (303, 313).
ByteBuilder& teacherRecord(ByteBuilder& b) {
    b.field("Teacher", 100).byte(0x05).zeros(3).i32(0).i32(10).field("Arial", 100).i32(0xFFFF00);
    return b.i32(79).i32(30).i32(303).i32(313);
}

}  // namespace

TEST(SeatingFileLayout, AChartWithoutSeatsIsTheTeacherRecordAloneAndOnlyTheExactCaptionTeacherIsTheTeachersBox) {
    ByteBuilder golden;
    teacherRecord(golden);
    ASSERT_EQ(golden.size(), 232);
    EXPECT_EQ(serializeSeatingFile(SeatingChart{}).value(), golden.bytes());

    // A file that moves the teacher's box and holds one seat.
    ByteBuilder b;
    b.field("Zo\xEB", 100).byte(0x02).zeros(3).i32(0x0000FF).i32(9).field("Verdana", 100).i32(0xC0FFC0);
    b.i32(95).i32(30).i32(-5).i32(40);
    b.field("Teacher", 100).byte(0x01).zeros(3).i32(0).i32(12).field("Arial", 100).i32(0xFFFF00);
    b.i32(80).i32(35).i32(10).i32(400);
    const SeatingChart chart = parseSeatingFile(b.bytes());
    ASSERT_EQ(chart.seats.size(), 1u);
    EXPECT_EQ(chart.seats[0], seat("Zo\xEB", -5, 40));
    EXPECT_EQ(chart.teacher, (SeatingInfo{"Teacher", fontstyle::kBold, 0, 12, "Arial", 0xFFFF00, 80, 35, 10, 400}));
    EXPECT_FALSE(chart.trailingPartialRecord);
    EXPECT_EQ(serializeSeatingFile(chart).value(), b.bytes());

    // Only the exact caption "Teacher" is the teacher's box.
    SeatingChart several;
    several.seats = {seat("teacher", 0, 0), seat("TEACHER", 100, 0), seat("Ann", 200, 0)};
    several.teacher.left = 7;
    several.teacher.name = "Mrs. Okafor";  // the teacher's record is always written as "Teacher"
    const SeatingChart read = parseSeatingFile(serializeSeatingFile(several).value());
    EXPECT_EQ(read.seats, several.seats);
    EXPECT_EQ(read.teacher.left, 7);
    EXPECT_EQ(read.teacher.name, "Teacher");

    EXPECT_EQ(parseSeatingFile(QByteArray()), SeatingChart{});
    QByteArray cut = serializeSeatingFile(several).value();
    cut.chop(10);
    const SeatingChart partial = parseSeatingFile(cut);
    EXPECT_TRUE(partial.trailingPartialRecord);
    EXPECT_EQ(partial.seats, several.seats);
    EXPECT_EQ(partial.teacher, defaultTeacherSeat());  // its record was the cut one
}

TEST(SeatingFileDisk, SavingFewerSeatsShrinksTheFileAndAFieldWithoutAnEndIsDamage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.SEA"));
    EXPECT_EQ(readSeatingFile(path).value(), SeatingChart{});  // no file yet

    SeatingChart chart;
    for (int i = 0; i < 5; ++i) chart.seats.push_back(seat("Student " + std::to_string(i), i * 100, 10));
    ASSERT_TRUE(writeSeatingFile(path, chart).ok());
    EXPECT_EQ(QFile(path).size(), 6 * 232);
    chart.seats.erase(chart.seats.begin() + 1, chart.seats.begin() + 3);
    ASSERT_TRUE(writeSeatingFile(path, chart).ok());
    EXPECT_EQ(QFile(path).size(), 4 * 232);
    EXPECT_EQ(readSeatingFile(path).value(), chart);

    SeatingChart tooLong = chart;
    tooLong.seats[2].font_name = std::string(100, 'f');
    const Result<void> refused = writeSeatingFile(path, tooLong);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("font name of seat 3"))) << refused.message().toStdString();
    EXPECT_EQ(readSeatingFile(path).value(), chart);

    // A caption or font name without an end marks the file damaged.
    ByteBuilder b;
    b.field("Ann", 100).byte(0).zeros(3).i32(0).i32(8).raw(std::string(100, 'f')).i32(0).i32(79).i32(30).i32(0).i32(0);
    teacherRecord(b);
    ASSERT_TRUE(writeWholeFile(path, b.bytes()));

    const Result<SeatingChart> damaged = readSeatingFile(path);
    ASSERT_FALSE(damaged.ok());
    EXPECT_EQ(damaged.message(),
              QStringLiteral("The file %1 is damaged or is not a seating file: the font name of seat 1 "
                             "does not end within its 100 bytes.")
                  .arg(path));
    EXPECT_EQ(parseSeatingFile(b.bytes()).seats.size(), 1u);  // still readable for `check`
}
