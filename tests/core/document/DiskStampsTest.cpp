// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/DiskStamps.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

bool setModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
}

}  // namespace

TEST(DiskStamps, TellAnotherProgramsWriteEvenWithTheSameSizeAndTime) {
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
}

// The content is read in blocks: a change far into a large file, past the
// first block, with the size and time kept, still counts.
TEST(DiskStamps, TellAChangeDeepInsideALargeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("large.grs"));
    const QDateTime noon(QDate(2025, 3, 4), QTime(12, 0));
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
