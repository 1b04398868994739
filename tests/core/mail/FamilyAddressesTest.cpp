// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/FamilyAddresses.h"
#include "core/mail/MailServerSettings.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

StudentInfo student(const char* own, const char* mother, const char* father) {
    StudentInfo s;
    s.name = "Zo\xEB N\xFA\xF1"
             "ez";  // Windows-1252, as the class file keeps it
    s.mom_name = "Ana";
    s.dad_name = "Luis";
    s.student_email = own;
    s.mom_email = mother;
    s.dad_email = father;
    return s;
}

}  // namespace

TEST(FamilyAddresses, EachChosenFieldGivesEveryAddressItHoldsOnce) {
    const StudentInfo s = student(" zoe@x.org ", "ana@x.org; family@x.org,ZOE@x.org", "family@x.org");
    struct Case {
        AddressChoice choice;
        QStringList addresses;
    };
    const Case cases[] = {
        {{true, false, false}, {"zoe@x.org"}},
        {{false, true, false}, {"ana@x.org", "family@x.org", "ZOE@x.org"}},
        {{true, true, true}, {"zoe@x.org", "ana@x.org", "family@x.org"}},
        {{false, false, false}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(familyAddresses(s, c.choice).addresses(), c.addresses);
    }
    const FamilyAddresses all = familyAddresses(s, {true, true, true});
    EXPECT_EQ(all.recipients[0].name, QStringLiteral("Zoë Núñez"));
    EXPECT_EQ(all.recipients[1].name, QStringLiteral("Ana"));
}

TEST(FamilyAddresses, WhatIsNoPlainAddressIsSetApartNeverSentTo) {
    const StudentInfo s = student("ann at home;ann@x.org", "a@b@c.org, <x@y.org>", "p@x.org\r\nRCPT TO:<q@y.org>");
    const FamilyAddresses family = familyAddresses(s, {true, true, true});
    EXPECT_EQ(family.addresses(), QStringList{"ann@x.org"});
    EXPECT_EQ(family.unusable, (QStringList{"ann at home", "a@b@c.org", "<x@y.org>", "p@x.org\r\nRCPT TO:<q@y.org>"}));
    for (const char* bad : {"@x.org", "ann@", "ann@.x.org", "ann@x..org", "ann@x.org.", "an\"n@x.org", "añn@x.org"}) {
        EXPECT_FALSE(isSendableAddress(QString::fromUtf8(bad))) << bad;
    }
}

TEST(FamilyAddresses, TheCommandLineChoiceReadsOnlyKnownWords) {
    EXPECT_EQ(addressChoiceFromText(QStringLiteral("student")), (AddressChoice{true, false, false}));
    EXPECT_EQ(addressChoiceFromText(QStringLiteral("father,mother")), (AddressChoice{false, true, true}));
    EXPECT_FALSE(addressChoiceFromText(QStringLiteral("student,aunt")));
    EXPECT_FALSE(addressChoiceFromText(QString()));
}

TEST(MailServerSettings, OnlyThisComputerTakesAPasswordWithoutTls) {
    for (const char* host : {"127.0.0.1", "127.255.3.9", "::1", "localhost", "LOCALHOST"}) {
        EXPECT_TRUE(isThisComputer(QString::fromLatin1(host))) << host;
    }
    for (const char* host : {"128.0.0.1", "127.0.0.256", "127.0.0", "10.0.0.1", "localhost.school.example",
                             "127.0.0.1.school.example", "::2"}) {
        EXPECT_FALSE(isThisComputer(QString::fromLatin1(host))) << host;
    }
    MailServerSettings server;
    server.host = QStringLiteral("mail.school.example");
    server.security = MailSecurity::None;
    server.user = QStringLiteral("t");
    server.senderAddress = QStringLiteral("t@school.example");
    EXPECT_TRUE(mailServerProblem(server).contains(QStringLiteral("never sent without TLS")));
    server.host = QStringLiteral("127.0.0.1");
    EXPECT_TRUE(mailServerProblem(server).isEmpty());
}

TEST(MailServerSettings, HostAndPortAsTheCommandLineGivesThem) {
    const auto read = [](const char* text) { return hostAndPortFromText(QString::fromLatin1(text), 587); };
    EXPECT_EQ(read("mail.school.example")->port, 587);
    EXPECT_EQ(read("mail.school.example:2525")->port, 2525);
    EXPECT_EQ(read("[::1]:25")->host, QStringLiteral("::1"));
    for (const char* bad : {"", "mail:0", "mail:65536", "mail:x", "user@mail", "a b"}) {
        EXPECT_FALSE(read(bad)) << bad;
    }
}
