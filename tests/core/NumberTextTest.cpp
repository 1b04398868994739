// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

using namespace markwell;

TEST(NumberText, ParsesWhatATeacherTypesAndRefusesWhatIsNotANumber) {
    const std::pair<const char*, double> cases[] = {{"17.5", 17.5}, {" 8 ", 8.0}, {".5", 0.5},         {"5.", 5.0},
                                                    {"-3", -3.0},   {"+3", 3.0},  {"1.235E4", 12350.0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(parseNumber(std::string_view(text)), value) << text;
    for (const char* text : {"", " ", "-", ".", "abc", "1,5", "1.2.3", "inf", "nan", "0x10", "1e", "5%", "1 2"}) {
        EXPECT_FALSE(parseNumber(std::string_view(text)).has_value()) << text;
    }
    EXPECT_FALSE(parseNumber(std::string_view("1e999")).has_value());
}

TEST(NumberText, GeneralFormHasFifteenDigitsAndNoTrailingZerosAppendedAsWell) {
    const std::pair<double, const char*> cases[] = {{100, "100"},
                                                    {17.5, "17.5"},
                                                    {0, "0"},
                                                    {-0.0, "0"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {-2.25, "-2.25"},
                                                    {1.0 / 3.0, "0.333333333333333"},
                                                    {123456789012.5, "123456789012.5"},
                                                    {0.00001, "0.00001"},
                                                    {0.0000015, "1.5E-6"},
                                                    {1e20, "1E20"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(generalText(value), text) << value;
    // The printed table writes whole numbers from their digits: the same text,
    // up to the edge of fixed notation and past it.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double value : {0.0, -0.0, 7.0, -12.0, 17.5, 1e15 - 1, -(1e15 - 1), 1e15, -1e15, 1e20, nan, inf}) {
        QByteArray out("x");
        appendGeneralText(out, value);
        EXPECT_EQ(out, QByteArray("x") + QByteArray::fromStdString(generalText(value))) << value;
    }
}

// Four significant digits or two decimals, rounded half away from zero as
// written; huge averages in the exponent form, and never inf or nan.
TEST(NumberText, AverageTextRoundsAsATeacherReadsIt) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // 87.455 is a hair below .455 in binary; a teacher reads it as .455.
    const std::pair<double, const char*> cases[] = {
        {87.456, "87.46%"},  {103.456, "103.50%"},  {7.8125, "7.81%"},     {89.996, "90.00%"},
        {99.995, "100.00%"}, {1234.56, "1235.00%"}, {0, "0.00%"},          {0.004, "0.00%"},
        {0.005, "0.01%"},    {100, "100.00%"},      {87.455, "87.46%"},    {17491.0 / 200.0, "87.46%"},
        {-2.345, "-2.35%"},  {-0.001, "0.00%"},     {12345.6, "1.235E4%"}, {10000, "1E4%"},
        {9999.6, "1E4%"},    {inf, "0.00%"},        {nan, "0.00%"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(averageText(value), QString::fromLatin1(text)) << value;
    // The letter grade reads the text back without its "%".
    EXPECT_EQ(parseNumber(std::string_view("1.235E4")), 12350.0);
}

namespace {
// The C library's conversions as an independent reference: "%.15g" is the
// general form for 1e-4 <= |x| < 1e15, where both use fixed notation.
std::string referenceGeneral(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}
}  // namespace

TEST(NumberText, ShortDecimalsConvertExactlyAsTheFullConversionDoes) {
    for (int i = -2500; i <= 2500; i += 7) {
        for (double divisor : {1.0, 2.0, 3.0, 4.0, 8.0, 10.0, 16.0, 20.0, 100.0, 1000.0, 10000.0, 7.0, 1e-3}) {
            const double value = i / divisor;
            if (value == 0) continue;
            const std::string text = referenceGeneral(value);
            ASSERT_EQ(generalText(value), text) << i << " / " << divisor;
            ASSERT_EQ(shownValue(value), std::strtod(text.c_str(), nullptr)) << text;
            ASSERT_EQ(parseNumber(std::string_view(text)), std::strtod(text.c_str(), nullptr)) << text;
        }
    }
    for (const char* text :
         {"0.1", "0.7", "17.5", "-003.1415", "99999999999.9999", "123456789012345", "1.0000", "0.30000",
          "4503599627370497", "9007199254740993", "12345678901234.56", "7236830840615796.5"}) {
        EXPECT_EQ(parseNumber(std::string_view(text)), std::strtod(text, nullptr)) << text;
    }
    EXPECT_EQ(generalText(0.1 + 0.7), "0.8");
    EXPECT_EQ(generalText(99999999999.9999), "99999999999.9999");
}

// 85.56 is 85.6 first, then two decimals; at 99.96 the carry adds a digit.
TEST(NumberText, StatisticsRoundToThreeSignificantDigitsOrTwoDecimals) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, const char*> cases[] = {
        {8.3333, "8.33"},  {85.56, "85.60"}, {100, "100.00"}, {5.0 / 3.0, "1.67"}, {1234.5, "1230.00"},
        {99.96, "100.00"}, {0.004, "0.00"},  {0.005, "0.01"}, {-12.25, "-12.30"},  {nan, "0.00"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(threeDigitText(value), QString::fromLatin1(text)) << value;
}

TEST(NumberText, ShortestTextAndShownValueReadBackExactly) {
    EXPECT_EQ(shortestText(85), "85");
    EXPECT_EQ(shortestText(12.5), "12.5");
    for (double v : {2.0 / 3.0 * 100, 0.1 + 0.2, 1e-7, 123456789.123456789}) {
        EXPECT_EQ(*parseNumber(shortestText(v)), v) << shortestText(v);
    }
    EXPECT_EQ(shortestText(2.0 / 3.0 * 100), "66.66666666666666");
    EXPECT_EQ(shownValue(0.1 + 0.2), 0.3);
    EXPECT_EQ(shownValue(42.0), 42.0);
    EXPECT_EQ(*parseNumber(generalText(shownValue(2.0 / 3.0))), shownValue(2.0 / 3.0));
}

TEST(NumberText, FactorsRoundHalfAwayFromZeroToFourDecimalsWithoutTrailingZeros) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {{2.0 / 3.0, "0.6667"},
                                                    {136.666666666667, "136.6667"},
                                                    {0.25, "0.25"},
                                                    {1, "1"},
                                                    {0.00005, "0.0001"},
                                                    {0.00004, "0"},
                                                    {-1.23455, "-1.2346"},
                                                    {9.99996, "10"},
                                                    {-0.00001, "0"},
                                                    {1e20, "1E20"},
                                                    {inf, "0"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(roundedText(value, 4), text) << value;
}

TEST(NumberText, ADecimalCommaIsOnlyWhatAPersonReadsAndTypes) {
    const QChar comma(u',');
    // Whole numbers of a table, and nothing else.
    const std::pair<const char*, const char*> shown[] = {{"17.5", "17,5"},
                                                         {"-0.25", "-0,25"},
                                                         {"87.46%", "87,46%"},
                                                         {"1.5E-6", "1,5E-6"},
                                                         {"100", "100"},
                                                         {"Quiz 1.5", "Quiz 1.5"},
                                                         {"555.123.4567", "555.123.4567"},
                                                         {"1.2.3", "1.2.3"},
                                                         {".5", ",5"},
                                                         {"5.", "5,"},
                                                         {"E5", "E5"},
                                                         {"%", "%"},
                                                         {"", ""},
                                                         {"1.5E", "1.5E"}};
    for (const auto& [text, withComma] : shown) {
        EXPECT_EQ(numberWithPoint(QString::fromLatin1(text), comma), QString::fromLatin1(withComma)) << text;
        EXPECT_EQ(numberWithPoint(QString::fromLatin1(text), u'.'), QString::fromLatin1(text));
    }
    EXPECT_EQ(numbersInTextWithPoint(QStringLiteral("Needs 17.5 of 20 points on \"Unit 3.\" (average 81.25%)."), comma),
              QStringLiteral("Needs 17,5 of 20 points on \"Unit 3.\" (average 81,25%)."));
    // Typed: one comma is the decimal separator; "." is still taken; two
    // separators are left for the check to refuse.
    const std::pair<const char*, const char*> typed[] = {{"7,5", "7.5"},         {"7.5", "7.5"},         {",5", ".5"},
                                                         {"1.000,5", "1.000,5"}, {"1,000,5", "1,000,5"}, {"12", "12"}};
    for (const auto& [text, stored] : typed) {
        EXPECT_EQ(typedWithPoint(QString::fromLatin1(text), comma), QString::fromLatin1(stored)) << text;
    }
    EXPECT_EQ(typedWithPoint(QStringLiteral("7,5"), u'.'), QStringLiteral("7,5"));
}

TEST(Cp1252, EveryByteSurvivesARoundTripAndCharactersWithoutAByteAreRefused) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = cp1252::toUnicode(all);
    auto back = cp1252::fromUnicode(text);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, all);
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
    // Characters without a byte are refused.
    auto result = cp1252::fromUnicode(QStringLiteral("Anna \u0141ukasz"));
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(QStringLiteral("\u0141")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("\u4E2D")));
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("Jos\u00E9")));
}
