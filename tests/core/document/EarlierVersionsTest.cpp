// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/files/DataFolder.h"
#include "core/reports/EarlierVersionsTable.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

using namespace markwell;

namespace {

std::string nameOf(int i) {
    return "Student " + std::to_string(i);
}

// A class in a folder of its own, saved as the program saves: the class on
// disk is kept as an earlier version first.
class EarlierVersionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        document_.classRecord.Seats = {{.name = "Student 0", .left = 77}};
    }

    // Adds a student (and a tardy of theirs) and saves.
    void addStudentAndSave(int keep = 10) {
        const int i = static_cast<int>(document_.classRecord.students.size());
        document_.classRecord.students.emplace_back().name = nameOf(i);
        document_.classRecord.comments.push_back({nameOf(i), ""});
        document_.attendance.appendRecord(test::attendanceRecord(9, 2026, nameOf(i), "T"));
        ASSERT_TRUE(keepEarlierVersion(classPath(), keep).ok());
        ASSERT_TRUE(saveDocument(document_, classPath()).ok());
    }

    std::array<QByteArray, 3> filesOnDisk(const QString& gradePath) const {
        return {fileContents(gradePath), fileContents(attendancePathFor(gradePath)),
                fileContents(seatingPathFor(gradePath))};
    }

    QString classPath() const { return dir_.filePath(QStringLiteral("period1.grs")); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    Document document_;
};

TEST_F(EarlierVersionsTest, TwelveSavesKeepTheLastTenVersions) {
    addStudentAndSave();  // the first save replaces nothing
    EXPECT_TRUE(earlierVersions(classPath()).empty());
    for (int save = 0; save < 12; ++save) addStudentAndSave();

    const std::vector<EarlierVersion> versions = earlierVersions(classPath());
    ASSERT_EQ(versions.size(), 10u);
    // Newest first: the class as it was before the last save had 12 students.
    for (std::size_t i = 0; i < versions.size(); ++i) {
        EXPECT_EQ(versions[i].number, 12 - static_cast<int>(i));
        EXPECT_EQ(versions[i].students, 12 - static_cast<int>(i));
        EXPECT_EQ(versions[i].assignments, 0);
        EXPECT_TRUE(versions[i].saved.isValid());
    }
    // Kept in the program's folder, never beside the class.
    QStringList beside = filesIn(dir_.path());
    beside.sort();
    EXPECT_EQ(beside, (QStringList{"period1.ATD", "period1.SEA", "period1.grs"}));
    EXPECT_TRUE(versions.front().gradeFile.startsWith(classDataFolder(classPath())));

    // A smaller number lets the oldest go at the next save; 0 keeps nothing more.
    addStudentAndSave(3);
    EXPECT_EQ(earlierVersions(classPath()).size(), 3u);
    EXPECT_EQ(earlierVersions(classPath()).front().number, 13);
    addStudentAndSave(0);
    EXPECT_EQ(earlierVersions(classPath()).size(), 3u);
}

TEST_F(EarlierVersionsTest, RestoringAVersionGivesItsThreeFilesByteForByte) {
    addStudentAndSave();
    addStudentAndSave();
    const std::array<QByteArray, 3> second = filesOnDisk(classPath());
    addStudentAndSave();
    addStudentAndSave();

    const std::optional<EarlierVersion> version = earlierVersion(classPath(), 2);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->students, 2);
    const Result<ClassFileBytes> kept = readEarlierVersion(*version);
    ASSERT_TRUE(kept.ok());
    const std::array<QByteArray, 3> restored = {kept->grade, kept->attendance, kept->seating};
    for (std::size_t i = 0; i < restored.size(); ++i) {
        EXPECT_FALSE(restored[i].isEmpty()) << i;
        EXPECT_EQ(restored[i], second[i]) << i;
    }
    EXPECT_FALSE(earlierVersion(classPath(), 99).has_value());
}

