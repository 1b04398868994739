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
    EXPECT_EQ(at(json, "log").toString(), QString());
    ASSERT_EQ(at(json, "ncols").toInt(), 7);
    // Every value and type; letters without the spaces that pad them on screen.
    expectCellsEqual(json, sheet);
    EXPECT_EQ(cellAt(json, 6, 3)[0].toString(), QStringLiteral("blank"));  // formatted, so written
}

TEST(XlsxFile, KeepsFormatsLayoutViewAndPrintSettings) {
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, gradesTableSheet()));
    const QJsonObject& json = read.json;

    const QJsonObject heading = formatAt(json, 1, 5);
    EXPECT_EQ(at(heading, "font").toObject(), fontOf("MS Sans Serif", 8, "FFFFFF", true));
    EXPECT_EQ(at(heading, "fill").toObject(), (QJsonObject{{"pattern", "solid"}, {"colour", "000080"}}));
    EXPECT_EQ(at(heading, "horizontal").toString(), QStringLiteral("center"));
    EXPECT_EQ(at(heading, "vertical").toString(), QStringLiteral("center"));
    EXPECT_EQ(at(formatAt(json, 6, 2), "fill.colour").toString(), QStringLiteral("000080"));

    EXPECT_EQ(at(formatAt(json, 3, 2), "font").toObject(), fontOf("Arial", 10, "FF0000"));
    EXPECT_EQ(at(formatAt(json, 2, 2), "font").toObject(), fontOf("Arial", 10, "000000"));
    EXPECT_EQ(at(formatAt(json, 5, 1), "font").toObject(), fontOf("Times New Roman", 12, "996633", false, true));
    EXPECT_EQ(at(formatAt(json, 3, 4), "numberFormat").toString(), QStringLiteral("0.0"));
    EXPECT_EQ(at(formatAt(json, 3, 3), "numberFormat").toString(), QStringLiteral("General"));

    // Widths as shown plus the cell margins, rounded to whole pixels of 7 per
    // character: (24.5 * 7 + 5) / 7 ~ 25.29, (9 * 7 + 5) / 7 ~ 9.71, (6 * 7 + 5) / 7 ~ 6.71.
    const QJsonObject columns = at(json, "columns").toObject();
    auto width = [&](int col) { return at(columns[QString::number(col)].toObject(), "width").toDouble(); };
    EXPECT_NEAR(width(0), 25.29, 0.01);
    EXPECT_NEAR(width(1), 9.71, 0.01);
    EXPECT_NEAR(width(5), 6.71, 0.01);
    EXPECT_TRUE(at(columns, "6.hidden").toBool());

    EXPECT_EQ(at(json, "freezePanes").toString(), QStringLiteral("B1"));
    EXPECT_FALSE(at(json, "showGridLines").toBool());
    const QJsonObject print = at(json, "print").toObject();
    EXPECT_EQ(at(print, "header").toString(), QStringLiteral("&L/home/teacher/Class 5.grs&C&B&U&12Grades&R&D"));
    EXPECT_TRUE(at(print, "centerHorizontally").toBool());
    EXPECT_TRUE(at(print, "printGridLines").toBool());
    EXPECT_EQ(at(json, "title").toString(), QStringLiteral("Grades of Class 5"));
}

TEST(XlsxFile, APlainSheetShowsGridLinesAndNoFrozenColumns) {
    Sheet plain;
    plain.setMaxRow(2);
    plain.setMaxCol(2);
    plain.setNumber(2, 2, 5);
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, plain));
    EXPECT_EQ(at(read.json, "log").toString(), QString());
    EXPECT_TRUE(at(read.json, "showGridLines").toBool());
    EXPECT_TRUE(at(read.json, "freezePanes").isNull());
    EXPECT_FALSE(at(read.json, "print.printGridLines").toBool());
    EXPECT_TRUE(at(read.json, "print.header").isNull());
    EXPECT_EQ(cellAt(read.json, 2, 2), (QJsonArray{QStringLiteral("number"), 5}));
}
