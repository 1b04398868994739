// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/ByteBuilder.h"
#include "tests/support/TestFiles.h"

#include "core/data/PointEntry.h"
#include "core/files/GradeFile.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace markwell;
using markwell::test::ByteBuilder;
namespace t = markwell::test;

namespace {

const QString kName = QStringLiteral("period3.grs");

// The 24-byte header with the given version bit pattern.
ByteBuilder& header(ByteBuilder& b, std::uint64_t versionBits) {
    return b.f64bits(versionBits).f64bits(t::kDouble1).i32(2002).zeros(4);
}

// A new class: "MS Sans Serif" 8, black, plain, no grid lines; the default
// standard scale; no weights.
ByteBuilder& newClassSettings(ByteBuilder& b) {
    b.field("MS Sans Serif", 256).i32(8).i32(0).byte(0).byte(0).zeros(2);
    b.field("<Default>", 256).byte(1).field("90,100,80,89.9,70,79.9,60,69.9,0,59.9", 256);
    for (int i = 0; i < 6; ++i) b.i32(0);
    return b.byte(0).zeros(3);
}

ByteBuilder& student(ByteBuilder& b, std::string_view name, std::string_view id = "", std::string_view city = "") {
    b.field(name, 100).field(id, 16).field("", 256).field(city, 46);
    for (int size : {3, 11, 100, 15, 100, 15, 100, 100, 100}) b.field("", size);  // the fields left empty
    return b;
}

ByteBuilder& assignment(ByteBuilder& b, std::string_view pointList, std::string_view title, std::string_view type,
                        std::uint64_t totalBits, std::string_view description = "") {
    b.u32(static_cast<std::uint32_t>(pointList.size() + 1)).raw(pointList).zeros(1);
    return b.field(title, 256).field(description, 501).field(type, 11).f64bits(totalBits);
}

ClassRecord newClass() {
    return newClassRecord({"<Default>", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"});
}

const std::string kAnn = "Ann Lee";
const std::string kZoe = "Zo\xEB";                           // Zoë
const std::string kRenee = "Ren\351e \"Rae\" O'Brien, Jr.";  // Renée "Rae" O'Brien, Jr.

// A class with awkward names, written byte by byte.
QByteArray awkwardClassFile() {
    ByteBuilder b;
    header(b, t::kDouble2);
    b.field("Arial", 256).i32(10).i32(0x0000FF).byte(3).byte(1).zeros(2);
    b.field("Biology", 256).byte(0).field("94,100,90,93.9", 256);
    b.i32(10).i32(20).i32(30).i32(20).i32(10).i32(10).byte(1).zeros(3);
    b.i32(3);
    student(b, kAnn, "S-1", "Larkhaven");
    student(b, kZoe);
    student(b, kRenee);
    b.i32(2);
    assignment(b, "\"Ann Lee~17.5\",Zo\xEB~0,\"Ren\351e \"\"Rae\"\" O'Brien, Jr.~-\"", "Quiz 1", "Quiz", t::kDouble20,
               "Chapter 1, sections 1-3");
    assignment(b, "\"Ann Lee~95\",Zo\xEB~100,\"Ren\351e \"\"Rae\"\" O'Brien, Jr.~88.5\"", "Final Exam", "Final",
               t::kDouble100);
    b.i32(2).byte(0).byte(0).byte(1).byte(1).byte(0).byte(0).zeros(2);
    b.i32(3);
    b.field(kAnn, 100).field("Good work.\r\nKeep it up.", 1000);
    b.field(kZoe, 100).field("", 1000);
    b.field(kRenee, 100).field("Talks, a \"lot\".", 1000);
    return b.bytes();
}

ClassRecord awkwardClass() {
    ClassRecord c = newClass();
    c.gridProps = {"Arial", 10, 0x0000FF, 3, true};
    c.gradeScale = {"Biology", 0, "94,100,90,93.9"};
    c.weightGrades = {10, 20, 30, 20, 10, 10, true};
    c.lowScoreInfo.drop_type = 2;
    c.lowScoreInfo.drop_quiz = true;
    c.lowScoreInfo.drop_hw = true;
    c.students = {t::namedStudent(kAnn, "S-1", "Larkhaven"), t::namedStudent(kZoe), t::namedStudent(kRenee)};
    c.assignments = {
        {"Quiz 1", "Chapter 1, sections 1-3", "Quiz", 20, {kAnn + "~17.5", kZoe + "~0", kRenee + "~-"}},
        {"Final Exam", "", "Final", 100, {kAnn + "~95", kZoe + "~100", kRenee + "~88.5"}},
    };
    c.comments = {{kAnn, "Good work.\r\nKeep it up."}, {kZoe, ""}, {kRenee, "Talks, a \"lot\"."}};
    return c;
}

// A version 1.5 file: it ends after the assignments.
QByteArray version15File() {
    ByteBuilder b;
    header(b, t::kDouble1_5);
    newClassSettings(b);
    b.i32(2);
    student(b, "Ann");
    student(b, "Bo");
    b.i32(1);
    assignment(b, "Ann~3,Bo~4", "Lab 1", "Lab", t::kDouble20);
    return b.bytes();
}

QByteArray emptyClassFile() {
    ByteBuilder b;
    header(b, t::kDouble2);
    newClassSettings(b);
    b.i32(0).i32(0);
    b.i32(0).zeros(8);  // no dropping, six flags off, padding
    b.i32(0);
    return b.bytes();
}

void patchInt32(QByteArray& bytes, qsizetype offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool saysDamaged(const Result<ClassRecord>& r) {
    return !r.ok() && r.message().contains(kName) &&
           r.message().contains(QStringLiteral("damaged or is not a grade file"));
}

}  // namespace

TEST(GradeFileGolden, AnEmptyClassIs857BytesAndReadsBackAsANewClassWhateverItsPaddingHolds) {
    const QByteArray golden = emptyClassFile();
    ASSERT_EQ(golden.size(), 857);
    EXPECT_EQ(serializeGradeFile(newClass()).value(), golden);

    GradeFileInfo info;
    Result<ClassRecord> read = parseGradeFile(golden, kName, &info);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    EXPECT_EQ(read.value(), newClass());
    EXPECT_EQ(info.version, 2.0);
    EXPECT_EQ(info.trailingBytes, 0);

    // Bytes after a terminator and in the padding are ignored, and written as zeros.
    QByteArray dirty = golden;
    dirty[20] = '\x7F';           // header padding
    dirty[24 + 20] = 'X';         // after "MS Sans Serif"
    dirty[24 + 266] = '\x55';     // grid padding
    dirty[24 + 268 + 100] = 'Y';  // after "<Default>"
    dirty[805 + 25] = '\x01';     // weights padding
    dirty[851] = '\x42';          // drop-rule padding
    read = parseGradeFile(dirty, kName);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    EXPECT_EQ(read.value(), newClass());
    EXPECT_EQ(serializeGradeFile(read.value()).value(), golden);
}

TEST(GradeFileGolden, AwkwardNamesReadToTheirRecordsAndWriteBackIdentical) {
    const QByteArray golden = awkwardClassFile();
    Result<ClassRecord> read = parseGradeFile(golden, kName);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    // No seats, and the teacher's seat a new class has.
    EXPECT_EQ(read.value(), awkwardClass());

    EXPECT_EQ(serializeGradeFile(read.value()).value(), golden);
}

TEST(GradeFileVersions, Version15OpensWithoutDroppingAndANewerVersionIsRefused) {
    GradeFileInfo info;
    Result<ClassRecord> read = parseGradeFile(version15File(), kName, &info);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    EXPECT_EQ(info.version, 1.5);
    EXPECT_EQ(read->lowScoreInfo, DropLowScoreInfo{});
    EXPECT_EQ(read->comments, (std::vector<CommentInfo>{{"Ann", ""}, {"Bo", ""}}));
    ASSERT_EQ(read->assignments.size(), 1u);
    EXPECT_EQ(read->assignments[0].namegrade, (std::vector<std::string>{"Ann~3", "Bo~4"}));

    // Written back in the current version: 2.0, plus the dropping rule and
    // the two comments (12 + 4 + 2 x 1100 bytes).
    Result<QByteArray> upgraded = serializeGradeFile(read.value());
    ASSERT_TRUE(upgraded.ok());
    EXPECT_EQ(upgraded->size(), version15File().size() + 12 + 4 + 2200);
    EXPECT_EQ(upgraded->left(8), QByteArray("\0\0\0\0\0\0\0\x40", 8));

    // A newer version is refused with the known message.
    QByteArray newer = emptyClassFile();
    ByteBuilder v25;
    v25.f64bits(t::kDouble2_5);
    newer.replace(0, 8, v25.bytes());
    EXPECT_EQ(parseGradeFile(newer, kName).message(), QStringLiteral("Markwell version of file is invalid!"));

    // A version that is not a number at all is damage, not a newer file.
    QByteArray nan = emptyClassFile();
    for (int i = 0; i < 8; ++i) nan[i] = '\xFF';
    EXPECT_TRUE(saysDamaged(parseGradeFile(nan, kName)));
}

TEST(GradeFileDamage, EveryTruncationIsRefusedAndNamesTheFile) {
    for (const QByteArray& whole : {awkwardClassFile(), version15File(), emptyClassFile()}) {
        for (qsizetype length = 0; length < whole.size(); ++length) {
            Result<ClassRecord> read = parseGradeFile(QByteArrayView(whole).first(length), kName);
            ASSERT_TRUE(saysDamaged(read)) << "accepted a file cut to " << length << " of " << whole.size() << " bytes";
        }
    }
}

TEST(GradeFileDamage, AbsurdCountsAndLengthsAreRefusedWithoutAllocatingThem) {
    constexpr qsizetype kStudentCount = 833;
    constexpr qsizetype kAssignmentCount = 837;  // in the empty class
    constexpr qsizetype kCommentCount = 853;     // in the empty class
    const QByteArray empty = emptyClassFile();
    for (std::uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 2u}) {
        for (qsizetype offset : {kStudentCount, kAssignmentCount, kCommentCount}) {
            QByteArray bad = empty;
            patchInt32(bad, offset, count);
            EXPECT_TRUE(saysDamaged(parseGradeFile(bad, kName))) << "count " << count << " at " << offset;
        }
    }
    // One assignment whose point-list length is 0, or larger than the file.
    QByteArray withAssignment;
    {
        ClassRecord c = newClass();
        c.assignments.push_back({"Lab 1", "", "Lab", 20, {}});
        withAssignment = serializeGradeFile(c).value();
    }
    constexpr qsizetype kLength = 841;
    for (std::uint32_t length : {0u, 0xFFFFFFFFu, 0x7FFFFFFFu, 800u}) {
        QByteArray bad = withAssignment;
        patchInt32(bad, kLength, length);
        Result<ClassRecord> read = parseGradeFile(bad, kName);
        EXPECT_TRUE(saysDamaged(read)) << "length " << length;
        EXPECT_TRUE(length != 0 || read.message().contains(QStringLiteral("length of 0")));
    }

    // Possible points that are no number at all (NaN, infinity).
    constexpr qsizetype kTotal = kLength + 4 + 1 + 256 + 501 + 11;
    for (std::uint64_t bits : {0x7FF8000000000000ULL, 0x7FF0000000000000ULL, 0xFFF0000000000000ULL}) {
        QByteArray bad = withAssignment;
        for (int i = 0; i < 8; ++i) bad[kTotal + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        Result<ClassRecord> read = parseGradeFile(bad, kName);
        EXPECT_TRUE(saysDamaged(read)) << "total bits " << std::hex << bits;
        EXPECT_TRUE(read.ok() || read.message().contains(QStringLiteral("possible points")));
    }
}

TEST(GradeFileDamage, PointListsLongerThan12000CharactersOrEmptySurvive) {
    // An assignment with no students has an empty point list of length one.
    ClassRecord lab = newClass();
    lab.assignments.push_back({"Lab 1", "", "Lab", 20, {}});
    ByteBuilder b;
    header(b, t::kDouble2);
    newClassSettings(b);
    b.i32(0).i32(1);
    b.u32(1).zeros(1).field("Lab 1", 256).field("", 501).field("Lab", 11).f64bits(t::kDouble20);
    b.i32(0).zeros(8).i32(0);
    EXPECT_EQ(serializeGradeFile(lab).value(), b.bytes());
    Result<ClassRecord> labRead = parseGradeFile(b.bytes(), kName);
    ASSERT_TRUE(labRead.ok());
    ASSERT_EQ(labRead->assignments.size(), 1u);
    EXPECT_TRUE(labRead->assignments[0].namegrade.empty());

    std::vector<std::string> points;
    points.reserve(3000);
    for (int i = 0; i < 3000; ++i) points.push_back(std::to_string(i % 11));
    const ClassRecord c = t::makeClass(t::numberedNames(3000), {{"Homework 1", "Homework", 10, points}});
    Result<QByteArray> written = serializeGradeFile(c);
    ASSERT_TRUE(written.ok());
    const qsizetype lengthAt = 837 + 3000 * 962 + 4;  // after the assignment count
    EXPECT_GT(qFromLittleEndian<quint32>(written->constData() + lengthAt), 12001u);
    Result<ClassRecord> read = parseGradeFile(written.value(), kName);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), c);
}

TEST(GradeFileWriting, ATextThatDoesNotFitIsRefusedNotCut) {
    ClassRecord c = awkwardClass();
    c.students[1].name = std::string(99, 'x');
    c.comments[1].name = c.students[1].name;
    for (AssignmentInfo& a : c.assignments) a.namegrade[1] = makePointEntry(c.students[1].name, "0");
    EXPECT_TRUE(serializeGradeFile(c).ok());

    // Each change overfills one field; the message names it.
    const struct {
        void (*overfill)(ClassRecord&);
        std::vector<const char*> said;
    } cases[] = {
        {[](ClassRecord& r) { r.students[1].name = std::string(100, 'x'); }, {"name of student 2", "at most 99"}},
        {[](ClassRecord& r) { r.students[0].city = std::string(46, 'c'); }, {"city of student 1 (Ann Lee)"}},
        {[](ClassRecord& r) { r.comments[2].desc = std::string(1000, 'c'); }, {}},
        {[](ClassRecord& r) { r.gradeScale.num_values = std::string(256, '9'); }, {}},
        {[](ClassRecord& r) { r.assignments[1].namegrade[0] = std::string("Ann\0Lee~1", 9); }, {"assignment 2"}},
    };
    for (const auto& k : cases) {
        ClassRecord over = c;
        k.overfill(over);
        const Result<QByteArray> r = serializeGradeFile(over);
        ASSERT_FALSE(r.ok()) << "case " << &k - cases;
        for (const char* said : k.said) EXPECT_TRUE(r.message().contains(said)) << r.message().toStdString();
    }
}

TEST(GradeFileDisk, WriteAndReadTheFileAsItIs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));

    ASSERT_TRUE(writeGradeFile(path, awkwardClass()).ok());
    EXPECT_EQ(fileContents(path), awkwardClassFile());

    // The scale is read as the file records it.
    ClassRecord other = awkwardClass();
    other.gradeScale = {"Chemistry", 0, "95,100,90,94.9"};
    ASSERT_TRUE(writeGradeFile(path, other).ok());
    Result<ClassRecord> read = readGradeFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->gradeScale, other.gradeScale);
    EXPECT_EQ(read->students, awkwardClass().students);

    Result<ClassRecord> missing = readGradeFile(dir.filePath(QStringLiteral("none.grs")));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(
        missing.message().startsWith(QStringLiteral("Unable to open ") + dir.filePath(QStringLiteral("none.grs"))));

    // A failed write leaves the old file whole.
    ClassRecord unsaveable = awkwardClass();
    unsaveable.students[0].state = "CAL";
    EXPECT_FALSE(writeGradeFile(path, unsaveable).ok());
    EXPECT_TRUE(readGradeFile(path).ok());
    EXPECT_EQ(readGradeFile(path)->gradeScale, other.gradeScale);
}
