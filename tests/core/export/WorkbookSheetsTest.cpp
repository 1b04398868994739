// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Workbooks of several tables, read back by the independent readers: each
// table on a worksheet of its own, with its name, its cells and its formats,
// the workbook opening on the first.

#include "tests/core/export/ExportTestSheets.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/export/CsvWriter.h"
#include "core/export/NamedSheet.h"
#include "core/export/SheetFile.h"
#include "core/sheet/Sheet.h"
#include "tests/support/TestFiles.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

// A second table unlike the first: other extent, other texts, a text shared
// with the first ("Total"), a number stored as a double.
Sheet explanationLikeSheet() {
    Sheet sheet;
    sheet.setMaxRow(4);
    sheet.setMaxCol(3);
    sheet.setText(1, 1, QStringLiteral("Assignment"));
    sheet.setText(1, 2, QStringLiteral("Counts"));
    sheet.setText(2, 1, QStringLiteral("Quiz 1"));
    sheet.setText(2, 2, QStringLiteral("dropped: lowest score overall"));
    sheet.setText(4, 1, QStringLiteral("Total"));
    sheet.setNumber(4, 3, 95.0909);
    CellFont red = sheet.format(2, 1).font;
    red.color = 0x0000FF;
    sheet.setFont(CellRange{2, 1, 2, 2}, red);
    return sheet;
}

QJsonObject sheetOf(const QJsonObject& json, int index) {
    return at(json, "sheets").toArray()[index].toObject();
}

void expectBothTables(const QJsonObject& json, const Sheet& first, const Sheet& second) {
    ASSERT_EQ(at(json, "sheets").toArray().size(), 2);
    EXPECT_EQ(at(sheetOf(json, 0), "name").toString(), QStringLiteral("Overall"));
    EXPECT_EQ(at(sheetOf(json, 1), "name").toString(), QStringLiteral("Why"));
    {
        SCOPED_TRACE("first sheet");
        expectCellsEqual(sheetOf(json, 0), first);
    }
    {
        SCOPED_TRACE("second sheet");
        expectCellsEqual(sheetOf(json, 1), second);
    }
    // What the top level reports stays the first sheet's.
    expectCellsEqual(json, first);
    // The red of the second sheet's row 2 is its own, not the first's formats.
    const QJsonObject secondSheet = sheetOf(json, 1);
    const int style = at(secondSheet, "styles").toArray()[1].toArray()[0].toInt();
    const QJsonObject font = at(at(json, "formats").toArray()[style].toObject(), "font").toObject();
    EXPECT_EQ(at(font, "colour").toString(), QStringLiteral("FF0000"));
}

// The grades table as "Overall" and the second table as "Why", written into
// a folder of their own.
struct TwoTables {
    QTemporaryDir dir;
    const Sheet first = gradesTableSheet();
    const Sheet second = explanationLikeSheet();

    NamedSheets sheets() const { return {{QStringLiteral("Overall"), &first}, {QStringLiteral("Why"), &second}}; }
    QString write(const QString& name) const {
        QString path = dir.filePath(name);
        const Result<void> written = writeSheetFile(sheets(), path);
        EXPECT_TRUE(written.ok()) << qPrintable(written.ok() ? QString() : written.message());
        return path;
    }
};

}  // namespace

TEST(WorkbookSheets, XlsHoldsEveryTableOnItsOwnNamedWorksheet) {
    const TwoTables tables;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xls.py"), tables.write(QStringLiteral("two.xls")));
    const QJsonObject& json = read.json;
    EXPECT_EQ(at(json, "log").toString(), QString());
    // The record-level check walks every worksheet: offsets, INDEX, DBCELL, DIMENSIONS.
    const QJsonArray problems = at(json, "problems").toArray();
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(QString::fromUtf8(QJsonDocument(problems).toJson()));
    expectBothTables(json, tables.first, tables.second);
    // One text table for both: "Quiz 1" and "Total", in both, are stored once.
    EXPECT_EQ(at(json, "sharedStrings").toInt(), 19 + 3);
    // The workbook opens on the first sheet alone, never on both grouped.
    EXPECT_TRUE(at(sheetOf(json, 0), "selected").toBool());
    EXPECT_FALSE(at(sheetOf(json, 1), "selected").toBool());
    // The document's title is the first table's.
    EXPECT_EQ(at(json, "title").toString(), QStringLiteral("Grades of Class 5"));
}

