// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/document/RecoveryCopy.h"
#include "core/files/DataFolder.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace markwell;

namespace {

AttendanceInfo tardy(const char* name, int month) {
    return test::attendanceRecord(month, 2025, name, "T");
}

std::array<QByteArray, 3> classFiles(const QString& gradePath) {
    return {fileContents(gradePath), fileContents(attendancePathFor(gradePath)),
            fileContents(seatingPathFor(gradePath))};
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

TEST_F(RecoveryCopies, AreReadBackAsTheChangedClassWithoutTouchingTheClassFiles) {
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
}

TEST_F(RecoveryCopies, KeepOnlyTheLatestCopyAndGoWhenRemoved) {
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
    edited_.classRecord.students.pop_back();
    edited_.classRecord.comments.pop_back();
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());

    const QDir folder(recoveryFolderFor(classPath()));
    EXPECT_EQ(folder.entryList({QStringLiteral("copy-*")}, QDir::Dirs).size(), 1);
    const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
    ASSERT_EQ(left.size(), 1u);
    Result<Document> recovered = readRecoveryCopy(left[0], scales_);
    ASSERT_TRUE(recovered.ok());
    EXPECT_EQ(recovered->classRecord.students.size(), 1u);

    removeRecoveryCopy(classPath());
    EXPECT_TRUE(findLeftRecoveryCopies().empty());
    EXPECT_FALSE(folder.exists());
}

TEST_F(RecoveryCopies, InUseByARunningProgramAreNotLeftOver) {
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
    {
        QLockFile lock(recoveryLockPath(recoveryFolderFor(classPath())));
        ASSERT_TRUE(lock.tryLock(0));
        EXPECT_TRUE(findLeftRecoveryCopies().empty());
    }
    EXPECT_EQ(findLeftRecoveryCopies().size(), 1u);
}

TEST_F(RecoveryCopies, UnfinishedOrTamperedWithAreNeverOffered) {
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime::currentDateTime()).ok());
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

TEST_F(RecoveryCopies, KeepADamagedSiblingProtectedAndRefuseAnUntitledClass) {
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
}

TEST_F(RecoveryCopies, OfSeveralClassesComeNewestFirst) {
    ASSERT_TRUE(writeRecoveryCopy(edited_, QDateTime(QDate(2025, 3, 4), QTime(9, 0))).ok());
    Document other = edited_;
    other.markwellFile = dir_.filePath(QStringLiteral("period2.grs"));
    ASSERT_TRUE(writeRecoveryCopy(other, QDateTime(QDate(2025, 3, 4), QTime(10, 0))).ok());
    const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].classPath, other.markwellFile);
    EXPECT_EQ(left[1].classPath, classPath());
}
