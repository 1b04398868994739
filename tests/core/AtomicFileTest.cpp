// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/AtomicFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/stat.h>

using namespace markwell;

namespace {

// A writer of the temporary file that puts these bytes in it.
std::function<Result<void>(const QString&)> writing(const QByteArray& bytes) {
    return [bytes](const QString& temp) -> Result<void> {
        if (!writeWholeFile(temp, bytes)) return fail(QStringLiteral("cannot write ") + temp);
        return {};
    };
}

// Three files, two of them there already with old content.
struct FileSetFolder {
    FileSetFolder() {
        EXPECT_TRUE(writeFileAtomically(path("c.ATD"), "old attendance").ok());
        EXPECT_TRUE(writeFileAtomically(path("c.grs"), "old grades").ok());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    std::vector<FileToWrite> newSet() const {
        return {{path("c.ATD"), "new attendance"}, {path("c.SEA"), "new seats"}, {path("c.grs"), "new grades"}};
    }
    void expectUnchanged() const {
        EXPECT_EQ(fileContents(path("c.ATD")), QByteArray("old attendance"));
        EXPECT_EQ(fileContents(path("c.grs")), QByteArray("old grades"));
        EXPECT_EQ(filesIn(dir.path()), (QStringList{"c.ATD", "c.grs"}));
    }
    QTemporaryDir dir;
};

}  // namespace

TEST(AtomicFile, ReplacesContentAndKeepsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    ASSERT_TRUE(writeFileAtomically(path, "first").ok());
    ::chmod(QFile::encodeName(path).constData(), 0640);
    ASSERT_TRUE(writeFileAtomically(path, "second").ok());
    EXPECT_EQ(fileContents(path), QByteArray("second"));
    EXPECT_EQ(fileMode(path), 0640u);

    ASSERT_TRUE(writeFileAtomicallyVia(path, writing("third")).ok());
    EXPECT_EQ(fileContents(path), QByteArray("third"));
    EXPECT_EQ(fileMode(path), 0640u);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"class.grs"});
}

TEST(AtomicFile, AFailedWriteSaysWhyAndLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.xls"));
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());

    auto result = writeFileAtomicallyVia(
        path, [](const QString&) -> Result<void> { return fail(QStringLiteral("the disk is full")); });
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message(), QStringLiteral("Unable to create ") + path + QStringLiteral(": the disk is full"));
    EXPECT_EQ(fileContents(path), QByteArray("old"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{"class.xls"});

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/c.grs"));
    auto noFolder = writeFileAtomically(missing, "x");
    ASSERT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.message().startsWith(QStringLiteral("Unable to create ") + missing));
}

TEST(AtomicFile, AReadOnlyFolderIsReported) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    QTemporaryDir dir;
    ASSERT_TRUE(user.own(dir.path()));
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    // The user may write here: what fails below fails for the folder's sake.
    ASSERT_TRUE(user.run([&] { return writeFileAtomically(path, "old"); }).ok());
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    const Result<void> result = user.run([&] { return writeFileAtomically(path, "new"); });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().startsWith(QStringLiteral("Unable to create ") + path))
        << qPrintable(result.message());
    EXPECT_EQ(fileContents(path), QByteArray("old"));
}

TEST(AtomicFile, AReadOnlyFileIsNotReplacedEitherWay) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    QTemporaryDir dir;
    ASSERT_TRUE(user.own(dir.path()));
    const QString path = dir.filePath(QStringLiteral("class.xlsx"));
    const auto viaTemp = [&] { return writeFileAtomicallyVia(path, writing("new")); };
    // The folder is the user's: only the file's own permission can stop the rename.
    ASSERT_TRUE(user.run([&] { return writeFileAtomically(path, "old"); }).ok());
    ASSERT_TRUE(user.run(viaTemp).ok());
    ASSERT_TRUE(user.run([&] { return writeFileAtomically(path, "old"); }).ok());

    ::chmod(QFile::encodeName(path).constData(), 0444);
    const Result<void> direct = user.run([&] { return writeFileAtomically(path, "new"); });
    const Result<void> replaced = user.run(viaTemp);
    EXPECT_FALSE(direct.ok());
    ASSERT_FALSE(replaced.ok());
    EXPECT_TRUE(replaced.message().startsWith(QStringLiteral("Unable to create ") + path));
    EXPECT_EQ(fileContents(path), QByteArray("old"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{"class.xlsx"});
}

TEST(AtomicFile, AFullDiskGivesTheSystemsReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    Result<void> result;
    {
        const test::FileSizeLimit limit(4096);
        result = writeFileAtomically(path, QByteArray(100000, 'x'));
    }
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message(), QStringLiteral("Unable to create ") + path + QStringLiteral(": File too large"));
    EXPECT_EQ(fileContents(path), QByteArray("old"));
}

TEST(AtomicFile, ALinkIsFollowedWhateverTheWayOfWriting) {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.txt"));
    const QString link = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(writeFileAtomically(real, "old").ok());
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(writeFileAtomically(link, "direct").ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileContents(real), QByteArray("direct"));

    ASSERT_TRUE(writeFileAtomicallyVia(link, writing("via")).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileContents(real), QByteArray("via"));
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"out.csv", "real.txt"}));
}

