#include "files/AtomicFile.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace markwell;

TEST(AtomicFile, ReplacesContentAndKeepsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    ASSERT_TRUE(writeFileAtomically(path, "first").ok());
    ::chmod(QFile::encodeName(path).constData(), 0640);
    ASSERT_TRUE(writeFileAtomically(path, "second").ok());
    EXPECT_EQ(fileContents(path), QByteArray("second"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ASSERT_TRUE(writeFileAtomicallyVia(path, [](const QString& temp) -> Result<void> {
        QFile f(temp);
        if (!f.open(QIODevice::WriteOnly) || f.write("third") != 5) return fail(QStringLiteral("no"));
        return {};
    }).ok());
    EXPECT_EQ(fileContents(path), QByteArray("third"));
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("class.grs")});
}

TEST(AtomicFile, AFailedWriteSaysWhyAndLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.xls"));
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());

    auto result = writeFileAtomicallyVia(path, [](const QString&) -> Result<void> {
        return fail(QStringLiteral("the disk is full"));
    });
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message(), QStringLiteral("Unable to create ") + path + QStringLiteral(": the disk is full"));
    EXPECT_EQ(fileContents(path), QByteArray("old"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("class.xls")});

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
    EXPECT_TRUE(result.message().startsWith(QStringLiteral("Unable to create ") + path)) << qPrintable(result.message());
    EXPECT_EQ(fileContents(path), QByteArray("old"));
}

TEST(AtomicFile, AReadOnlyFileIsNotReplacedEitherWay) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    QTemporaryDir dir;
    ASSERT_TRUE(user.own(dir.path()));
    const QString path = dir.filePath(QStringLiteral("class.xlsx"));
    const auto viaTemp = [&] {
        return writeFileAtomicallyVia(path, [](const QString& temp) -> Result<void> {
            QFile f(temp);
            if (!f.open(QIODevice::WriteOnly) || f.write("new") != 3) return fail(QStringLiteral("no"));
            return {};
        });
    };
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
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("class.xlsx")});
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
