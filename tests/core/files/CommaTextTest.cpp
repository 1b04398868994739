// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/CommaText.h"

#include <gtest/gtest.h>

using namespace markwell;
using Items = std::vector<std::string>;

TEST(CommaTextWriting, QuotesOnlyWhatNeedsQuotes) {
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
}

TEST(CommaTextReading, AnUnbalancedQuoteRunsToTheEnd) {
    EXPECT_EQ(parseCommaText("\"abc,def"), Items{"abc,def"});
    EXPECT_EQ(parseCommaText("a,\"b"), (Items{"a", "b"}));
    EXPECT_EQ(parseCommaText("a,\""), (Items{"a", ""}));
    EXPECT_EQ(parseCommaText("\"ends with a doubled quote\"\""), Items{"ends with a doubled quote\""});
}

TEST(CommaTextRoundTrip, AwkwardItemsComeBackUnchanged) {
    const std::vector<Items> lists = {
        {},
        {""},
        {"", ""},
        {"a", ""},
        {"", "a"},
        {" leading", "trailing ", "in side", "\"", "\"\"", ",", ",,", "a,\"b\",c"},
        {"Ren\xE9"
         "e \"Rae\" O'Brien, Jr.~-",
         "Zo\xEB~0", "\r\n", "x~"},
        {std::string(20000, 'z').append("~1"), "y y"},
    };
    for (const Items& items : lists) {
        EXPECT_EQ(parseCommaText(formatCommaText(items)), items) << formatCommaText(items);
    }
}
