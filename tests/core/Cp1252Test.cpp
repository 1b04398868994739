// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/Cp1252.h"

#include <gtest/gtest.h>

using namespace markwell;

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = cp1252::toUnicode(all);
    auto back = cp1252::fromUnicode(text);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsAccentsAndTheHighControlRange) {
    EXPECT_EQ(cp1252::toUnicode("Ren\xE9"), QStringLiteral("Ren\u00E9"));
    EXPECT_EQ(cp1252::toUnicode("\x80"), QStringLiteral("\u20AC"));
    EXPECT_EQ(cp1252::toUnicode("O\x92"
                                "Brien"),
              QStringLiteral("O\u2019Brien"));
    EXPECT_EQ(cp1252::toUtf8("Zo\xEB"), "Zo\xC3\xAB");
    EXPECT_EQ(*cp1252::fromUnicode(QStringLiteral("\u0160ar\u00FCk")), std::string("\x8A"
                                                                                   "ar"
                                                                                   "\xFC"
                                                                                   "k"));
}

TEST(Cp1252, RefusesCharactersWithoutAByte) {
    auto result = cp1252::fromUnicode(QStringLiteral("Anna \u0141ukasz"));
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(QStringLiteral("\u0141")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("\u4E2D")));
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("Jos\u00E9")));
}
