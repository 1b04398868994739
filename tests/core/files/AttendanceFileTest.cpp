#include "support/ByteBuilder.h"

#include "files/AttendanceFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::ByteBuilder;

namespace {

DayMarks marks(std::string_view days) {
    DayMarks m;
    m.fill(' ');
    std::copy(days.begin(), days.end(), m.begin());
    return m;
}

AttendanceInfo record(std::int32_t month, std::int32_t year, std::string name, std::string_view days) {
    AttendanceInfo r;
    r.Month = month;
    r.Year = year;
    r.name = std::move(name);
    r.entry = marks(days);
    return r;
}

qint64 sizeOf(const QString& path) { return QFile(path).size(); }

const std::vector<std::string> kThree = {"Ann Lee", "Bo", "Zo\xEB"};

}  // namespace

TEST(AttendanceFileLayout, ARecordIs140BytesAndWritesBackIdentical) {
    ByteBuilder b;
    b.i32(1).i32(2026).field("Ann Lee", 100).raw("T  U E").raw(std::string(25, ' ')).zeros(1);
    b.i32(12).i32(2025).field("Ren\xE9" "e", 100).raw(std::string(30, ' ')).raw("E").zeros(1);
    ASSERT_EQ(b.size(), 280);
    const AttendanceFile file = parseAttendanceFile(b.bytes());
    EXPECT_FALSE(file.trailingPartialRecord);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0], record(1, 2026, "Ann Lee", "T  U E"));
    EXPECT_EQ(file.records[1], record(12, 2025, "Ren\xE9" "e", "                              E"));
    EXPECT_EQ(serializeAttendanceFile(file.records).value(), b.bytes());

    // Bytes after the name's terminator and in the padding mean nothing.
    QByteArray dirty = b.bytes();
    dirty[8 + 50] = 'x';
    dirty[139] = '\x7F';
    EXPECT_EQ(parseAttendanceFile(dirty).records, file.records);
}

TEST(AttendanceFileLayout, ATrailingPartialRecordIsIgnoredAndReported) {
    QByteArray bytes = serializeAttendanceFile({record(3, 2026, "Ann", "T"), record(3, 2026, "Bo", "U")}).value();
    bytes.append(QByteArray(50, 'z'));
    const AttendanceFile file = parseAttendanceFile(bytes);
    EXPECT_TRUE(file.trailingPartialRecord);
    EXPECT_EQ(file.records.size(), 2u);
    EXPECT_FALSE(parseAttendanceFile(bytes.left(280)).trailingPartialRecord);
    EXPECT_TRUE(parseAttendanceFile(bytes.left(139)).records.empty());
    EXPECT_TRUE(parseAttendanceFile(bytes.left(139)).trailingPartialRecord);
}

TEST(AttendanceFileRecords, NamesMatchWithoutLetterCaseAndTheFirstMatchWins) {
    std::vector<AttendanceInfo> records = {
        record(2, 2026, "ann lee", "T"),
        record(1, 2026, "ANN LEE", "U"),
        record(1, 2026, "Ann Lee", "E"),
        record(1, 2026, "ZO\xCB", "TT"),  // ZOË
    };
    EXPECT_EQ(FindAttendanceRecord(records, 1, 2026, "aNN lEE"), 1u);
    EXPECT_EQ(FindAttendanceRecord(records, 2, 2026, "Ann Lee"), 0u);
    EXPECT_EQ(FindAttendanceRecord(records, 1, 2026, "Zo\xEB"), 3u);
    EXPECT_EQ(FindAttendanceRecord(records, 1, 2027, "Ann Lee"), std::nullopt);
    EXPECT_EQ(FindAttendanceRecord(records, 1, 2026, "Ann"), std::nullopt);

    const auto read = readAttendanceMonth(records, 1, 2026, {"Ann Lee", "Bo", "zo\xEB"});
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0], marks("U"));
    EXPECT_EQ(read[1], std::nullopt);
    EXPECT_EQ(read[2], marks("TT"));

    writeAttendanceMonth(records, 1, 2026, {"Ann Lee", "Bo"}, {marks("  E"), marks("T")});
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], record(2, 2026, "ann lee", "T"));
    EXPECT_EQ(records[1], record(1, 2026, "Ann Lee", "  E"));  // overwritten, in the new spelling
    EXPECT_EQ(records[2], record(1, 2026, "Ann Lee", "E"));    // the later duplicate is left alone
    EXPECT_EQ(records[3], record(1, 2026, "ZO\xCB", "TT"));
    EXPECT_EQ(records[4], record(1, 2026, "Bo", "T"));
}

