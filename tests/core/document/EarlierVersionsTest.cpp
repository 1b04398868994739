// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The copies that keep a teacher's work: earlier versions of a class kept at
// each save, and recovery copies of unsaved changes.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/document/RecoveryCopy.h"
#include "core/files/DataFolder.h"
#include "core/reports/EarlierVersionsTable.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

using namespace markwell;

namespace {

std::array<QByteArray, 3> classFiles(const QString& gradePath) {
    return {fileContents(gradePath), fileContents(attendancePathFor(gradePath)),
            fileContents(seatingPathFor(gradePath))};
}

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

TEST_F(EarlierVersionsTest, RestoringAVersionGivesItsThreeFilesByteForByteAndOpeningOneAnUntitledClass) {
    addStudentAndSave();
    addStudentAndSave();
    const std::array<QByteArray, 3> second = classFiles(classPath());
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

    // Opened, the oldest version is a new untitled class with its attendance and seats.
    QSettingsStore settings(path(QStringLiteral("settings.ini")));
    ScaleStore scales(settings);
    const std::vector<EarlierVersion> versions = earlierVersions(classPath());
    ASSERT_EQ(versions.size(), 3u);
    const std::array<QByteArray, 3> before = classFiles(classPath());
    Result<Document> opened = openEarlierVersion(versions.back(), scales);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_FALSE(opened->isTitled());
    EXPECT_TRUE(opened->attendFile.isEmpty() && opened->seatingFile.isEmpty());
    EXPECT_TRUE(opened->modified);
    EXPECT_EQ(opened->classRecord.students.size(), 1u);
    EXPECT_EQ(opened->attendance.records().size(), 1u);
    ASSERT_EQ(opened->classRecord.Seats.size(), 1u);
    EXPECT_EQ(opened->classRecord.Seats[0].left, 77);
    EXPECT_EQ(classFiles(classPath()), before);
}

TEST_F(EarlierVersionsTest, ASaveThatChangesNothingKeepsNoSecondCopyAndAVersionThatCannotBeKeptSaysWhy) {
    addStudentAndSave();
    addStudentAndSave();
    ASSERT_EQ(earlierVersions(classPath()).size(), 1u);
    // Saved twice more unchanged: the class as it is is kept once, not twice.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(keepEarlierVersion(classPath(), 10).ok());
        ASSERT_TRUE(saveDocument(document_, classPath()).ok());
    }
    EXPECT_EQ(earlierVersions(classPath()).size(), 2u);

    // A version that cannot be kept says why.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const QString blocked = unwritablePath(dir_.path(), QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    const Result<void> kept = keepEarlierVersion(classPath(), 10);
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_FALSE(kept.ok());
    EXPECT_TRUE(kept.message().contains(blocked)) << kept.message().toStdString();
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

AttendanceInfo tardy(const char* name, int month) {
    return test::attendanceRecord(month, 2025, name, "T");
}

// A class "period1.grs" saved in a folder of its own, then changed in memory
// as a teacher would change it before a crash.
class RecoveryCopies : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(programDataFolder()).removeRecursively();
        Document saved;
        saved.classRecord = test::makeClass({"Ann"}, {});
        saved.attendance = AttendanceBook({tardy("Ann", 1)});
        ASSERT_TRUE(saveDocument(saved, classPath()).ok());
        onDisk_ = classFiles(classPath());

        Result<Document> opened = openDocument(classPath(), scales_);
        ASSERT_TRUE(opened.ok());
        edited_ = std::move(opened).value();
        edited_.classRecord.students.emplace_back().name = "Bo";
        edited_.classRecord.comments.push_back({"Bo", "joined late"});
        edited_.classRecord.Seats.push_back({.name = "Bo", .left = 40});
        edited_.attendance = AttendanceBook({tardy("Ann", 1), tardy("Bo", 3)});
        edited_.modified = true;
    }

    QString classPath() const { return dir_.filePath(QStringLiteral("period1.grs")); }

    // What a save of `document` writes, saved into a folder of its own.
    std::array<QByteArray, 3> savedBytes(const Document& document, const QString& folderName) {
        Document copy = document;
        const QString path = dir_.filePath(folderName + QStringLiteral("/period1.grs"));
        QDir().mkpath(dir_.filePath(folderName));
        EXPECT_TRUE(saveDocument(copy, path).ok());
        return classFiles(path);
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("settings.ini"))};
    ScaleStore scales_{settings_};
    std::array<QByteArray, 3> onDisk_;
    Document edited_;
};

}  // namespace

