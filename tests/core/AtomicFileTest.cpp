#include "files/AtomicFile.h"
#include "support/FileSizeLimit.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.grs"));
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    auto result = writeFileAtomically(path, "new");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().startsWith(QStringLiteral("Unable to create ")));
    EXPECT_EQ(fileContents(path), QByteArray("old"));
}

TEST(AtomicFile, AReadOnlyFileIsNotReplacedEitherWay) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only files";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.xlsx"));
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    ::chmod(QFile::encodeName(path).constData(), 0444);
    const Result<void> direct = writeFileAtomically(path, "new");
    const Result<void> viaTemp = writeFileAtomicallyVia(path, [](const QString& temp) -> Result<void> {
        QFile f(temp);
        if (!f.open(QIODevice::WriteOnly) || f.write("new") != 3) return fail(QStringLiteral("no"));
        return {};
    });
    EXPECT_FALSE(direct.ok());
    ASSERT_FALSE(viaTemp.ok());
    EXPECT_TRUE(viaTemp.message().startsWith(QStringLiteral("Unable to create ") + path));
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
