// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Reading a class file whole: what is not a file, or is far larger than any
// class file, is refused before it is read into memory; field by field; and
// what a file's extension makes it.

#include "core/export/SheetFile.h"
#include "core/files/FileBytes.h"
#include "core/files/FileTypes.h"
#include "core/files/FixedFields.h"
#include "core/files/GradeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

TEST(FileBytes, AFileLargerThanAnyClassFileOrADeviceIsRefusedUnread) {
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

    // A device is refused, not read forever.
    const QString zero = QStringLiteral("/dev/zero");
    if (!QFileInfo::exists(zero)) GTEST_SKIP() << "this system has no /dev/zero";
    const Result<QByteArray> device = readFileBytes(zero);
    ASSERT_FALSE(device.ok());
    EXPECT_EQ(device.message(), QStringLiteral("Unable to open /dev/zero: it is not a file"));
    // Every reader goes through it.
    EXPECT_FALSE(readGradeFile(zero).ok());
}

TEST(FieldReader, TextEndsAtTheFirstZeroOrFillsTheField) {
    const QByteArray bytes("ab\0zzcdefg", 10);  // "ab" and 3 bytes, "cdef", "g"
    FieldReader in(bytes);
    EXPECT_EQ(in.textView(5), "ab");  // what follows the terminator carries no meaning
    EXPECT_EQ(in.text(4), "cdef");    // no terminator: the whole field
    EXPECT_EQ(in.position(), 9);
    EXPECT_FALSE(in.overrun());
    // A field longer than what remains reads as empty and reads nothing more.
    EXPECT_EQ(in.textView(2), "");
    EXPECT_TRUE(in.overrun());
    EXPECT_EQ(in.remaining(), 0);
    EXPECT_EQ(in.text(0), "");
}

TEST(FileTypes, ExtensionsDecideTheTypeWhateverTheirCase) {
    EXPECT_EQ(fileTypeOf(QStringLiteral("/a/Period 1.GRS")), FileType::Grades);
    EXPECT_EQ(fileTypeOf(QStringLiteral("p.Xls")), FileType::Xls);
    EXPECT_EQ(fileTypeOf(QStringLiteral("p.xlsx")), FileType::Xlsx);
    EXPECT_EQ(fileTypeOf(QStringLiteral("p.CSV")), FileType::Csv);
    EXPECT_EQ(fileTypeOf(QStringLiteral("p.grs.bak")), std::nullopt);
    EXPECT_EQ(fileTypeOf(QStringLiteral("grs")), std::nullopt);
    EXPECT_EQ(spreadsheetSuffixes(), QStringLiteral(".xls, .xlsx or .csv"));

    // Each dialog filter shows its own extension, and every spreadsheet type is one the writers take.
    for (const FileTypeInfo& info : kFileTypes) {
        const QString pattern = QStringLiteral("(*.%1)").arg(QLatin1String(info.suffix));
        EXPECT_TRUE(QString::fromLatin1(info.filter).endsWith(pattern)) << info.filter;
        const QString name = QStringLiteral("x.") + QLatin1String(info.suffix);
        EXPECT_EQ(sheetFileTypeOf(name).has_value(), isSpreadsheet(info.type)) << info.suffix;
    }
}
