// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/ExportTestSheets.h"

#include "core/export/CsvWriter.h"
#include "core/sheet/Sheet.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace markwell;

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