TEST(WorkbookSheets, XlsxHoldsEveryTableOnItsOwnNamedWorksheet) {
    const TwoTables tables;
    READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_xlsx.py"), tables.write(QStringLiteral("two.xlsx")));
    EXPECT_EQ(at(read.json, "log").toString(), QString());
    expectBothTables(read.json, tables.first, tables.second);
    EXPECT_EQ(at(read.json, "title").toString(), QStringLiteral("Grades of Class 5"));
}

TEST(WorkbookSheets, OneTableIsSheet1AndCsvKeepsTheFirstTableOnly) {
    const TwoTables tables;
    for (const QString& name : {QStringLiteral("one.xls"), QStringLiteral("one.xlsx")}) {
        const QString path = tables.dir.filePath(name);
        ASSERT_TRUE(writeSheetFile(tables.first, path).ok());
        READ_SPREADSHEET_OR_SKIP(
            read, name.endsWith(QLatin1Char('x')) ? QStringLiteral("read_xlsx.py") : QStringLiteral("read_xls.py"),
            path);
        const QJsonArray sheets = at(read.json, "sheets").toArray();
        ASSERT_EQ(sheets.size(), 1) << qPrintable(name);
        EXPECT_EQ(at(sheets[0].toObject(), "name").toString(), QStringLiteral("Sheet1"));
    }
    EXPECT_EQ(fileContents(tables.write(QStringLiteral("two.csv"))), csvBytes(tables.first));
}

TEST(WorkbookSheets, ATableTooLargeForTheFormatRefusesTheWholeWorkbook) {
    QTemporaryDir dir;
    const Sheet first = gradesTableSheet();
    Sheet wide;
    wide.setMaxCol(300);
    wide.setText(1, 300, QStringLiteral("x"));
    const NamedSheets sheets{{QStringLiteral("Overall"), &first}, {QStringLiteral("Why"), &wide}};
    const QString path = dir.filePath(QStringLiteral("two.xls"));
    const Result<void> refused = writeSheetFile(sheets, path);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("256"))) << qPrintable(refused.message());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(writeSheetFile(sheets, dir.filePath(QStringLiteral("two.xlsx"))).ok());
    EXPECT_FALSE(writeSheetFile(NamedSheets{}, dir.filePath(QStringLiteral("none.xlsx"))).ok());
    EXPECT_FALSE(writeSheetFile(NamedSheets{}, dir.filePath(QStringLiteral("none.xls"))).ok());
}

TEST(WorkbookSheets, NamesAreMadeFitForATabAndKeptApart) {
    const Sheet sheet;
    const auto names = [&sheet](const QStringList& wanted) {
        NamedSheets sheets;
        for (const QString& name : wanted) sheets.push_back({name, &sheet});
        QStringList out;
        for (const QString& name : worksheetNames(sheets)) out << name;
        return out;
    };
    EXPECT_EQ(names({QStringLiteral("Overall"), QStringLiteral("Why")}), (QStringList{"Overall", "Why"}));
    // Characters a tab cannot hold, quotes at the ends, blanks, length.
    EXPECT_EQ(names({QStringLiteral("a/b:c?d*e[f]g\\h"), QStringLiteral("'Quoted'"), QStringLiteral("  "),
                     QString(40, QLatin1Char('x'))}),
              (QStringList{"a_b_c_d_e_f_g_h", "Quoted", "Sheet3", QString(31, QLatin1Char('x'))}));
    // Alike ignoring case: told apart, still within 31 characters.
    EXPECT_EQ(names({QStringLiteral("Why"), QStringLiteral("WHY"), QStringLiteral("why"), QString(31, QLatin1Char('y')),
                     QString(31, QLatin1Char('Y'))}),
              (QStringList{"Why", "WHY (2)", "why (3)", QString(31, QLatin1Char('y')),
                           QString(27, QLatin1Char('Y')) + " (2)"}));
}
