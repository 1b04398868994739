// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/NumberText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

using namespace markwell;

TEST(NumberText, ParsesWhatATeacherTypes) {
    EXPECT_EQ(parseNumber(std::string_view("17.5")), 17.5);
    EXPECT_EQ(parseNumber(std::string_view(" 8 ")), 8.0);
    EXPECT_EQ(parseNumber(std::string_view(".5")), 0.5);
    EXPECT_EQ(parseNumber(std::string_view("5.")), 5.0);
    EXPECT_EQ(parseNumber(std::string_view("-3")), -3.0);
    EXPECT_EQ(parseNumber(std::string_view("+3")), 3.0);
    EXPECT_EQ(parseNumber(std::string_view("1.235E4")), 12350.0);
}

TEST(NumberText, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "-", ".", "abc", "1,5", "1.2.3", "inf", "nan", "0x10", "1e", "5%", "1 2"}) {
        EXPECT_FALSE(parseNumber(std::string_view(text)).has_value()) << text;
    }
    EXPECT_FALSE(parseNumber(std::string_view("1e999")).has_value());
}

TEST(NumberText, GeneralFormHasFifteenDigitsAndNoTrailingZeros) {
    EXPECT_EQ(generalText(100), "100");
    EXPECT_EQ(generalText(17.5), "17.5");
    EXPECT_EQ(generalText(0), "0");
    EXPECT_EQ(generalText(-0.0), "0");
    EXPECT_EQ(generalText(0.1 + 0.2), "0.3");
    EXPECT_EQ(generalText(-2.25), "-2.25");
    EXPECT_EQ(generalText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(generalText(123456789012.5), "123456789012.5");
    EXPECT_EQ(generalText(0.00001), "0.00001");
    EXPECT_EQ(generalText(0.0000015), "1.5E-6");
    EXPECT_EQ(generalText(1e20), "1E20");
}

// The printed table writes whole numbers from their digits: the same text,
// up to the edge of fixed notation and past it.
TEST(NumberText, AppendedGeneralTextIsTheGeneralText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double value : {0.0, -0.0, 7.0, -12.0, 17.5, 1e15 - 1, -(1e15 - 1), 1e15, -1e15, 1e20, nan, inf}) {
        QByteArray out("x");
        appendGeneralText(out, value);
        EXPECT_EQ(out, QByteArray("x") + QByteArray::fromStdString(generalText(value))) << value;
    }
}

TEST(NumberText, ShownValueIsWhatTheTextSays) {
    EXPECT_EQ(shownValue(0.1 + 0.2), 0.3);
    EXPECT_EQ(shownValue(42.0), 42.0);
    EXPECT_EQ(*parseNumber(generalText(shownValue(2.0 / 3.0))), shownValue(2.0 / 3.0));
}

TEST(NumberText, AverageRoundsToFourSignificantDigitsOrTwoDecimals) {
    EXPECT_EQ(averageText(87.456), QStringLiteral("87.46%"));
    EXPECT_EQ(averageText(103.456), QStringLiteral("103.50%"));
    EXPECT_EQ(averageText(7.8125), QStringLiteral("7.81%"));
    EXPECT_EQ(averageText(89.996), QStringLiteral("90.00%"));
    EXPECT_EQ(averageText(99.995), QStringLiteral("100.00%"));
    EXPECT_EQ(averageText(1234.56), QStringLiteral("1235.00%"));
    EXPECT_EQ(averageText(0), QStringLiteral("0.00%"));
    EXPECT_EQ(averageText(0.004), QStringLiteral("0.00%"));
    EXPECT_EQ(averageText(0.005), QStringLiteral("0.01%"));
    EXPECT_EQ(averageText(100), QStringLiteral("100.00%"));
}

TEST(NumberText, AverageRoundsHalfAwayFromZeroAsWritten) {
    // 87.455 is a hair below .455 in binary; a teacher reads it as .455.
    EXPECT_EQ(averageText(87.455), QStringLiteral("87.46%"));
    EXPECT_EQ(averageText(17491.0 / 200.0), QStringLiteral("87.46%"));
    EXPECT_EQ(averageText(-2.345), QStringLiteral("-2.35%"));
    EXPECT_EQ(averageText(-0.001), QStringLiteral("0.00%"));
}

