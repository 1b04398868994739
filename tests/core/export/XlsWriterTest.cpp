// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/ExportTestSheets.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/export/XlsWriter.h"
#include "core/sheet/Sheet.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace markwell;

namespace {

QString writeXls(const QTemporaryDir& dir, const Sheet& sheet, const QString& name = QStringLiteral("t.xls")) {
    QString path = dir.filePath(name);
    const Result<void> written = writeXlsFile(sheet, path);
    EXPECT_TRUE(written.ok()) << qPrintable(written.ok() ? QString() : written.message());
    return path;
}

// The reader saw no problem: nothing logged, no record-level fault.
void expectClean(const QJsonObject& json) {
    EXPECT_EQ(at(json, "log").toString(), QString());
    const QJsonArray problems = at(json, "problems").toArray();
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(QString::fromUtf8(QJsonDocument(problems).toJson()));
}

}  // namespace

TEST(XlsFile, ReadsBackEveryCellWithItsValueAndType) {
    QTemporaryDir dir;
    const Sheet sheet = gradesTableSheet();
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, sheet));
    const QJsonObject& json = read.json;
    expectClean(json);
    // Every value and type, one per way a number is stored; letters without
    // the spaces that pad them on screen, so a spreadsheet can count them.
    expectCellsEqual(json, sheet);
    EXPECT_EQ(cellAt(json, 6, 3)[0].toString(), QStringLiteral("blank"));  // formatted, so written
    EXPECT_EQ(at(json, "sharedStrings").toInt(), 19);                      // 20 texts, "Total" twice
}

TEST(XlsFile, KeepsFontsFillsAlignmentAndNumberFormats) {
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, gradesTableSheet()));
    const QJsonObject& json = read.json;

    // Whole fonts and fills, so a stray bold or colour shows as well.
    const QJsonObject navy{{"pattern", 1}, {"colour", "000080"}};
    for (int c = 1; c <= 7; ++c) {
        SCOPED_TRACE(c);
        const QJsonObject heading = formatAt(json, 1, c);
        EXPECT_EQ(at(heading, "font").toObject(), fontOf("MS Sans Serif", 8, "FFFFFF", true));
        EXPECT_EQ(at(heading, "fill").toObject(), navy);
        EXPECT_EQ(at(heading, "horizontal").toInt(), 2);  // centred
        EXPECT_EQ(at(heading, "vertical").toInt(), 1);    // centred
    }
    EXPECT_EQ(at(formatAt(json, 6, 4), "fill").toObject(), navy);  // the separator row

    EXPECT_EQ(at(formatAt(json, 3, 2), "font").toObject(), fontOf("Arial", 10, "FF0000"));  // dropped
    EXPECT_EQ(at(formatAt(json, 3, 2), "fill.pattern").toInt(), 0);

    const QJsonObject plain = formatAt(json, 2, 2);
    EXPECT_EQ(at(plain, "font").toObject(), fontOf("Arial", 10, "000000"));
    EXPECT_EQ(at(plain, "numberFormat").toString(), QStringLiteral("General"));
    EXPECT_EQ(at(plain, "horizontal").toInt(), 0);
    EXPECT_EQ(at(plain, "vertical").toInt(), 2);  // bottom
    // Not a standard colour.
    EXPECT_EQ(at(formatAt(json, 5, 1), "font").toObject(), fontOf("Times New Roman", 12, "996633", false, true));

    EXPECT_TRUE(at(formatAt(json, 7, 1), "font.bold").toBool());
    EXPECT_EQ(at(formatAt(json, 3, 4), "numberFormat").toString(), QStringLiteral("0.0"));
}