TEST(AttendanceFileRecords, DaysPastTheEndOfTheMonthAreStoredAsSpaces) {
    std::vector<AttendanceInfo> records;
    const DayMarks full = marks("TUETUETUETUETUETUETUETUETUETUET");  // 31 marks
    writeAttendanceMonth(records, 2, 2026, {"Ann"}, {full});
    writeAttendanceMonth(records, 2, 2028, {"Ann"}, {full});  // a leap year
    writeAttendanceMonth(records, 4, 2026, {"Ann"}, {full});
    writeAttendanceMonth(records, 1, 2026, {"Ann"}, {full});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(std::string(records[0].entry.data(), 31), "TUETUETUETUETUETUETUETUETUET   ");
    EXPECT_EQ(std::string(records[1].entry.data(), 31), "TUETUETUETUETUETUETUETUETUETU  ");
    EXPECT_EQ(std::string(records[2].entry.data(), 31), "TUETUETUETUETUETUETUETUETUETUE ");
    EXPECT_EQ(std::string(records[3].entry.data(), 31), "TUETUETUETUETUETUETUETUETUETUET");
}

TEST(AttendanceFileDisk, SavingAMonthRewritesTheFileAndKeepsOtherMonths) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.ATD"));
    EXPECT_TRUE(readAttendanceFile(path)->records.empty());  // no file yet

    ASSERT_TRUE(saveAttendanceMonth(path, 1, 2026, kThree, {marks("T"), marks("U"), marks("E")}).ok());
    EXPECT_EQ(sizeOf(path), 420);
    ASSERT_TRUE(saveAttendanceMonth(path, 1, 2026, kThree, {marks("TT"), marks(""), marks("E")}).ok());
    EXPECT_EQ(sizeOf(path), 420);
    ASSERT_TRUE(saveAttendanceMonth(path, 2, 2026, kThree, {marks(""), marks("  U"), marks("")}).ok());
    EXPECT_EQ(sizeOf(path), 840);

    const Result<AttendanceFile> file = readAttendanceFile(path);
    ASSERT_TRUE(file.ok());
    const auto january = readAttendanceMonth(file->records, 1, 2026, kThree);
    EXPECT_EQ(january[0], marks("TT"));
    EXPECT_EQ(january[1], marks(""));
    EXPECT_EQ(january[2], marks("E"));
    EXPECT_EQ(readAttendanceMonth(file->records, 2, 2026, kThree)[1], marks("  U"));

    // A damaged tail is dropped by the rewrite; the whole records stay.
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::Append));
    raw.write("partial");
    raw.close();
    EXPECT_TRUE(readAttendanceFile(path)->trailingPartialRecord);
    ASSERT_TRUE(saveAttendanceMonth(path, 3, 2026, {"Bo"}, {marks("E")}).ok());
    EXPECT_EQ(sizeOf(path), 980);
    EXPECT_FALSE(readAttendanceFile(path)->trailingPartialRecord);
}

TEST(AttendanceFileDisk, RefusalsLeaveTheFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.ATD"));
    ASSERT_TRUE(saveAttendanceMonth(path, 1, 2026, kThree, {marks("T"), marks("U"), marks("E")}).ok());
    EXPECT_FALSE(saveAttendanceMonth(path, 13, 2026, kThree, {marks(""), marks(""), marks("")}).ok());
    const Result<void> longName = saveAttendanceMonth(path, 1, 2026, {std::string(100, 'n')}, {marks("T")});
    ASSERT_FALSE(longName.ok());
    EXPECT_TRUE(longName.message().contains(QStringLiteral("at most 99"))) << longName.message().toStdString();
    EXPECT_EQ(sizeOf(path), 420);

    const Result<AttendanceFile> folder = readAttendanceFile(dir.path());
    ASSERT_FALSE(folder.ok());
    EXPECT_TRUE(folder.message().startsWith(QStringLiteral("Unable to open ") + dir.path()));
}
