#include "ExportTestSheets.h"

#include "export/CsvWriter.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

using namespace markwell;

TEST(CsvFile, WritesEveryRowAndColumnQuotingOnlyWhatNeedsIt) {
    // Commas, quotes and line breaks are quoted with quotes doubled; accents
    // and other scripts are UTF-8; numbers take their general form; leading
    // and trailing spaces stay; every row has all seven fields.
    const QByteArray expected =
        "Name,Quiz 1,\"Test, Unit 2\",Total,Average,Grade,Hidden\r\n"
        "Zo\xC3\xAB O'Brien,17.5,88,105.5,87.46%, B+,x\r\n"
        "\"Smith, \"\"Jo\"\"\",-,100,100,100.00%,A,\r\n"
        "\xC5\x81ukasz \xE7\x8E\x8B,0.1,1099511627776,0.333333333333333,7.81%,F ,\r\n"
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
