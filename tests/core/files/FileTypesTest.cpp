// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/SheetFile.h"
#include "core/files/FileTypes.h"

#include <gtest/gtest.h>

using namespace markwell;

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