TEST(AtomicFile, WhatAKilledWriteLeftIsRemovedByTheNextWriteOfThatName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("o.pdf"));
    // No process has a number this high: its writer is gone. Process 1 lives.
    const QStringList gone = {QStringLiteral(".o.pdf.99999999.part"), QStringLiteral(".o.pdf.99999998.kept")};
    const QStringList kept = {QStringLiteral(".o.pdf.1.part"), QStringLiteral(".other.pdf.99999999.part"),
                              QStringLiteral(".o.pdf.notes")};
    for (const QString& name : gone + kept) ASSERT_TRUE(writeFileAtomically(dir.filePath(name), "x").ok());

    ASSERT_TRUE(writeFileAtomicallyVia(path, writing("pdf")).ok());
    QStringList expected = kept + QStringList{"o.pdf"};
    expected.sort();
    QStringList found = filesIn(dir.path());
    found.sort();
    EXPECT_EQ(found, expected);
}

TEST(AtomicFileSet, ReplacesEveryFileInTheOrderGiven) {
    const FileSetFolder folder;
    QStringList order;
    const Result<void> written = writeFilesAsSet(folder.newSet(), [&](const QString& from, const QString& to) {
        // Every new content is whole on disk before the first file is replaced.
        if (order.isEmpty()) {
            const QStringList staged =
                QDir(folder.dir.path()).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden);
            EXPECT_EQ(staged.size(), 3);
            for (const QString& name : staged) EXPECT_TRUE(fileContents(folder.dir.filePath(name)).startsWith("new"));
        }
        order << QFileInfo(to).fileName();
        return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
    });
    ASSERT_TRUE(written.ok()) << written.message().toStdString();
    EXPECT_EQ(order, (QStringList{"c.ATD", "c.SEA", "c.grs"}));
    EXPECT_EQ(fileContents(folder.path("c.ATD")), QByteArray("new attendance"));
    EXPECT_EQ(fileContents(folder.path("c.SEA")), QByteArray("new seats"));
    EXPECT_EQ(fileContents(folder.path("c.grs")), QByteArray("new grades"));
    EXPECT_EQ(filesIn(folder.dir.path()).size(), 3);
}

TEST(AtomicFileSet, AFailedRenameTakesBackTheFilesAlreadyReplaced) {
    for (const char* failing : {"c.SEA", "c.grs"}) {
        SCOPED_TRACE(failing);
        const FileSetFolder folder;
        const Result<void> written = writeFilesAsSet(folder.newSet(), [&](const QString& from, const QString& to) {
            if (QFileInfo(to).fileName() == QLatin1String(failing)) {
                errno = EIO;
                return -1;
            }
            return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
        });
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.message(), QStringLiteral("Unable to create %1: %2")
                                         .arg(folder.path(failing), QString::fromLocal8Bit(std::strerror(EIO))));
        folder.expectUnchanged();
    }
}

TEST(AtomicFileSet, AFileThatCannotBeReplacedStopsTheSetBeforeAnyIs) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    const FileSetFolder folder;
    for (const char* name : {"c.ATD", "c.grs"}) ASSERT_TRUE(user.own(folder.path(name)));
    ASSERT_TRUE(user.own(folder.dir.path()));
    // The attendance is replaced first, the grade file last: either one read-only stops all.
    for (const char* readOnly : {"c.ATD", "c.grs"}) {
        SCOPED_TRACE(readOnly);
        ::chmod(QFile::encodeName(folder.path(readOnly)).constData(), 0444);
        const Result<void> written = user.run([&] { return writeFilesAsSet(folder.newSet()); });
        ::chmod(QFile::encodeName(folder.path(readOnly)).constData(), 0644);
        ASSERT_FALSE(written.ok());
        EXPECT_TRUE(written.message().startsWith(QStringLiteral("Unable to create ") + folder.path(readOnly)))
            << written.message().toStdString();
        folder.expectUnchanged();
    }
}

TEST(AtomicFileSet, ASetWrittenFileByFileReplacesNothingUntilCommitted) {
    const FileSetFolder folder;
    const std::vector<FileToWrite> files = folder.newSet();
    const QStringList paths{files[0].path, files[1].path, files[2].path};
    {
        // Dropped half-way, as a cancelled folder of reports is.
        Result<FileSetWriter> set = FileSetWriter::begin(paths);
        ASSERT_TRUE(set.ok()) << qPrintable(set.message());
        ASSERT_TRUE(set->write(0, files[0].bytes).ok());
        ASSERT_TRUE(set->write(1, files[1].bytes).ok());
    }
    folder.expectUnchanged();

    Result<FileSetWriter> set = FileSetWriter::begin(paths);
    ASSERT_TRUE(set.ok());
    for (std::size_t i = 0; i < files.size(); ++i) ASSERT_TRUE(set->write(i, files[i].bytes).ok());
    // Written but not committed: the old files are still the ones in place.
    EXPECT_EQ(fileContents(folder.path("c.ATD")), QByteArray("old attendance"));
    EXPECT_FALSE(QFileInfo::exists(folder.path("c.SEA")));
    ASSERT_TRUE(set->commit().ok());
    EXPECT_EQ(fileContents(folder.path("c.ATD")), QByteArray("new attendance"));
    EXPECT_EQ(fileContents(folder.path("c.SEA")), QByteArray("new seats"));
    EXPECT_EQ(filesIn(folder.dir.path()).size(), 3);
}
