// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The comma text of a grade file's point lists, and comma-separated files as
// spreadsheet programs write them.

#include "core/common/CommaText.h"
#include "core/files/CsvReader.h"

#include <gtest/gtest.h>

using namespace markwell;
using Items = std::vector<std::string>;

TEST(CommaTextWriting, QuotesOnlyWhatNeedsQuotesAndAwkwardItemsComeBackUnchanged) {
    // Ann Lee~17.5 holds a space; Bo~0 does not: 19 characters.
    const std::string text = formatCommaText({"Ann Lee~17.5", "Bo~0"});
    EXPECT_EQ(text, "\"Ann Lee~17.5\",Bo~0");
    EXPECT_EQ(text.size(), 19u);

    EXPECT_EQ(formatCommaText({}), "");
    EXPECT_EQ(formatCommaText({""}), "\"\"");
    EXPECT_EQ(formatCommaText({"a", "", "b"}), "a,,b");
    EXPECT_EQ(formatCommaText({"a", ""}), "a,\"\"");
    EXPECT_EQ(formatCommaText({"O\"Neil~5", "x,y", "tab\there"}), "\"O\"\"Neil~5\",\"x,y\",\"tab\there\"");
    // Accented letters are not control characters.
    EXPECT_EQ(formatCommaText({"Jos\xE9~5", "\xA0~1"}), "Jos\xE9~5,\xA0~1");

    // Awkward items come back unchanged.
    const std::vector<Items> lists = {
        {},
        {""},
        {"", ""},
        {"a", ""},
        {"", "a"},
        {" leading", "trailing ", "in side", "\"", "\"\"", ",", ",,", "a,\"b\",c"},
        {"Ren\351e \"Rae\" O'Brien, Jr.~-", "Zo\xEB~0", "\r\n", "x~"},
        {std::string(20000, 'z').append("~1"), "y y"},
    };
    for (const Items& items : lists) EXPECT_EQ(parseCommaText(formatCommaText(items)), items) << formatCommaText(items);
}

TEST(CommaTextReading, FollowsTheItemRules) {
    EXPECT_EQ(parseCommaText("\"Ann Lee~17.5\",Bo~0"), (Items{"Ann Lee~17.5", "Bo~0"}));
    EXPECT_EQ(parseCommaText(""), Items{});
    EXPECT_EQ(parseCommaText("\"\""), Items{""});
    EXPECT_EQ(parseCommaText("a,,b"), (Items{"a", "", "b"}));
    EXPECT_EQ(parseCommaText(",a"), (Items{"", "a"}));
    EXPECT_EQ(parseCommaText("a,b,"), (Items{"a", "b"}));
    // Leading blanks and control characters are skipped, as are those around commas.
    EXPECT_EQ(parseCommaText("\x01\t\r\n  a , \x1F b"), (Items{"a", "b"}));
    // A blank ends an unquoted item and starts the next one.
    EXPECT_EQ(parseCommaText("Ann Lee~3"), (Items{"Ann", "Lee~3"}));
    // Quotes inside quotes, and a quote inside an unquoted item.
    EXPECT_EQ(parseCommaText("\"say \"\"hi\"\"\",ab\"c"), (Items{"say \"hi\"", "ab\"c"}));
    EXPECT_EQ(parseCommaText("\"\"\"\""), Items{"\""});
    // Doubled quotes at the start, in a row and at the end of a quoted item.
    EXPECT_EQ(parseCommaText("\"\"\"a\"\"\"\"b\"\"\",c"), (Items{"\"a\"\"b\"", "c"}));
    // Commas inside quotes belong to the item.
    EXPECT_EQ(parseCommaText("\"a,b\",\",\",c"), (Items{"a,b", ",", "c"}));
    // Text right after a closing quote starts a new item.
    EXPECT_EQ(parseCommaText("\"ab\"cd,ef"), (Items{"ab", "cd", "ef"}));
    // Bytes above 127 are ordinary characters.
    EXPECT_EQ(parseCommaText("Jos\xE9~5,\xFF\xA0~1"), (Items{"Jos\xE9~5", "\xFF\xA0~1"}));
    // An unbalanced quote runs to the end.
    EXPECT_EQ(parseCommaText("\"abc,def"), Items{"abc,def"});
    EXPECT_EQ(parseCommaText("a,\"b"), (Items{"a", "b"}));
    EXPECT_EQ(parseCommaText("a,\""), (Items{"a", ""}));
    EXPECT_EQ(parseCommaText("\"ends with a doubled quote\"\""), Items{"ends with a doubled quote\""});
}

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaksAndMalformedFilesAreRefusedWithTheirLine) {
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

    // Malformed files are refused with their line.
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
        const Result<CsvTable> refused = parseCsv(c.bytes);
        ASSERT_FALSE(refused.ok()) << c.bytes;
        EXPECT_EQ(refused.message(), QString::fromUtf8(c.message)) << c.bytes;
    }
}
