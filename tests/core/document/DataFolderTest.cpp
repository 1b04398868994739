// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/DataFolder.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

TEST(DataFolder, KeepsEachClassApartAndOutOfTheClassFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("period1.grs"));
    const QString second = dir.filePath(QStringLiteral("sub/period1.grs"));
    EXPECT_NE(classDataFolder(first), classDataFolder(second));
    EXPECT_TRUE(classDataFolder(first).startsWith(programDataFolder() + u'/'));
    EXPECT_FALSE(classDataFolder(first).startsWith(dir.path()));
    // A class not saved yet and the same class once saved share a folder.
    const QString before = classDataFolder(first);
    ASSERT_TRUE(writeWholeFile(first, {}));
    EXPECT_EQ(classDataFolder(first), before);
}

TEST(DataFolder, FindsTheSameFolderThroughALinkOrAnUntidyPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString real = dir.filePath(QStringLiteral("period1.grs"));
    ASSERT_TRUE(writeWholeFile(real, {}));
    const QString link = dir.filePath(QStringLiteral("linked.grs"));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(classDataFolder(link), classDataFolder(real));
    EXPECT_EQ(classDataFolder(dir.path() + QStringLiteral("/./x/../period1.grs")), classDataFolder(real));
}

TEST(DataFolder, CreatedFolderSaysWhichClassItBelongsTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Period 1 (math).grs"));
    Result<QString> folder = createClassDataFolder(path);
    ASSERT_TRUE(folder.ok()) << folder.message().toStdString();
    EXPECT_TRUE(QDir(*folder).exists());
    EXPECT_EQ(dataFolderClassPath(*folder), classKeyPath(path));
    EXPECT_TRUE(dataFolderClassPath(dir.filePath(QStringLiteral("none"))).isEmpty());
    // Made again, it is still there and still says so.
    ASSERT_TRUE(createClassDataFolder(path).ok());
    EXPECT_EQ(dataFolderClassPath(*folder), classKeyPath(path));
}

}  // namespace
