// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// A save under a new name killed at any moment leaves no class there or a
// whole one: never a grade file without its attendance and seating files.

#include "tests/core/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace markwell::test;

namespace {

QStringList saveAs(const QString& from, const QString& to) {
    return {QStringLiteral("set-total"), from, QStringLiteral("--index"), QStringLiteral("1"), QStringLiteral("77"),
            QStringLiteral("-o"),        to};
}

QByteArray classBytes(const QString& stem) {
    return fileContents(stem + QStringLiteral(".grs")) + '|' + fileContents(stem + QStringLiteral(".ATD")) + '|' +
           fileContents(stem + QStringLiteral(".SEA"));
}

}  // namespace

TEST(KilledSave, EveryKillLeavesNoNewClassOrAWholeOne) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("c.grs"));
    const CliRun made = runCli({QStringLiteral("sample"), source, QStringLiteral("--students=2000"),
                                QStringLiteral("--assignments=200"), QStringLiteral("--seats")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

    // One save carried to its end: what every outcome with a class must equal,
    // and how long the kills have to land in.
    QElapsedTimer clock;
    clock.start();
    const CliRun reference = runCli(saveAs(source, dir.filePath(QStringLiteral("ref.grs"))));
    const int runMs = static_cast<int>(clock.elapsed());
    ASSERT_EQ(reference.exitCode, 0) << reference.err.toStdString();
    const QByteArray whole = classBytes(dir.filePath(QStringLiteral("ref")));

    const QString out = dir.filePath(QStringLiteral("OUT"));
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> moment(0, runMs + runMs / 5);
    int complete = 0;
    int kills = 0;
    // Twenty kills, or as many as fit in the time (a busy disk makes syncs slow).
    QElapsedTimer budget;
    budget.start();
    for (int kill = 0; kill < 20 && budget.elapsed() < 25000; ++kill, ++kills) {
        for (const char* suffix : {".grs", ".ATD", ".SEA"}) QFile::remove(out + QLatin1String(suffix));
        QProcess process;
        process.start(QStringLiteral(MARKWELL_CLI_PATH), saveAs(source, out + QStringLiteral(".grs")));
        ASSERT_TRUE(process.waitForStarted(10000));
        if (!process.waitForFinished(moment(random))) {
            process.kill();
            ASSERT_TRUE(process.waitForFinished(10000));
        }
        if (!QFile::exists(out + QStringLiteral(".grs"))) continue;  // no class: the save had not finished
        ++complete;
        EXPECT_TRUE(classBytes(out) == whole) << "kill " << kill << " left a grade file without its whole set";
    }
    EXPECT_GE(kills, 5);
    RecordProperty("kills", kills);
    RecordProperty("complete", complete);

    // A save carried to its end removes what the killed ones left behind.
    ASSERT_EQ(runCli(saveAs(source, out + QStringLiteral(".grs"))).exitCode, 0);
    EXPECT_EQ(classBytes(out), whole);
    const QStringList leftOver = filesIn(dir.path()).filter(QRegularExpression(QStringLiteral("^\\.")));
    EXPECT_TRUE(leftOver.isEmpty()) << leftOver.join(QLatin1Char(' ')).toStdString();
}
