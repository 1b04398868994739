// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Reading comma-separated files as spreadsheet programs write them.

#include "core/files/CsvReader.h"

#include <gtest/gtest.h>

using namespace markwell;

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    const Result<CsvTable> table = parseCsv("\xEF\xBB\xBFname,comment\r\n"
                                            "\"Lee, Ann\",\"said \"\"hi\"\"\"\r\n"
                                            "\r\n"
                                            "Bo,\"two\r\nlines\"\n"
                                            "Zo\xC3\xAB,\n");
    ASSERT_TRUE(table.ok()) << table.message().toStdString();
    EXPECT_EQ(table->header.fields, (QStringList{"name", "comment"}));
    // Each row as "line: field|field".
    QStringList rows;
    for (const CsvRecord& row : table->rows)
        rows << QString::number(row.line) + QStringLiteral(": ") + row.fields.join(u'|');
    EXPECT_EQ(rows, (QStringList{"2: Lee, Ann|said \"hi\"", "4: Bo|two\nlines", "6: Zo\u00eb|"}));
}

TEST(CsvReader, MalformedFilesAreRefusedWithTheirLine) {
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"name\nAnn\n\"Bo\n", "line 3: a quoted field is never closed"},
        {"name\nAn\"n\n", "line 2: a quote inside a field that does not start with one"},
        {"name\n\"Ann\"x\n", "line 2: text after the closing quote of a field"},
        {"name\nAnn\nZo\xEB\n", "line 3: the text is not UTF-8"},
        {"", "the file is empty: it needs a header naming the columns"},
        {"\n\n", "the file is empty: it needs a header naming the columns"},
    };
    for (const auto& c : cases) {
        const Result<CsvTable> table = parseCsv(c.bytes);
        ASSERT_FALSE(table.ok()) << c.bytes;
        EXPECT_EQ(table.message(), QString::fromUtf8(c.message)) << c.bytes;
    }
}
