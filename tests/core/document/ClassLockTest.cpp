// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/TestFiles.h"

#include "core/document/ClassLock.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using namespace markwell;

namespace {

using Kind = ClassLock::Kind;

bool takes(ClassLock& lock) {
    const Result<bool> taken = lock.take();
    return taken.ok() && *taken;
}

class ClassLockTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString classPath() const { return dir_.filePath(QStringLiteral("period1.grs")); }
    QTemporaryDir dir_;
};

TEST_F(ClassLockTest, OneHolderAtATimeUntilItLetsGo) {
    ClassLock first(classPath(), Kind::Change);
    std::optional<ClassLock> second;
    second.emplace(classPath(), Kind::Change);
    ASSERT_TRUE(takes(first));
    EXPECT_TRUE(first.isTaken());
    EXPECT_FALSE(takes(*second));
    EXPECT_FALSE(second->isTaken());
    // Never beside the class.
    EXPECT_FALSE(QFileInfo(classLockPath(classPath(), Kind::Change)).absolutePath().startsWith(dir_.path()));
    EXPECT_EQ(filesIn(dir_.path()), QStringList());

    first.release();
    EXPECT_TRUE(takes(*second));
    EXPECT_FALSE(takes(first));
    // A lock goes with its holder.
    second.reset();
    EXPECT_TRUE(takes(first));
}

TEST_F(ClassLockTest, AClassOpenInAWindowCanStillBeChanged) {
    ClassLock window(classPath(), Kind::Open);
    ClassLock script(classPath(), Kind::Change);
    ClassLock otherClass(dir_.filePath(QStringLiteral("period2.grs")), Kind::Open);
    ASSERT_TRUE(takes(window));
    EXPECT_TRUE(takes(script));
    EXPECT_TRUE(takes(otherClass));
}

TEST_F(ClassLockTest, TheLockOfAProcessThatDiedIsTakenOver) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Dies holding the lock: no destructor lets it go.
        ClassLock held(classPath(), Kind::Open);
        const Result<bool> taken = held.take();
        _exit(taken.ok() && *taken ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFileInfo::exists(classLockPath(classPath(), Kind::Open)));

    ClassLock next(classPath(), Kind::Open);
    EXPECT_TRUE(takes(next));
}

TEST_F(ClassLockTest, AFolderThatCannotBeMadeIsAnErrorNotAHeldLock) {
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", unwritablePath(dir_.path(), QStringLiteral("data")).toLocal8Bit());
    ClassLock lock(classPath(), Kind::Change);
    const Result<bool> taken = lock.take();
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_FALSE(taken.ok());
    EXPECT_TRUE(taken.message().contains(classPath())) << taken.message().toStdString();
}

}  // namespace
