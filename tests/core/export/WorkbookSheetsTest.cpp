// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Sheet files written by their extension, and workbooks of several tables
// read back by the independent readers: each table on a worksheet of its
// own, with its name, its cells and its formats, the workbook opening on the
// first.

#include "tests/core/export/ExportTestSheets.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/export/CsvWriter.h"
#include "core/export/NamedSheet.h"
#include "core/export/SheetFile.h"
#include "core/sheet/Sheet.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace markwell;
using markwell::test::FileSizeLimit;

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

TEST(SheetFile, ChoosesTheWriterByExtensionWhateverItsCaseAndRefusesOthersNamingTheSupportedOnes) {
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
    // The writer is chosen by the extension, whatever its case.
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

TEST(SheetFile, AFailedWriteOrASheetTheFormatCannotHoldLeavesTheOldFileWhole) {
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
    // A sheet the format cannot hold is refused before the old file is touched.
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
