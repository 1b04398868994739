// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/ExportTestSheets.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/export/XlsxWriter.h"
#include "core/sheet/Sheet.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

QString writeXlsx(const QTemporaryDir& dir, const Sheet& sheet) {
    QString path = dir.filePath(QStringLiteral("t.xlsx"));
    const Result<void> written = writeXlsxFile(sheet, path);
    EXPECT_TRUE(written.ok()) << qPrintable(written.ok() ? QString() : written.message());
    return path;
}

}  // namespace

TEST(XlsxFile, ReadsBackEveryCellWithItsValueAndType) {
    QTemporaryDir dir;
    const Sheet sheet = gradesTableSheet();
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, sheet));
    const QJsonObject& json = read.json;
    EXPECT_EQ(json[QStringLiteral("log")].toString(), QString());
    ASSERT_EQ(json[QStringLiteral("ncols")].toInt(), 7);
    // Every value and type; letters without the spaces that pad them on screen.
    expectCellsEqual(json, sheet);
    EXPECT_EQ(cellAt(json, 6, 3)[0].toString(), QStringLiteral("blank"));  // formatted, so written
}

TEST(XlsxFile, KeepsFormatsLayoutViewAndPrintSettings) {
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, gradesTableSheet()));
    const QJsonObject& json = read.json;

    const QJsonObject heading = formatAt(json, 1, 5);
    const QJsonObject font = heading[QStringLiteral("font")].toObject();
    EXPECT_EQ(font[QStringLiteral("name")].toString(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font[QStringLiteral("size")].toDouble(), 8.0);
    EXPECT_TRUE(font[QStringLiteral("bold")].toBool());
    EXPECT_EQ(font[QStringLiteral("colour")].toString(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(heading[QStringLiteral("fill")].toObject()[QStringLiteral("pattern")].toString(),
              QStringLiteral("solid"));
    EXPECT_EQ(heading[QStringLiteral("fill")].toObject()[QStringLiteral("colour")].toString(),
              QStringLiteral("000080"));
    EXPECT_EQ(heading[QStringLiteral("horizontal")].toString(), QStringLiteral("center"));
    EXPECT_EQ(heading[QStringLiteral("vertical")].toString(), QStringLiteral("center"));
    EXPECT_EQ(formatAt(json, 6, 2)[QStringLiteral("fill")].toObject()[QStringLiteral("colour")].toString(),
              QStringLiteral("000080"));

    EXPECT_EQ(formatAt(json, 3, 2)[QStringLiteral("font")].toObject()[QStringLiteral("colour")].toString(),
              QStringLiteral("FF0000"));
    const QJsonObject plain = formatAt(json, 2, 2)[QStringLiteral("font")].toObject();
    EXPECT_EQ(plain[QStringLiteral("name")].toString(), QStringLiteral("Arial"));
    EXPECT_EQ(plain[QStringLiteral("size")].toDouble(), 10.0);
    EXPECT_EQ(plain[QStringLiteral("colour")].toString(), QStringLiteral("000000"));
    const QJsonObject odd = formatAt(json, 5, 1)[QStringLiteral("font")].toObject();
    EXPECT_EQ(odd[QStringLiteral("name")].toString(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(odd[QStringLiteral("italic")].toBool());
    EXPECT_TRUE(odd[QStringLiteral("underline")].toBool());
    EXPECT_TRUE(odd[QStringLiteral("strikeOut")].toBool());
    EXPECT_EQ(odd[QStringLiteral("colour")].toString(), QStringLiteral("996633"));
    EXPECT_EQ(formatAt(json, 3, 4)[QStringLiteral("numberFormat")].toString(), QStringLiteral("0.0"));
    EXPECT_EQ(formatAt(json, 3, 3)[QStringLiteral("numberFormat")].toString(), QStringLiteral("General"));

    // Widths as shown plus the cell margins, rounded to whole pixels of 7 per
    // character: (24.5 * 7 + 5) / 7 ~ 25.29, (9 * 7 + 5) / 7 ~ 9.71, (6 * 7 + 5) / 7 ~ 6.71.
    const QJsonObject columns = json[QStringLiteral("columns")].toObject();
    auto width = [&](int col) { return columns[QString::number(col)].toObject()[QStringLiteral("width")].toDouble(); };
    EXPECT_NEAR(width(0), 25.29, 0.01);
    EXPECT_NEAR(width(1), 9.71, 0.01);
    EXPECT_NEAR(width(5), 6.71, 0.01);
    EXPECT_TRUE(columns[QStringLiteral("6")].toObject()[QStringLiteral("hidden")].toBool());

    EXPECT_EQ(json[QStringLiteral("freezePanes")].toString(), QStringLiteral("B1"));
    EXPECT_FALSE(json[QStringLiteral("showGridLines")].toBool());
    const QJsonObject print = json[QStringLiteral("print")].toObject();
    EXPECT_EQ(print[QStringLiteral("header")].toString(),
              QStringLiteral("&L/home/teacher/Class 5.grs&C&B&U&12Grades&R&D"));
    EXPECT_TRUE(print[QStringLiteral("centerHorizontally")].toBool());
    EXPECT_TRUE(print[QStringLiteral("printGridLines")].toBool());
    EXPECT_EQ(json[QStringLiteral("title")].toString(), QStringLiteral("Grades of Class 5"));
}

TEST(XlsxFile, APlainSheetShowsGridLinesAndNoFrozenColumns) {
    Sheet plain;
    plain.setMaxRow(2);
    plain.setMaxCol(2);
    plain.setNumber(2, 2, 5);
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, plain));
    EXPECT_EQ(read.json[QStringLiteral("log")].toString(), QString());
    EXPECT_TRUE(read.json[QStringLiteral("showGridLines")].toBool());
    EXPECT_TRUE(read.json[QStringLiteral("freezePanes")].isNull());
    EXPECT_FALSE(read.json[QStringLiteral("print")].toObject()[QStringLiteral("printGridLines")].toBool());
    EXPECT_TRUE(read.json[QStringLiteral("print")].toObject()[QStringLiteral("header")].isNull());
    EXPECT_EQ(cellAt(read.json, 2, 2), (QJsonArray{QStringLiteral("number"), 5}));
}
