// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Another program and a class: the lock that makes writers take turns, and
// the stamps that tell another program's write.

#include "tests/support/TestFiles.h"

#include "core/document/ClassLock.h"
#include "core/document/DiskStamps.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

using namespace markwell;

namespace {

using Kind = ClassLock::Kind;

bool takes(ClassLock& lock) {
    const Result<bool> taken = lock.take();
    return taken.ok() && *taken;
}

// Whether a lock taken in a process of its own, which then dies without
// letting go, was taken.
bool takenByAnotherProcess(const QString& classPath, ClassLock::Kind kind) {
    const pid_t child = fork();
    if (child == 0) {
        ClassLock other(classPath, kind);
        _exit(takes(other) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ClassLockTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString classPath() const { return dir_.filePath(QStringLiteral("period1.grs")); }
    QString changeLock() const { return classLockPath(classPath(), Kind::Change); }
    // A lock file as another holder would have left it, `ageSecs` old.
    void leaveLock(const QByteArray& text, int ageSecs) const {
        ASSERT_TRUE(writeWholeFile(changeLock(), text));
        const time_t then = static_cast<time_t>(QDateTime::currentSecsSinceEpoch() - ageSecs);
        const utimbuf times{then, then};
        ASSERT_EQ(::utime(QFile::encodeName(changeLock()).constData(), &times), 0);
    }
    // Whether another process can take the change lock now.
    bool anotherProcessTakes() const {
        return takenByAnotherProcess(dir_.filePath(QStringLiteral("period1.GRS")), Kind::Change);
    }
    QTemporaryDir dir_;
};

TEST_F(ClassLockTest, AChangeLockIsAHiddenFileBesideTheClassOnlyWhileHeldAndALockOfTheDeadIsTakenOver) {
    EXPECT_EQ(changeLock(), dir_.filePath(QStringLiteral(".period1.grs.lock")));
    // Every name of the class finds the same lock.
    EXPECT_EQ(classLockPath(dir_.filePath(QStringLiteral("period1.GRS")), Kind::Change), changeLock());
    std::optional<ClassLock> held;
    held.emplace(classPath(), Kind::Change);
    ASSERT_TRUE(takes(*held));
    EXPECT_EQ(filesIn(dir_.path()), QStringList{".period1.grs.lock"});
    const QList<QByteArray> holder = fileContents(changeLock()).split('\n');
    EXPECT_EQ(holder.value(0).toLongLong(), static_cast<qint64>(::getpid()));
    EXPECT_EQ(QString::fromUtf8(holder.value(1)), QSysInfo::machineHostName());

    // Another program waits; a second holder in this one shares it.
    EXPECT_FALSE(anotherProcessTakes());
    ClassLock nested(classPath(), Kind::Change);
    EXPECT_TRUE(takes(nested));
    nested.release();
    EXPECT_TRUE(held->stillHeld());
    held.reset();
    EXPECT_EQ(filesIn(dir_.path()), QStringList());
    // That process dies holding it: here it is taken over, then gone with its holder.
    EXPECT_TRUE(anotherProcessTakes());
    ClassLock next(classPath(), Kind::Change);
    EXPECT_TRUE(takes(next));
    next.release();
    EXPECT_EQ(filesIn(dir_.path()), QStringList());

    // The open lock of a process that died is taken over too.
    ASSERT_TRUE(takenByAnotherProcess(classPath(), Kind::Open));
    ASSERT_TRUE(QFileInfo::exists(classLockPath(classPath(), Kind::Open)));
    ClassLock window(classPath(), Kind::Open);
    EXPECT_TRUE(takes(window));
}

TEST_F(ClassLockTest, ALockIsTakenOverOnlyWhenItsHolderCannotLetGoAndOneThatCannotBeMadeIsAnError) {
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    struct Case {
        const char* what;
        QByteArray text;
        int ageSecs;
        bool stale;
    };
    const std::vector<Case> cases = {
        {"a holder that died here", "99999999\n" + host + "\nmarkwell-cli\n", 0, true},
        {"a living holder here", QByteArray::number(getppid()) + '\n' + host + "\nmarkwell\n", 3600, false},
        {"a holder on another computer", "99999999\nelsewhere.example\nmarkwell\n", 3600, false},
        {"an empty lock of a moment ago", "", 2, false},
        {"an empty lock older than ten seconds", "", 30, true},
        {"a lock of nonsense older than ten seconds", "\x01\x02", 30, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        leaveLock(c.text, c.ageSecs);
        ClassLock lock(classPath(), Kind::Change);
        const Result<bool> taken = lock.take(std::chrono::milliseconds(50));
        ASSERT_TRUE(taken.ok()) << taken.message().toStdString();
        EXPECT_EQ(*taken, c.stale);
        if (!c.stale) {
            EXPECT_EQ(fileContents(changeLock()), c.text);
        }
        lock.release();
        QFile::remove(changeLock());
    }

    // Beside a class in a folder that is not one; the open lock in a data folder that cannot be made.
    const QString nowhere = unwritablePath(dir_.path(), QStringLiteral("c.grs"));
    ClassLock change(nowhere, Kind::Change);
    EXPECT_FALSE(change.take().ok());

    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", unwritablePath(dir_.path(), QStringLiteral("data")).toLocal8Bit());
    ClassLock open(classPath(), Kind::Open);
    const Result<bool> taken = open.take();
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_FALSE(taken.ok());
    EXPECT_TRUE(taken.message().contains(classPath())) << taken.message().toStdString();
}

TEST_F(ClassLockTest, AClassOpenInAWindowCanStillBeChanged) {
    ClassLock window(classPath(), Kind::Open);
    ClassLock script(classPath(), Kind::Change);
    ClassLock otherClass(dir_.filePath(QStringLiteral("period2.grs")), Kind::Open);
    ASSERT_TRUE(takes(window));
    EXPECT_TRUE(takes(script));
    EXPECT_TRUE(takes(otherClass));
    // The open lock stays in the program's own folder, for this user alone.
    EXPECT_FALSE(QFileInfo(classLockPath(classPath(), Kind::Open)).absolutePath().startsWith(dir_.path()));
    EXPECT_EQ(fileMode(classLockPath(classPath(), Kind::Open), 07777), 0600u);
}

bool setModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
}

}  // namespace

TEST(DiskStamps, TellAnotherProgramsWriteEvenWithTheSameSizeAndTimeOrDeepInsideALargeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Document document;
    document.markwellFile = dir.filePath(QStringLiteral("period1.grs"));
    document.attendFile = dir.filePath(QStringLiteral("period1.ATD"));
    document.seatingFile = dir.filePath(QStringLiteral("period1.SEA"));
    const QDateTime noon(QDate(2025, 3, 4), QTime(12, 0));
    ASSERT_TRUE(writeWholeFile(document.markwellFile, "grades"));
    ASSERT_TRUE(setModified(document.markwellFile, noon));
    const ClassFileStamps read = stampClassFiles(document);
    EXPECT_TRUE(read.grade.exists);
    EXPECT_FALSE(read.attendance.exists);
    EXPECT_EQ(stampClassFiles(document), read);

    // Same size, same time, other bytes.
    ASSERT_TRUE(writeWholeFile(document.markwellFile, "GRADES"));
    ASSERT_TRUE(setModified(document.markwellFile, noon));
    EXPECT_NE(stampClassFiles(document), read);

    // A touch alone, and a sibling that appears, count too.
    ASSERT_TRUE(writeWholeFile(document.markwellFile, "grades"));
    ASSERT_TRUE(setModified(document.markwellFile, noon.addSecs(1)));
    EXPECT_NE(stampClassFiles(document), read);
    ASSERT_TRUE(setModified(document.markwellFile, noon));
    EXPECT_EQ(stampClassFiles(document), read);
    ASSERT_TRUE(writeWholeFile(document.seatingFile, ""));
    EXPECT_NE(stampClassFiles(document), read);

    // A damaged sibling the teacher deletes, as told to, is nobody else's change.
    document.seatingDamage = QStringLiteral("period1.SEA: damaged");
    const ClassFileStamps withDamage = stampClassFiles(document);
    ASSERT_TRUE(QFile::remove(document.seatingFile));
    EXPECT_EQ(stampClassFiles(document), withDamage);

    EXPECT_EQ(stampClassFiles(Document{}), ClassFileStamps{});

    // The content is read in blocks: a change far into a large file, past
    // the first block, with the size and time kept, still counts.
    const QString path = dir.filePath(QStringLiteral("large.grs"));
    const QByteArray bytes(3 * 1024 * 1024 + 17, 'a');
    ASSERT_TRUE(writeWholeFile(path, bytes));
    ASSERT_TRUE(setModified(path, noon));
    const FileStamp before = stampFile(path);
    EXPECT_EQ(stampFile(path), before);

    for (const qsizetype at : {qsizetype(2 * 1024 * 1024 + 5), bytes.size() - 1}) {
        QByteArray changed = bytes;
        changed[at] = 'b';
        ASSERT_TRUE(writeWholeFile(path, changed));
        ASSERT_TRUE(setModified(path, noon));
        EXPECT_NE(stampFile(path), before) << "byte " << at;
    }
    ASSERT_TRUE(writeWholeFile(path, bytes));
    ASSERT_TRUE(setModified(path, noon));
    EXPECT_EQ(stampFile(path), before);
}
