// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The checks every editor shares, against tables of texts a teacher types
// or pastes.

#include "core/editing/Validators.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

struct Typed {
    const char* typed;
    const char* stored;
};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

TEST(Validators, PointsAreStoredAsTyped) {
    for (const Typed& t : {Typed{"17", "17"}, Typed{" 17.5 ", "17.5"}, Typed{".5", ".5"}, Typed{"5.", "5."},
                           Typed{"007", "007"}, Typed{"-", "-"}, Typed{" - ", "-"}, Typed{"", "0"}, Typed{" \t ", "0"},
                           Typed{"123456789012345", "123456789012345"}, Typed{"1234567890.1234", "1234567890.1234"}}) {
        const Result<std::string> points = pointsText(q(t.typed));
        ASSERT_TRUE(points.ok()) << t.typed;
        EXPECT_EQ(*points, t.stored) << t.typed;
    }
}

TEST(Validators, AnythingButPlainPointsIsRefusedWithTheGradesPageMessage) {
    for (const char* bad : {"12-", "-5", "--", "1e5", "1E5", "abc", ".", "1.2.3", "+4", "4,5", "12 5",
                            "1234567890123456", "\xC2\xBD", "\xD9\xA3", "0x10", "inf", "nan"}) {
        const Result<std::string> refused = pointsText(q(bad));
        ASSERT_FALSE(refused.ok()) << bad;
        EXPECT_EQ(refused.message(), notPointsMessage(q(bad).trimmed())) << bad;
    }
}

TEST(Validators, TotalsAreNonNegativeDecimals) {
    EXPECT_EQ(*totalValue(q("100")), 100);
    EXPECT_EQ(*totalValue(q(" 17.5 ")), 17.5);
    EXPECT_EQ(*totalValue(q("")), 0);
    EXPECT_EQ(*totalValue(q(".5")), 0.5);
    for (const char* bad : {"-", "-10", "1e3", "ten", "1.2.3", ".", "10%", "1234567890123456"}) {
        const Result<double> refused = totalValue(q(bad));
        ASSERT_FALSE(refused.ok()) << bad;
        EXPECT_TRUE(refused.message().contains(q(bad))) << bad;
    }
}

TEST(Validators, StudentNamesAreTrimmedAndRefusedWhenTheyCannotBeKept) {
    EXPECT_EQ(*studentNameText(q("  Ann Lee\t")), "Ann Lee");
    EXPECT_EQ(*studentNameText(q("\x01Zo\xC3\xAB\x02")), "Zo\xEB");  // control characters go, é is one byte
    EXPECT_EQ(*studentNameText(QString(99, QLatin1Char('x'))), std::string(99, 'x'));

    EXPECT_EQ(studentNameText(q("   ")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_EQ(studentNameText(q("")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_TRUE(studentNameText(q("Ann~Lee")).message().contains(QStringLiteral("~")));
    EXPECT_TRUE(studentNameText(QString(100, QLatin1Char('x'))).message().contains(QStringLiteral("100")));
    EXPECT_TRUE(studentNameText(q("\xE6\x9D\x8E")).message().contains(q("\xE6\x9D\x8E")));  // no 8-bit byte
}

TEST(Validators, FieldsFitTheirCapacity) {
    EXPECT_EQ(*fieldText(q(" TX "), 3, q("state")), "TX");
    const Result<std::string> tooLong = fieldText(q("Tex"), 3, q("state"));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.message(), QStringLiteral("The state is 3 characters long; it can hold at most 2."));
}

TEST(Validators, ControlCharactersInsideATextAreRefusedNamingTheField) {
    for (const char* inside : {"Ann\nLee", "Ann\r\nLee", "Ann\tLee", "Ann\x07Lee", "Ann\xC2\x85Lee"}) {
        const Result<std::string> name = studentNameText(q(inside));
        ASSERT_FALSE(name.ok()) << inside;
        EXPECT_TRUE(name.message().startsWith(q("The name cannot hold "))) << name.message().toStdString();
        EXPECT_TRUE(name.message().contains(q("Ann")));
        EXPECT_FALSE(fieldText(q(inside), 50, q("city")).ok()) << inside;
    }
    EXPECT_EQ(fieldText(q("Oak\nRidge"), 50, q("city")).message(),
              q("The city cannot hold a line break: \"Oak Ridge\"."));
    EXPECT_EQ(fieldText(q("Oak\tRidge"), 50, q("city")).message(), q("The city cannot hold a tab: \"Oak Ridge\"."));

    // A comment keeps its line breaks, but nothing else of the kind.
    EXPECT_TRUE(multiLineText(q("a\nb"), 50, q("comment"), false).ok());
    const Result<std::string> tab = multiLineText(q("a\tb\nc"), 50, q("comment"), false);
    ASSERT_FALSE(tab.ok());
    EXPECT_TRUE(tab.message().startsWith(q("The comment cannot hold a tab")));
}

TEST(Validators, PercentSignsInTheTextStayAsTyped) {
    EXPECT_EQ(notPointsMessage(q("%1%2")).left(32), q("\"%1%2\" is not a number of points"));
    EXPECT_TRUE(notPointsMessage(q("%1")).contains(q("(at most 15 characters)")));
    EXPECT_TRUE(totalValue(q("%2")).message().startsWith(q("\"%2\" is not a number of possible points")));
    EXPECT_TRUE(totalValue(q("%2")).message().contains(q("(at most 15 characters)")));
    EXPECT_EQ(fieldText(q("%1 %2 %3"), 3, q("%2")).message(), q("The %2 is 8 characters long; it can hold at most 2."));
    EXPECT_TRUE(studentNameText(q("%1~%2")).message().endsWith(q("\"%1~%2\".")));
}

TEST(Validators, CommentsCountTheirLineBreaksAsTwoAndAreNeverCut) {
    const QString fits = QString(997, QLatin1Char('a')) + QLatin1Char('\n');  // 997 + CR LF = 999
    const Result<std::string> kept = multiLineText(fits, kCommentLength, q("comment"), false);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept->size(), 999u);
    EXPECT_EQ(kept->substr(997), "\r\n");

    const QString over = QString(998, QLatin1Char('a')) + QLatin1Char('\n');  // 1,000 once stored
    const Result<std::string> refused = multiLineText(over, kCommentLength, q("comment"), false);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("1000"))) << refused.message().toStdString();
    EXPECT_TRUE(refused.message().contains(QStringLiteral("999")));

    // Line breaks of any kind come out as CR LF; blanks are kept unless trimmed.
    EXPECT_EQ(*multiLineText(q(" a\r\nb\rc\n"), 50, q("comment"), false), " a\r\nb\r\nc\r\n");
    EXPECT_EQ(*multiLineText(q(" a\nb \n"), 50, q("description"), true), "a\r\nb");
    EXPECT_EQ(withLf(q("a\r\nb")), q("a\nb"));
}

TEST(Validators, NamesAreTheSameWhateverTheirCapitals) {
    EXPECT_TRUE(sameStudentName("Ann Lee", "ann LEE"));
    EXPECT_TRUE(sameStudentName("\xC9mile", "\xE9mile"));  // Émile, émile
    EXPECT_FALSE(sameStudentName("Ann", "MaryAnn"));
    EXPECT_FALSE(sameStudentName("Ann", "Ann "));
}
