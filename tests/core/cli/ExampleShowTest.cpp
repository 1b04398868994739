// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show on a shipped example class, against tables checked by
// hand and kept beside this test: period 2 has weighted averages (Test 30 is
// the reference weight, so Final counts 1/2, Quiz 2/3, Homework 1/2, Lab and
// Other 1/3) and drops each student's lowest score overall, never the Extra
// Credit (worth no points). For instance Zara Ivanova drops Homework 1's 5.5
// and earns 6.25 + 7.33 + 4.67 + 47 = 65.25 of 10 + 13.33 + 8.33 + 100 =
// 131.67 weighted points: 49.56%, an F.

// Period 1: plain averages, each student's lowest quiz and lowest homework
// dropped with their possible points. Its table was checked against a
// separate computation of the rules, row by row.

#include "tests/core/cli/CliFolder.h"

#include <gtest/gtest.h>

using namespace markwell::test;

TEST(ExampleShow, TheExamplesPrintTheirCheckedTables) {
    const struct {
        const char* example;
        const char* option;
        const char* expected;
    } cases[] = {
        {"period2.grs", nullptr, "period2-show.txt"},
        {"period2.grs", "--dropped", "period2-dropped.txt"},
        {"period1.grs", nullptr, "period1-show.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        QStringList args{QStringLiteral("show"), exampleFile(QLatin1String(c.example))};
        if (c.option) args << QLatin1String(c.option);
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, expectedOutput(QLatin1String(c.expected)));
    }
}

// Scripts read the printed sheets: they stay English whatever the user's
// language, the headings of the table included.
TEST(ExampleShow, TheTableStaysEnglishInEveryLanguage) {
    for (const char* language : {"es_ES.UTF-8", "fr_FR.UTF-8"}) {
        const QStringList environment = {QStringLiteral("LANG=") + QLatin1String(language), QStringLiteral("LC_ALL="),
                                         QStringLiteral("LC_MESSAGES="), QStringLiteral("LANGUAGE=")};
        const CliRun run = runCli({QStringLiteral("show"), exampleFile(QStringLiteral("period2.grs"))}, environment);
        EXPECT_EQ(run.exitCode, 0) << language << run.err.toStdString();
        EXPECT_EQ(run.out, expectedOutput(QStringLiteral("period2-show.txt"))) << language;
    }
}