TEST(XlsFile, KeepsColumnWidthsViewAndPrintSettings) {
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, gradesTableSheet()));
    const QJsonObject& json = read.json;
    const QJsonObject columns = at(json, "columns").toObject();
    auto width = [&](int col) { return at(columns[QString::number(col)].toObject(), "width").toInt(); };
    // In 1/256 of a character, the cell margins (5/7 character) included:
    // (24.5 + 5/7) * 256 = 6454.9; (9 + 5/7) * 256 = 2486.9; (6 + 5/7) * 256 = 1718.9.
    EXPECT_EQ(width(0), 6455);
    EXPECT_EQ(width(1), 2487);
    EXPECT_EQ(width(4), 2487);
    EXPECT_EQ(width(5), 1719);
    EXPECT_TRUE(at(columns, "6.hidden").toBool());
    EXPECT_FALSE(at(columns, "0.hidden").toBool());

    EXPECT_TRUE(at(json, "frozen").toBool());
    EXPECT_EQ(at(json, "splitColumns").toInt(), 1);
    EXPECT_FALSE(at(json, "showGridLines").toBool());

    const QJsonObject print = at(json, "print").toObject();
    EXPECT_EQ(at(print, "header").toString(), QStringLiteral("&L/home/teacher/Class 5.grs&C&B&U&12Grades&R&D"));
    EXPECT_EQ(at(print, "centerHorizontally").toInt(), 1);
    EXPECT_EQ(at(print, "printGridLines").toInt(), 1);
    EXPECT_EQ(at(json, "title").toString(), QStringLiteral("Grades of Class 5"));
}

TEST(XlsFile, AnEmptySheetAndAPlainOneOpenCleanly) {
    QTemporaryDir dir;
    {
        READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"),
                                 writeXls(dir, Sheet(), QStringLiteral("empty.xls")));
        expectClean(read.json);
        EXPECT_EQ(at(read.json, "nrows").toInt(), 0);
        EXPECT_TRUE(at(read.json, "showGridLines").toBool());
        EXPECT_FALSE(at(read.json, "frozen").toBool());
        EXPECT_TRUE(at(read.json, "title").isNull());
        EXPECT_FALSE(at(read.json, "print").toObject().contains(QStringLiteral("header")));
    }
    Sheet plain;
    plain.setMaxRow(3);
    plain.setMaxCol(2);
    plain.setNumber(3, 2, 5);
    plain.setText(9, 9, QStringLiteral("beyond the extent"));
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, plain, QStringLiteral("plain.xls")));
    expectClean(read.json);
    EXPECT_EQ(at(read.json, "nrows").toInt(), 3);
    EXPECT_EQ(at(read.json, "ncols").toInt(), 2);
    EXPECT_EQ(cellAt(read.json, 3, 2), (QJsonArray{QStringLiteral("number"), 5.0}));
    EXPECT_EQ(at(read.json, "sharedStrings").toInt(), 0);
}

// Texts laid out so that record boundaries fall on each awkward place: a
// header that no longer fits, a header that fits without its first (two-byte)
// character, texts longer than a record in one-byte and in two-byte form.
// The shared strings start after their two counts (8 bytes) and each text
// takes 3 bytes of header plus its characters.
TEST(XlsFile, SplitsLongTextsAcrossContinueRecordsOnlyBetweenCharacters) {
    const int firstRecordText = 8224 - 8 - 3 - 2;          // leaves 2 bytes: no room for a header
    const int secondRecordText = (8224 - 13 - 3 - 4) / 2;  // leaves 4 bytes: header, no character
    const QStringList texts = {
        repeated(QStringLiteral("a"), firstRecordText),
        repeated(QStringLiteral("é"), 10),
        repeated(QStringLiteral("Ł"), secondRecordText),
        repeated(QStringLiteral("Ж"), 5),
        repeated(QStringLiteral("Latin text, long "), 20000),
        repeated(QStringLiteral("Ωμέγα "), 9001),
        repeated(QStringLiteral("x"), 32767),
        QStringLiteral("short"),
    };
    Sheet sheet;
    sheet.setMaxRow(static_cast<int>(texts.size()));
    sheet.setMaxCol(2);
    for (int i = 0; i < texts.size(); ++i) {
        sheet.setText(i + 1, 1, texts[i]);
        sheet.setNumber(i + 1, 2, i);
    }
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, sheet));
    expectClean(read.json);
    for (int i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        const QString back = cellAt(read.json, i + 1, 1)[1].toString();
        EXPECT_EQ(back.size(), texts[i].size());
        EXPECT_TRUE(back == texts[i]);
    }
}

