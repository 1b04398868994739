// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli show on a shipped example class, against tables checked by
// hand and kept beside this test: period 2 has weighted averages (Test 30 is
// the reference weight, so Final counts 1/2, Quiz 2/3, Homework 1/2, Lab and
// Other 1/3) and drops each student's lowest score overall, never the Extra
// Credit (worth no points). For instance Zara Ivanova drops Homework 1's 5.5
// and earns 6.25 + 7.33 + 4.67 + 47 = 65.25 of 10 + 13.33 + 8.33 + 100 =
// 131.67 weighted points: 49.56%, an F.

#include "tests/core/cli/CliRunner.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace markwell::test;

namespace {

QString expected(const char* name) {
    QFile file(QStringLiteral(MARKWELL_SOURCE_DIR "/tests/core/cli/expected/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(missing %1)").arg(file.fileName());
    return QString::fromUtf8(file.readAll());
}

const QString kPeriod2 = QStringLiteral(MARKWELL_SOURCE_DIR "/examples/period2.grs");

}  // namespace

TEST(ExampleShow, Period2PrintsTheHandCheckedTable) {
    const CliRun run = runCli({QStringLiteral("show"), kPeriod2});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected("period2-show.txt"));
}

TEST(ExampleShow, Period2ListsEachStudentsDroppedScore) {
    const CliRun run = runCli({QStringLiteral("show"), kPeriod2, QStringLiteral("--dropped")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected("period2-dropped.txt"));
}

// Period 1: plain averages, each student's lowest quiz and lowest homework
// dropped with their possible points. Its table was checked against a
// separate computation of the rules, row by row.
TEST(ExampleShow, Period1PrintsTheCheckedTable) {
    const CliRun run = runCli({QStringLiteral("show"), QStringLiteral(MARKWELL_SOURCE_DIR "/examples/period1.grs")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected("period1-show.txt"));
}

// Scripts read the printed sheets: they stay English whatever the user's
// language, the headings of the table included.
TEST(ExampleShow, TheTableStaysEnglishInEveryLanguage) {
    for (const char* language : {"es_ES.UTF-8", "fr_FR.UTF-8"}) {
        const QStringList environment = {QStringLiteral("LANG=") + QLatin1String(language), QStringLiteral("LC_ALL="),
                                         QStringLiteral("LC_MESSAGES="), QStringLiteral("LANGUAGE=")};
        const CliRun run = runCli({QStringLiteral("show"), kPeriod2}, environment);
        EXPECT_EQ(run.exitCode, 0) << language << run.err.toStdString();
        EXPECT_EQ(run.out, expected("period2-show.txt")) << language;
    }
}