TEST_F(RecoveryCopies, AreReadBackAsTheChangedClassWithoutTouchingTheClassFilesOnlyTheLatestKeptUntilRemoved) {
    const QDateTime madeAt(QDate(2025, 3, 4), QTime(14, 32));
    const QStringList besideTheClass = filesIn(dir_.path());
    ASSERT_TRUE(writeRecoveryCopy(edited_, madeAt).ok());
    EXPECT_EQ(classFiles(classPath()), onDisk_);
    EXPECT_EQ(filesIn(dir_.path()), besideTheClass);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());

    const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].classPath, classPath());
    EXPECT_EQ(left[0].madeAt, madeAt);
    EXPECT_TRUE(left[0].folder.startsWith(programDataFolder()));

    Result<Document> recovered = readRecoveryCopy(left[0], scales_);
    ASSERT_TRUE(recovered.ok()) << recovered.message().toStdString();
    EXPECT_TRUE(recovered->modified);
    EXPECT_EQ(recovered->markwellFile, classPath());
    EXPECT_EQ(recovered->attendFile, attendancePathFor(classPath()));
    EXPECT_EQ(recovered->seatingFile, seatingPathFor(classPath()));
    // All three files, byte for byte, as the changed class would have been saved.
    EXPECT_EQ(savedBytes(*recovered, QStringLiteral("recovered")), savedBytes(edited_, QStringLiteral("edited")));
    EXPECT_NE(savedBytes(*recovered, QStringLiteral("recovered")), onDisk_);

    // Only the latest copy is kept; removed, it goes.
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
    edited_.classRecord.students.pop_back();
    edited_.classRecord.comments.pop_back();
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());

    const QDir folder(recoveryFolderFor(classPath()));
    EXPECT_EQ(folder.entryList({QStringLiteral("copy-*")}, QDir::Dirs).size(), 1);
    const std::vector<RecoveryCopy> latest = findLeftRecoveryCopies();
    ASSERT_EQ(latest.size(), 1u);
    Result<Document> latestRead = readRecoveryCopy(latest[0], scales_);
    ASSERT_TRUE(latestRead.ok());
    EXPECT_EQ(latestRead->classRecord.students.size(), 1u);

    removeRecoveryCopy(classPath());
    EXPECT_TRUE(findLeftRecoveryCopies().empty());
    EXPECT_FALSE(folder.exists());
}

TEST_F(RecoveryCopies, InUseByARunningProgramAreNotLeftOverAndOfSeveralClassesComeNewestFirst) {
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
    {
        QLockFile lock(recoveryLockPath(recoveryFolderFor(classPath())));
        ASSERT_TRUE(lock.tryLock(0));
        EXPECT_TRUE(findLeftRecoveryCopies().empty());
    }
    EXPECT_EQ(findLeftRecoveryCopies().size(), 1u);

    // Of several classes, the newest comes first.
    Document other = edited_;
    other.markwellFile = dir_.filePath(QStringLiteral("period2.grs"));
    ASSERT_TRUE(writeRecoveryCopy(other, QDateTime::currentDateTime().addSecs(3600)).ok());
    const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].classPath, other.markwellFile);
    EXPECT_EQ(left[1].classPath, classPath());
}

TEST_F(RecoveryCopies, KeepADamagedSiblingProtectedRefuseAnUntitledClassAndAreNeverOfferedUnfinishedOrTamperedWith) {
    edited_.seatingDamage = QStringLiteral("period1.SEA: a record\nno Markwell file holds");
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
    const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
    ASSERT_EQ(left.size(), 1u);
    Result<Document> recovered = readRecoveryCopy(left[0], scales_);
    ASSERT_TRUE(recovered.ok());
    EXPECT_EQ(recovered->seatingDamage, edited_.seatingDamage);
    EXPECT_TRUE(recovered->attendanceDamage.isEmpty());

    Document untitled = edited_;
    untitled.markwellFile.clear();
    EXPECT_FALSE(writeRecoveryCopy(untitled, QDateTime::currentDateTime()).ok());

    // Unfinished or tampered with, a copy is never offered.
    const QString note = recoveryFolderFor(classPath()) + QStringLiteral("/recovery.txt");
    const QByteArray written = fileContents(note);
    const auto offeredWith = [&](const QByteArray& bytes) {
        if (!writeWholeFile(note, bytes)) return true;
        return !findLeftRecoveryCopies().empty();
    };
    // A copy name that leads out of the folder, or names no copy.
    QByteArray outside = written;
    outside.replace(written.mid(5, written.indexOf('\n') - 5), "..%2F..%2Fother");
    EXPECT_FALSE(offeredWith(outside));
    QByteArray missing = written;
    missing.replace(written.mid(5, written.indexOf('\n') - 5), "copy-1");
    EXPECT_FALSE(offeredWith(missing));
    EXPECT_FALSE(offeredWith(QByteArray()));
    EXPECT_FALSE(offeredWith(QByteArray(70 * 1024, 'x')));
    EXPECT_TRUE(offeredWith(written));
    // A copy killed before its note was written is not offered either.
    QFile::remove(note);
    EXPECT_TRUE(findLeftRecoveryCopies().empty());
}
