// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/SheetFile.h"
#include "core/sheet/Sheet.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace markwell;
using markwell::test::FileSizeLimit;

namespace {

Sheet numbers(int rows, int cols) {
    Sheet sheet;
    sheet.setMaxRow(rows);
    sheet.setMaxCol(cols);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) sheet.setNumber(r, c, r * 1000.25 + c);
    }
    return sheet;
}

}  // namespace

TEST(SheetFile, ChoosesTheWriterByExtensionWhateverItsCase) {
    QTemporaryDir dir;
    const Sheet sheet = numbers(2, 2);
    const QString xls = dir.filePath(QStringLiteral("A.XLS"));
    const QString xlsx = dir.filePath(QStringLiteral("b.XlsX"));
    const QString csv = dir.filePath(QStringLiteral("c.Csv"));
    ASSERT_TRUE(writeSheetFile(sheet, xls).ok());
    ASSERT_TRUE(writeSheetFile(sheet, xlsx).ok());
    ASSERT_TRUE(writeSheetFile(sheet, csv).ok());
    EXPECT_TRUE(fileContents(xls).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));  // an OLE2 compound file
    EXPECT_TRUE(fileContents(xlsx).startsWith("PK\x03\x04"));                       // a zip package
    EXPECT_EQ(fileContents(csv), QByteArray("1001.25,1002.25\r\n2001.5,2002.5\r\n"));

    EXPECT_EQ(sheetFileTypeOf(QStringLiteral("/x/y.tar.xls")), SheetFileType::Xls);
    EXPECT_EQ(sheetFileTypeOf(QStringLiteral("/x.xlsx/y")), std::nullopt);
    EXPECT_EQ(sheetFileTypeOf(QStringLiteral("grades.xlsm")), std::nullopt);
}

TEST(SheetFile, RefusesOtherExtensionsNamingTheSupportedOnes) {
    QTemporaryDir dir;
    const QString ods = dir.filePath(QStringLiteral("grades.ods"));
    const Result<void> refused = writeSheetFile(numbers(1, 1), ods);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), QStringLiteral("Unable to create ") + ods +
                                     QStringLiteral(": \".ods\" is not a spreadsheet type Markwell writes; "
                                                    "use .xls, .xlsx or .csv."));
    const QString bare = dir.filePath(QStringLiteral("grades"));
    const Result<void> noExtension = writeSheetFile(numbers(1, 1), bare);
    ASSERT_FALSE(noExtension.ok());
    EXPECT_TRUE(noExtension.message().contains(QStringLiteral("use .xls, .xlsx or .csv.")));
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

TEST(SheetFile, AFailedWriteIsReportedAndLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const Sheet big = numbers(300, 40);
    for (const QString& name : {QStringLiteral("t.xls"), QStringLiteral("t.xlsx"), QStringLiteral("t.csv")}) {
        SCOPED_TRACE(qPrintable(name));
        const QString path = dir.filePath(name);
        ASSERT_TRUE(writeWholeFile(path, "old"));
        Result<void> written;
        {
            const FileSizeLimit limit(4096);
            written = writeSheetFile(big, path);
        }
        ASSERT_FALSE(written.ok());
        EXPECT_TRUE(written.message().startsWith(QStringLiteral("Unable to create ") + path + QStringLiteral(": ")))
            << qPrintable(written.message());
        EXPECT_EQ(fileContents(path), QByteArray("old"));
    }
    EXPECT_EQ(filesIn(dir.path()).size(), 3) << qPrintable(filesIn(dir.path()).join(u' '));
}

TEST(SheetFile, ASheetTheFormatCannotHoldIsRefusedBeforeTheOldFileIsTouched) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.xls"));
    ASSERT_TRUE(writeSheetFile(numbers(1, 1), path).ok());
    const QByteArray before = fileContents(path);
    Sheet wide;
    wide.setMaxCol(300);
    const Result<void> refused = writeSheetFile(wide, path);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), QStringLiteral("Unable to create ") + path +
                                     QStringLiteral(": the table has 300 columns; a .xls file holds at most 256. "
                                                    "Save it as .xlsx or .csv instead."));
    EXPECT_EQ(fileContents(path), before);
    EXPECT_TRUE(writeSheetFile(wide, dir.filePath(QStringLiteral("wide.xlsx"))).ok());
}

TEST(SheetFile, AReadOnlyFolderIsReported) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    QTemporaryDir dir;
    ASSERT_TRUE(user.own(dir.path()));
    for (const QString& name : {QStringLiteral("t.xls"), QStringLiteral("t.xlsx"), QStringLiteral("t.csv")}) {
        SCOPED_TRACE(qPrintable(name));
        const QString path = dir.filePath(name);
        // The user may write here: what fails below fails for the folder's sake.
        ASSERT_TRUE(user.run([&] { return writeSheetFile(numbers(1, 1), path); }).ok());
        const QByteArray before = fileContents(path);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
        const Result<void> written = user.run([&] { return writeSheetFile(numbers(5, 5), path); });
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        ASSERT_FALSE(written.ok());
        EXPECT_TRUE(written.message().startsWith(QStringLiteral("Unable to create ") + path))
            << qPrintable(written.message());
        EXPECT_EQ(fileContents(path), before);
    }
}