TEST_F(EarlierVersionsTest, ASaveThatChangesNothingKeepsNoSecondCopy) {
    addStudentAndSave();
    addStudentAndSave();
    ASSERT_EQ(earlierVersions(classPath()).size(), 1u);
    // Saved twice more unchanged: the class as it is is kept once, not twice.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(keepEarlierVersion(classPath(), 10).ok());
        ASSERT_TRUE(saveDocument(document_, classPath()).ok());
    }
    EXPECT_EQ(earlierVersions(classPath()).size(), 2u);
}

TEST_F(EarlierVersionsTest, AVersionOpensAsANewUntitledClassWithAttendanceAndSeats) {
    addStudentAndSave();
    addStudentAndSave();
    addStudentAndSave();
    QSettingsStore settings(path(QStringLiteral("settings.ini")));
    ScaleStore scales(settings);
    const std::vector<EarlierVersion> versions = earlierVersions(classPath());
    ASSERT_EQ(versions.size(), 2u);
    const std::array<QByteArray, 3> before = filesOnDisk(classPath());

    Result<Document> opened = openEarlierVersion(versions.back(), scales);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_FALSE(opened->isTitled());
    EXPECT_TRUE(opened->attendFile.isEmpty() && opened->seatingFile.isEmpty());
    EXPECT_TRUE(opened->modified);
    EXPECT_EQ(opened->classRecord.students.size(), 1u);
    EXPECT_EQ(opened->attendance.records().size(), 1u);
    ASSERT_EQ(opened->classRecord.Seats.size(), 1u);
    EXPECT_EQ(opened->classRecord.Seats[0].left, 77);
    EXPECT_EQ(filesOnDisk(classPath()), before);
}

TEST_F(EarlierVersionsTest, OnlyWholeNumberedVersionsAreListed) {
    addStudentAndSave();
    addStudentAndSave();
    const QString versions = classDataFolder(classPath()) + QStringLiteral("/versions");
    // What a person or a stopped save may leave there is no version.
    ASSERT_TRUE(QDir().mkpath(versions + QStringLiteral("/notes")));
    ASSERT_TRUE(QDir().mkpath(versions + QStringLiteral("/.keeping-abc123")));
    ASSERT_TRUE(QDir().mkpath(versions + QStringLiteral("/007")));
    ASSERT_TRUE(QDir().mkpath(versions + QStringLiteral("/5")));  // no grade file in it
    const std::vector<EarlierVersion> listed = earlierVersions(classPath());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed.front().number, 1);

    // A version whose grade file is damaged is listed without its counts.
    ASSERT_TRUE(writeWholeFile(listed.front().gradeFile, "not a class"));
    EXPECT_EQ(earlierVersions(classPath()).front().students, -1);
}

TEST_F(EarlierVersionsTest, AVersionThatCannotBeKeptSaysWhy) {
    addStudentAndSave();
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const QString blocked = unwritablePath(dir_.path(), QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    const Result<void> kept = keepEarlierVersion(classPath(), 10);
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_FALSE(kept.ok());
    EXPECT_TRUE(kept.message().contains(blocked)) << kept.message().toStdString();
}

TEST(EarlierVersionsTable, ListsEachVersionInOneFixedForm) {
    const EarlierVersion readable{12, QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)), 25, 8, {}};
    const EarlierVersion damaged{3, QDateTime(QDate(2026, 1, 30), QTime(14, 0, 0)), -1, -1, {}};
    const Sheet table = earlierVersionsTable({readable, damaged});
    EXPECT_EQ(table.toTsv(CellRange::all()), QStringLiteral("Version\tSaved\tStudents\tAssignments\n"
                                                            "12\t2026-12-07 09:05:03\t25\t8\n"
                                                            "3\t2026-01-30 14:00:00\t?\t?\n"));
    EXPECT_EQ(table.fixedRows(), 1);
    EXPECT_EQ(earlierVersionsTable({}).maxRow(), 1);
}

}  // namespace