// The size the program must handle, 2,000 students and 200 assignments: the
// shared strings take many CONTINUE records and the EXTSST index many
// buckets; the rows take many blocks.
TEST(XlsFile, AClassOfTwoThousandByTwoHundredReadsBackWhole) {
    const int students = 2000;
    const int assignments = 200;
    Sheet sheet;
    sheet.setMaxRow(students + 1);
    sheet.setMaxCol(assignments + 5);
    for (int a = 1; a <= assignments; ++a) sheet.setText(1, a + 1, QStringLiteral("Quiz %1").arg(a));
    for (int s = 1; s <= students; ++s) {
        const QString unicode = s % 3 == 0 ? QStringLiteral(" Øyvind-Ł") : QStringLiteral(" Ørjan");
        sheet.setText(s + 1, 1, QStringLiteral("Student %1, Given").arg(s) + unicode);
        for (int a = 1; a <= assignments; ++a) {
            if ((s + a) % 37 == 0) sheet.setText(s + 1, a + 1, QStringLiteral("-"));
            else sheet.setNumber(s + 1, a + 1, ((s * 7 + a * 13) % 41) / 2.0 + (a % 3 == 0 ? 0.001 : 0));
        }
        sheet.setNumber(s + 1, assignments + 2, s * 3.25);
        sheet.setText(s + 1, assignments + 3, QStringLiteral("%1.00%").arg(s % 100));
        sheet.setText(s + 1, assignments + 4, s % 2 ? QStringLiteral("A") : QStringLiteral(" B+"));
        if (s % 500 == 0) sheet.setText(s + 1, assignments + 5, repeated(QStringLiteral("comment %1 ").arg(s), 9000));
    }
    QTemporaryDir dir;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), writeXls(dir, sheet));
    expectClean(read.json);
    expectCellsEqual(read.json, sheet);
    // 200 headings, 2000 names, 100 percentages, "-", two letters, 4 comments.
    EXPECT_EQ(at(read.json, "sharedStrings").toInt(), 200 + 2000 + 100 + 1 + 2 + 4);
}

TEST(XlsFile, RefusesWhatAnXlsFileCannotHold) {
    Sheet wide;
    wide.setMaxCol(257);
    const Result<QByteArray> tooWide = xlsFileBytes(wide);
    ASSERT_FALSE(tooWide.ok());
    EXPECT_EQ(tooWide.message(), QStringLiteral("the table has 257 columns; a .xls file holds at most 256. "
                                                "Save it as .xlsx or .csv instead."));
    Sheet tall;
    tall.setMaxRow(65537);
    ASSERT_FALSE(xlsFileBytes(tall).ok());
    tall.setMaxRow(65536);
    tall.setNumber(65536, 1, 1);
    EXPECT_TRUE(xlsFileBytes(tall).ok());

    Sheet longText;
    longText.setMaxRow(2);
    longText.setMaxCol(3);
    longText.setText(2, 3, repeated(QStringLiteral("x"), 32768));
    const Result<QByteArray> tooLong = xlsFileBytes(longText);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.message().startsWith(QStringLiteral("cell C2 holds more than 32767 characters")))
        << qPrintable(tooLong.message());
}

TEST(XlsFile, RefusesMoreCellFormatsThanSpreadsheetProgramsRead) {
    Sheet sheet;
    sheet.setMaxRow(4001);
    CellFont font;
    for (int r = 1; r <= 4001; ++r) {
        font.size = 6 + r / 100.0;  // a format of its own on every row; row 400's is the default
        sheet.setFont(CellRange::cell(r, 1), font);
    }
    const Result<QByteArray> refused = xlsFileBytes(sheet);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().startsWith(QStringLiteral("the table uses 4001 different cell formats")))
        << qPrintable(refused.message());
    sheet.setMaxRow(4000);  // 3,999 formats and the default one
    EXPECT_TRUE(xlsFileBytes(sheet).ok());
}
