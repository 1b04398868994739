// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/AttendanceRecords.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/TestFiles.h"

#include "core/files/AttendanceFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::ByteBuilder;

constexpr auto record = test::attendanceRecord;

TEST(AttendanceFileLayout, ARecordIs140BytesAndWritesBackIdenticalAndATrailingPartialRecordIsIgnoredAndReported) {
    ByteBuilder b;
    b.i32(1).i32(2026).field("Ann Lee", 100).raw("T  U E").raw(std::string(25, ' ')).zeros(1);
    b.i32(12).i32(2025).field("Ren\351e", 100).raw(std::string(30, ' ')).raw("E").zeros(1);  // Renée
    ASSERT_EQ(b.size(), 280);
    const AttendanceFile file = parseAttendanceFile(b.bytes());
    EXPECT_FALSE(file.trailingPartialRecord);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0], record(1, 2026, "Ann Lee", "T  U E"));
    EXPECT_EQ(file.records[1], record(12, 2025, "Ren\351e", "                              E"));
    EXPECT_EQ(serializeAttendanceFile(file.records).value(), b.bytes());

    // Bytes after the name's terminator and in the padding mean nothing.
    QByteArray dirty = b.bytes();
    dirty[8 + 50] = 'x';
    dirty[139] = '\x7F';
    EXPECT_EQ(parseAttendanceFile(dirty).records, file.records);

    // A trailing partial record is ignored and reported.
    QByteArray bytes = serializeAttendanceFile({record(3, 2026, "Ann", "T"), record(3, 2026, "Bo", "U")}).value();
    bytes.append(QByteArray(50, 'z'));
    const AttendanceFile partial = parseAttendanceFile(bytes);
    EXPECT_TRUE(partial.trailingPartialRecord);
    EXPECT_EQ(partial.records.size(), 2u);
    EXPECT_FALSE(parseAttendanceFile(bytes.left(280)).trailingPartialRecord);
    EXPECT_TRUE(parseAttendanceFile(bytes.left(139)).records.empty());
    EXPECT_TRUE(parseAttendanceFile(bytes.left(139)).trailingPartialRecord);
}

TEST(AttendanceFileDisk, TheWholeFileIsWrittenAtOnceADamagedTailIsDroppedAndABadRecordIsDamage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.ATD"));
    EXPECT_TRUE(readAttendanceFile(path)->records.empty());  // no file yet

    const std::vector<AttendanceInfo> records = {record(1, 2026, "Ann Lee", "T"), record(1, 2026, "Bo", "U"),
                                                 record(2, 2026, "Ann Lee", "  E")};
    ASSERT_TRUE(writeAttendanceFile(path, records).ok());
    EXPECT_EQ(QFile(path).size(), 420);
    EXPECT_EQ(readAttendanceFile(path)->records, records);

    // A partial last record is read past and flagged; the next write leaves it out.
    ASSERT_TRUE(writeWholeFile(path, fileContents(path) + "partial"));
    const Result<AttendanceFile> cut = readAttendanceFile(path);
    ASSERT_TRUE(cut.ok());
    EXPECT_TRUE(cut->trailingPartialRecord);
    EXPECT_EQ(cut->records, records);
    ASSERT_TRUE(writeAttendanceFile(path, cut->records).ok());
    EXPECT_EQ(QFile(path).size(), 420);
    EXPECT_FALSE(readAttendanceFile(path)->trailingPartialRecord);

    // Records no save could write mark the file damaged.
    const QByteArray good = serializeAttendanceFile({record(1, 2026, "Ann", "T"), record(3, 2026, "Bo", "U")}).value();

    // A month outside 1 to 12 in the second record.
    QByteArray badMonth = good;
    badMonth[140] = 13;
    ASSERT_TRUE(writeWholeFile(path, badMonth));
    Result<AttendanceFile> read = readAttendanceFile(path);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(
        read.message(),
        QStringLiteral("The file %1 is damaged or is not an attendance file: record 2 holds month 13.").arg(path));
    EXPECT_EQ(parseAttendanceFile(badMonth).records.size(), 2u);  // still readable for `check`

    // A name that runs through its whole field.
    QByteArray longName = good;
    longName.replace(8, 100, QByteArray(100, 'n'));
    ASSERT_TRUE(writeWholeFile(path, longName));
    read = readAttendanceFile(path);
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.message().contains(QStringLiteral("the name of record 1 does not end")))
        << read.message().toStdString();

    ASSERT_TRUE(writeWholeFile(path, good));
    EXPECT_TRUE(readAttendanceFile(path).ok());

    // The writer never makes such a file.
    const Result<QByteArray> month13 = serializeAttendanceFile({record(13, 2026, "Ann", "T")});
    ASSERT_FALSE(month13.ok());
    EXPECT_TRUE(month13.message().contains(QStringLiteral("month 13")));
    const Result<QByteArray> tooLong = serializeAttendanceFile({record(1, 2026, std::string(100, 'n'), "T")});
    ASSERT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.message().contains(QStringLiteral("at most 99"))) << tooLong.message().toStdString();

    const Result<AttendanceFile> folder = readAttendanceFile(dir.path());
    ASSERT_FALSE(folder.ok());
    EXPECT_TRUE(folder.message().startsWith(QStringLiteral("Unable to open ") + dir.path()));
}
