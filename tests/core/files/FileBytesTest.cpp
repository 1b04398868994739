// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Reading a class file whole: what is not a file, or is far larger than any
// class file, is refused before it is read into memory.

#include "core/files/FileBytes.h"
#include "core/files/GradeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

TEST(FileBytes, ADeviceIsRefusedNotReadForever) {
    const QString zero = QStringLiteral("/dev/zero");
    if (!QFileInfo::exists(zero)) GTEST_SKIP() << "this system has no /dev/zero";
    const Result<QByteArray> read = readFileBytes(zero);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.message(), QStringLiteral("Unable to open /dev/zero: it is not a file"));
    // Every reader goes through it.
    EXPECT_FALSE(readGradeFile(zero).ok());
}

TEST(FileBytes, AFileLargerThanAnyClassFileIsRefusedUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.grs"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxClassFileBytes + 1));  // sparse: no disk space taken
    file.close();
    const Result<QByteArray> read = readFileBytes(path);
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.message().startsWith(QStringLiteral("Unable to open ") + path)) << read.message().toStdString();
    EXPECT_TRUE(read.message().contains(QStringLiteral("too large"))) << read.message().toStdString();

    ASSERT_TRUE(QFile::resize(path, 1000));
    const Result<QByteArray> small = readFileBytes(path);
    ASSERT_TRUE(small.ok()) << small.message().toStdString();
    EXPECT_EQ(small.value(), QByteArray(1000, '\0'));
}