TEST(NumberText, HugeAveragesUseTheExponentFormAndNeverInfOrNan) {
    EXPECT_EQ(averageText(12345.6), QStringLiteral("1.235E4%"));
    EXPECT_EQ(averageText(10000), QStringLiteral("1E4%"));
    EXPECT_EQ(averageText(9999.6), QStringLiteral("1E4%"));
    EXPECT_EQ(averageText(std::numeric_limits<double>::infinity()), QStringLiteral("0.00%"));
    EXPECT_EQ(averageText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("0.00%"));
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

TEST(NumberText, StatisticsRoundToThreeSignificantDigitsOrTwoDecimals) {
    EXPECT_EQ(threeDigitText(8.3333), QStringLiteral("8.33"));
    EXPECT_EQ(threeDigitText(85.56), QStringLiteral("85.60"));  // 85.6 first, then two decimals
    EXPECT_EQ(threeDigitText(100), QStringLiteral("100.00"));
    EXPECT_EQ(threeDigitText(5.0 / 3.0), QStringLiteral("1.67"));
    EXPECT_EQ(threeDigitText(1234.5), QStringLiteral("1230.00"));
    EXPECT_EQ(threeDigitText(99.96), QStringLiteral("100.00"));  // the carry adds a digit
    EXPECT_EQ(threeDigitText(0.004), QStringLiteral("0.00"));
    EXPECT_EQ(threeDigitText(0.005), QStringLiteral("0.01"));
    EXPECT_EQ(threeDigitText(-12.25), QStringLiteral("-12.30"));
    EXPECT_EQ(threeDigitText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("0.00"));
}

TEST(NumberText, ShortestTextReadsBackExactly) {
    EXPECT_EQ(shortestText(85), "85");
    EXPECT_EQ(shortestText(12.5), "12.5");
    for (double v : {2.0 / 3.0 * 100, 0.1 + 0.2, 1e-7, 123456789.123456789}) {
        EXPECT_EQ(*parseNumber(shortestText(v)), v) << shortestText(v);
    }
    EXPECT_EQ(shortestText(2.0 / 3.0 * 100), "66.66666666666666");
}

TEST(NumberText, FactorsRoundHalfAwayFromZeroToFourDecimalsWithoutTrailingZeros) {
    const std::vector<std::pair<double, QString>> cases = {
        {2.0 / 3.0, QStringLiteral("0.6667")},
        {136.666666666667, QStringLiteral("136.6667")},
        {0.25, QStringLiteral("0.25")},
        {1, QStringLiteral("1")},
        {0.00005, QStringLiteral("0.0001")},
        {0.00004, QStringLiteral("0")},
        {-1.23455, QStringLiteral("-1.2346")},
        {9.99996, QStringLiteral("10")},
        {-0.00001, QStringLiteral("0")},
        {1e20, QStringLiteral("1E20")},
        {std::numeric_limits<double>::infinity(), QStringLiteral("0")},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(roundedText(value, 4), text) << value;
}

TEST(NumberText, ADecimalCommaIsOnlyWhatAPersonReadsAndTypes) {
    const QChar comma(u',');
    // Whole numbers of a table, and nothing else.
    for (const auto& [text, shown] : std::vector<std::pair<QString, QString>>{{"17.5", "17,5"},
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
                                                                              {"1.5E", "1.5E"}}) {
        EXPECT_EQ(numberWithPoint(text, comma), shown) << text.toStdString();
        EXPECT_EQ(numberWithPoint(text, u'.'), text);
    }
    EXPECT_EQ(numbersInTextWithPoint(QStringLiteral("Needs 17.5 of 20 points on \"Unit 3.\" (average 81.25%)."), comma),
              QStringLiteral("Needs 17,5 of 20 points on \"Unit 3.\" (average 81,25%)."));
    // Typed: one comma is the decimal separator; "." is still taken; two
    // separators are left for the check to refuse.
    for (const auto& [typed, stored] : std::vector<std::pair<QString, QString>>{{"7,5", "7.5"},
                                                                                {"7.5", "7.5"},
                                                                                {",5", ".5"},
                                                                                {"1.000,5", "1.000,5"},
                                                                                {"1,000,5", "1,000,5"},
                                                                                {"12", "12"}}) {
        EXPECT_EQ(typedWithPoint(typed, comma), stored) << typed.toStdString();
    }
    EXPECT_EQ(typedWithPoint(QStringLiteral("7,5"), u'.'), QStringLiteral("7,5"));
}
