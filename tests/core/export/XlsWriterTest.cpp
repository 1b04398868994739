// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grades table written as .xls, .xlsx and CSV files and read back by
// independent readers; Canvas's CSV read back by the import of scores.

#include "tests/core/export/ExportTestSheets.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/export/CanvasExport.h"
#include "core/export/CsvWriter.h"
#include "core/export/XlsWriter.h"
#include "core/export/XlsxWriter.h"
#include "core/scores/ScorePlan.h"
#include "core/sheet/Sheet.h"
#include "tests/core/grading/GradesFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace markwell;
using namespace markwell::test;

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

QString writeXlsx(const QTemporaryDir& dir, const Sheet& sheet) {
    QString path = dir.filePath(QStringLiteral("t.xlsx"));
    const Result<void> written = writeXlsxFile(sheet, path);
    EXPECT_TRUE(written.ok()) << qPrintable(written.ok() ? QString() : written.message());
    return path;
}

}  // namespace

TEST(XlsFile, ReadsBackEveryCellWithItsFormatAndTheLayoutViewAndPrintSettings) {
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

TEST(XlsFile, RefusesWhatAnXlsFileCannotHoldOrSpreadsheetProgramsRead) {
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

TEST(XlsxFile, ReadsBackEveryCellWithItsFormatAndTheLayoutViewAndPrintSettings) {
    QTemporaryDir dir;
    const Sheet sheet = gradesTableSheet();
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), writeXlsx(dir, sheet));
    const QJsonObject& json = read.json;
    EXPECT_EQ(at(json, "log").toString(), QString());
    ASSERT_EQ(at(json, "ncols").toInt(), 7);
    // Every value and type; letters without the spaces that pad them on screen.
    expectCellsEqual(json, sheet);
    EXPECT_EQ(cellAt(json, 6, 3)[0].toString(), QStringLiteral("blank"));  // formatted, so written

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

TEST(CsvFile, WritesEveryRowAndColumnQuotingOnlyWhatNeedsIt) {
    // Commas, quotes and line breaks are quoted with quotes doubled; accents
    // and other scripts are UTF-8; numbers take their general form; the
    // spaces that pad letters on screen go; every row has all seven fields.
    const QByteArray expected = "Name,Quiz 1,\"Test, Unit 2\",Total,Average,Grade,Hidden\r\n"
                                "Zo\xC3\xAB O'Brien,17.5,88,105.5,87.46%,B+,x\r\n"
                                "\"Smith, \"\"Jo\"\"\",-,100,100,100.00%,A,\r\n"
                                "\xC5\x81ukasz \xE7\x8E\x8B,0.1,1099511627776,0.333333333333333,7.81%,F,\r\n"
                                "\"Line\nBreak\",-42,1E-7,123456789012,536870912,-536870912,\r\n"
                                ",,,,,,\r\n"
                                "Total,17.6,1099511627964,,,,\r\n";
    EXPECT_EQ(csvBytes(gradesTableSheet()), expected);
}

TEST(CsvFile, QuotesCarriageReturnsAndLoneQuotesAndKeepsTheExtent) {
    Sheet sheet;
    sheet.setMaxRow(2);
    sheet.setMaxCol(3);
    sheet.setText(1, 1, QStringLiteral("\""));
    sheet.setText(1, 2, QStringLiteral("a\rb"));
    sheet.setText(1, 3, QStringLiteral("ends with a quote\""));
    sheet.setText(2, 4, QStringLiteral("beyond the extent"));
    EXPECT_EQ(csvBytes(sheet), QByteArray("\"\"\"\",\"a\rb\",\"ends with a quote\"\"\"\r\n,,\r\n"));

    EXPECT_EQ(csvBytes(Sheet()), QByteArray("\r\n"));  // one empty cell
}

TEST(CsvFile, TextsASpreadsheetWouldRunAsFormulasStayTexts) {
    // {cell text, field as written}: a leading ' on every text that starts a
    // formula, outside the quotes; numbers, the "-" mark and texts with a
    // formula character further in stay as they are.
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"=HYPERLINK(\"http://x.test/\",\"Grades\")", "\"'=HYPERLINK(\"\"http://x.test/\"\",\"\"Grades\"\")\""},
        {"=1+1", "'=1+1"},
        {"+1+2", "'+1+2"},
        {"-2+3", "'-2+3"},
        {"-cmd|' /C calc'!A0", "'-cmd|' /C calc'!A0"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "\"'\r=1\""},
        {"=", "'="},
        {"- 5", "'- 5"},
        {"-5 ", "-5"},  // without the space, a number
        {"-", "-"},
        {"+", "+"},
        {"-5", "-5"},
        {"-1.5", "-1.5"},
        {"+1.5", "+1.5"},
        {"-12.50%", "-12.50%"},
        {"Ann = Bo", "Ann = Bo"},
        {" =1", "'=1"},  // without the space, a formula
        {"O'Brien", "O'Brien"},
    };
    Sheet sheet;
    sheet.setMaxRow(static_cast<int>(cases.size()) + 1);
    sheet.setMaxCol(1);
    QByteArray expected;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        sheet.setText(static_cast<int>(i) + 1, 1, QString::fromUtf8(cases[i].first));
        expected += cases[i].second + "\r\n";
    }
    sheet.setNumber(static_cast<int>(cases.size()) + 1, 1, -42);  // a number cell is never a formula
    expected += "-42\r\n";
    EXPECT_EQ(csvBytes(sheet), expected);
}

// The scores written as Canvas imports a gradebook, and read back by the
// import of scores without a change.
TEST(CanvasExport, WritesCanvassColumnsAndReadsBackWithoutAChange) {
    ClassRecord cls = makeClass({"Ann Lee", "Bo, Jr.", "Zo\xEB"},
                                {{"Quiz 1", "Quiz", 10, {"8", "-", "9.50"}}, {"=Lab", "Lab", 20.5, {"", "15.5", "0"}}});
    cls.students[0].id = "A-1";
    cls.students[2].id = "Z-3";
    const QByteArray bytes = csvBytes(canvasGradebookSheet(cls));
    EXPECT_EQ(bytes, QByteArray("Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,'=Lab\r\n"
                                "Points Possible,,,,,10,20.5\r\n"
                                "Ann Lee,,A-1,,,8,\r\n"
                                "\"Bo, Jr.\",,,,,EX,15.5\r\n"
                                "Zo\xC3\xAB,,Z-3,,,9.50,0\r\n"));

    const Result<ScoreTable> table = parseScoreFile(bytes);
    ASSERT_TRUE(table.ok()) << table.message().toStdString();
    EXPECT_EQ(table->layout, ScoreLayout::Canvas);
    const ScorePlan plan = planScoreImport(cls, *table, defaultScoreMapping(cls, *table));
    EXPECT_FALSE(plan.blocked());
    EXPECT_FALSE(plan.changesAnything());
    EXPECT_EQ(plan.counts.unchanged, 5);
    EXPECT_TRUE(plan.notInFile.empty());
}
