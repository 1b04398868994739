// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli never writes a class it was not asked to: a restore, a
// conversion or an output that shares a file with the class it comes from
// is refused by any name; a grade file whose reader skipped bytes is never
// cut without --drop-skipped; writers from different data folders take
// turns and lose nothing; what killed writes left is cleaned up. Every
// command that replaces a class keeps the old one as an earlier version,
// `versions` lists and restores them, and commands changing one class take
// turns.

#include "tests/core/cli/CliFolder.h"
#include "tests/support/KilledSave.h"

#include "core/document/ClassLock.h"
#include "core/document/ClassWriter.h"
#include "core/files/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using namespace markwell;
using namespace markwell::test;

namespace {

class ClassSafety : public CliFolder {
protected:
    // Four assignments and a seat for each student.
    void sample(const char* name, int students, int seed, bool force = false) const {
        QStringList options{QStringLiteral("--students=%1").arg(students), "--assignments=4",
                            QStringLiteral("--seed=%1").arg(seed), "--seats"};
        if (force) options << "--force";
        CliFolder::sample(name, options);
    }
    QString writeCsv(const QString& name, const QByteArray& rows) const {
        return write(name + QStringLiteral(".csv"), "name\n" + rows);
    }
    // versions GRADE --restore 1 -o OUT
    QStringList restoreFirstVersion(const char* grade, const char* out) const {
        return {"versions", path(grade), "--restore=1", "-o", path(out)};
    }
};

const QString kImport = QStringLiteral("import-students");
const QString kVersions = QStringLiteral("versions");

class VersionsCommand : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        ASSERT_EQ(runCli({"new", classPath()}).exitCode, 0);
    }
    QString classPath() const { return path("period1.grs"); }
    // A CSV file of one student.
    QString studentCsv(const QString& name) const {
        return write(name + QStringLiteral(".csv"), "name\n" + name.toUtf8() + "\n");
    }
    CliRun importStudent(const QString& name, const QStringList& environment = {}) const {
        return runCliWith({kImport, classPath(), studentCsv(name)}, environment, {});
    }
};

}  // namespace

TEST_F(ClassSafety, ARestoreOrAConversionNeverWritesOverTheClassItComesFromByAnyName) {
    sample("p.grs", 20, 1);
    sample("p.grs", 25, 2, true);
    const QByteArray live = classBytes(path("p.grs"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("other"));
    ASSERT_TRUE(QFile::link("../p.ATD", path("other/x.ATD")));
    ASSERT_TRUE(hardLink(path("p.SEA"), path("hard.SEA")));
    // Another capitalisation shares the live siblings; links reach them.
    for (const char* out : {"p.GRS", "other/x.grs", "hard.grs"}) {
        expectRefused(restoreFirstVersion("p.grs", out), 1, "it is the same file as");
        EXPECT_FALSE(QFileInfo::exists(path(out))) << out;
        EXPECT_EQ(classBytes(path("p.grs")), live);
    }
    outputOf(restoreFirstVersion("p.grs", "back.grs"));
    EXPECT_EQ(studentsOf(path("back.grs")).size(), 20u);
    EXPECT_EQ(classBytes(path("p.grs")), live);

    // Convert writes a whole class and never one of its own files.
    sample("c.grs", 6, 1);
    sample("d.grs", 9, 2);
    const QByteArray c = classBytes(path("c.grs"));
    const QByteArray d = classBytes(path("d.grs"));
    ASSERT_TRUE(QFile::link(path("c.ATD"), path("l.grs")));
    ASSERT_TRUE(hardLink(path("c.grs"), path("h.grs")));
    struct Case {
        QString out;
        int exitCode;
    };
    const std::vector<Case> refused = {{path("c.grs"), 1},
                                       {dir_.path() + QStringLiteral("/./c.grs"), 1},
                                       {path("h.grs"), 1},
                                       {path("l.grs"), 1},
                                       {path("n.txt"), 2}};
    for (const Case& r : refused) {
        expectRefused({"convert", path("c.grs"), r.out}, r.exitCode);
        EXPECT_EQ(classBytes(path("c.grs")), c);
    }
    EXPECT_FALSE(QFileInfo::exists(path("n.txt")));
    // Over another class: IN's three files as a set, the class replaced kept as a version.
    outputOf({"convert", path("c.grs"), path("d.grs")});
    EXPECT_EQ(classBytes(path("d.grs")), c);
    EXPECT_EQ(outputOf({"versions", path("d.grs")}).count(QLatin1Char('\n')), 1);
    ASSERT_EQ(runCli(restoreFirstVersion("d.grs", "old-d.grs")).exitCode, 0);
    EXPECT_EQ(classBytes(path("old-d.grs")), d);
}

TEST_F(ClassSafety, BytesSkippedByTheReaderAreDroppedOnlyWhenTheTeacherSaysSo) {
    sample("c.grs", 6, 1);
    ASSERT_TRUE(writeWholeFile(path("c.grs"), fileContents(path("c.grs")) + QByteArray(100, 'x')));
    const QByteArray damaged = classBytes(path("c.grs"));
    const QString csv = writeCsv("s", "Ann\n");

    const CliRun refused = runCli({"import-students", path("c.grs"), csv});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("holds 100 bytes after the end of the class")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--drop-skipped")) << refused.err.toStdString();
    EXPECT_EQ(classBytes(path("c.grs")), damaged);

    // Elsewhere nothing is lost: the file stays as it is.
    outputOf({"import-students", path("c.grs"), csv, "-o", path("d.grs")});
    EXPECT_EQ(classBytes(path("c.grs")), damaged);

    outputOf({"import-students", path("c.grs"), csv, "--drop-skipped"});
    EXPECT_FALSE(runCli({"check", path("c.grs")}).out.contains("Warning"));
    EXPECT_TRUE(studentsOf(path("c.grs")).contains("Ann"));
    // The earlier version keeps the file as it was.
    ASSERT_EQ(runCli(restoreFirstVersion("c.grs", "was.grs")).exitCode, 0);
    EXPECT_EQ(classBytes(path("was.grs")), damaged);
}

TEST_F(ClassSafety, EightWritersOfTwoDataFoldersTakeTurnsAndLoseNothing) {
    ASSERT_EQ(runCli({"new", path("c.grs")}).exitCode, 0);
    // One data folder cannot be used at all: its writers keep no versions, but still lock.
    const QStringList dataFolders = {path("data-a"), unwritablePath(dir_.path(), "data-b")};
    std::set<std::string> applied;
    for (int round = 0; round < 10; ++round) {
        std::vector<std::pair<std::unique_ptr<QProcess>, std::string>> writers;
        for (int w = 0; w < 8; ++w) {
            const QString name = QStringLiteral("Pupil %1-%2").arg(round).arg(w);
            auto process = std::make_unique<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("XDG_DATA_HOME", dataFolders[w % 2]);
            process->setProcessEnvironment(env);
            process->start(QStringLiteral(MARKWELL_CLI_PATH),
                           {"import-students", path("c.grs"), writeCsv(name, name.toUtf8() + '\n')});
            writers.emplace_back(std::move(process), name.toStdString());
        }
        for (auto& [process, name] : writers) {
            ASSERT_TRUE(process->waitForFinished(120000));
            const QString err = QString::fromUtf8(process->readAllStandardError());
            if (process->exitCode() == 0) {
                applied.insert(name);
            } else {
                EXPECT_EQ(process->exitCode(), 1);
                EXPECT_TRUE(err.contains("is being changed by another program")) << err.toStdString();
            }
        }
    }
    EXPECT_EQ(studentsOf(path("c.grs")), applied);
    EXPECT_GE(applied.size(), 40u);
}

TEST_F(ClassSafety, WhatKilledWritesLeftIsFinishedOrRemoved) {
    sample("c.grs", 6, 1);
    // A version keeping killed before it was whole; an empty lock of a
    // writer killed before it wrote into it, long ago.
    const QString keeping = classDataFolder(path("c.grs")) + QStringLiteral("/versions/.keeping-99999999-AbCdEf");
    ASSERT_TRUE(QDir().mkpath(keeping));
    QFile lock(path(".c.grs.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-60);
    ASSERT_TRUE(lock.open(QIODevice::Append) && lock.setFileTime(longAgo, QFileDevice::FileModificationTime));
    lock.close();
    outputOf({"set-total", path("c.grs"), "--index=1", "50"});
    EXPECT_FALSE(QFileInfo::exists(keeping));
    EXPECT_FALSE(QFileInfo::exists(path(".c.grs.lock")));

    // A restore to a new name killed before its grade file went in: its
    // siblings alone are there, with the journal. The next write there
    // finishes it first, and the class can be made.
    const QString out = path("out.grs");
    ASSERT_TRUE(
        saveKilledAtRename({{path("out.ATD"), "a"}, {path("out.SEA"), "s"}, {out, "g"}}, saveJournalPath(out), 3));
    ASSERT_TRUE(QFileInfo::exists(path("out.ATD")) && !QFileInfo::exists(out));
    const CliRun made = runCli({"new", out});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.err.contains("the class is as it was before that save")) << made.err.toStdString();
    EXPECT_TRUE(readGradeFile(out).ok());
    QStringList left = filesIn(dir_.path()).filter("out");
    left.sort();
    EXPECT_EQ(left, (QStringList{"out.ATD", "out.SEA", "out.grs"}));
}

TEST_F(ClassSafety, SmallMistakesOfAScriptAreRefused) {
    sample("c.grs", 6, 1);
    const QString first = QString::fromLatin1(readGradeFile(path("c.grs"))->students.front().name);
    ASSERT_EQ(runCli({"set-total", path("c.grs"), "--index=1", "9"}).exitCode, 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.grs"));
    struct Case {
        QStringList args;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {{"versions", path("c.grs"), "--restore= 1", "-o", path("o.grs")}, 2},
        {{"versions", path("c.grs"), "--restore=1 ", "-o", path("o.grs")}, 2},
        {{"versions", path("c.grs"), "--restore=+1", "-o", path("o.grs")}, 2},
        {{"what-if", path("c.grs"), first, "--index=1", "--grade=A\n"}, 2},
        {{"student", path("c.grs"), first, "--output="}, 2},
        {{"merge", path("c.grs"), path("c.grs"), "--output="}, 2},
        {{"set-total", path("c.grs"), "--index=1", "9", "--output="}, 2},
        {{"versions", path("folder.grs")}, 1},
        {{"versions", path("missing.grs")}, 1},
    };
    for (const Case& c : cases) expectRefused(c.args, c.exitCode);
    EXPECT_FALSE(QFileInfo::exists(path("o.grs")));
}

TEST_F(VersionsCommand, ListsTheVersionsKeptNewestFirstAndRestoresOneByteForByteOrRefuses) {
    EXPECT_EQ(runCli({kVersions, classPath()}).out, QString());  // nothing replaced yet

    ASSERT_EQ(importStudent("Ann").exitCode, 0);
    const QByteArray withAnn = classBytes(classPath());
    ASSERT_EQ(importStudent("Bo").exitCode, 0);
    ASSERT_EQ(importStudent("Cy").exitCode, 0);

    const QStringList lines = outputOf({kVersions, classPath()}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QRegularExpression line("^(\\d+)\\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\t(\\d+)\\t0$");
    for (int i = 0; i < 3; ++i) {
        const QRegularExpressionMatch m = line.match(lines[i]);
        ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(m.captured(1).toInt(), 3 - i);  // number
        EXPECT_EQ(m.captured(2).toInt(), 2 - i);  // students
    }

    const QString out = path("with-ann.grs");
    EXPECT_EQ(outputOf({kVersions, classPath(), "--restore", "2", "-o", out}),
              QStringLiteral("Restored version 2 of %1 to %2.\n").arg(classPath(), out));
    EXPECT_EQ(classBytes(out), withAnn);
    EXPECT_EQ(studentsOf(classPath()), (std::set<std::string>{"Ann", "Bo", "Cy"}));

    const QByteArray before = classBytes(classPath());
    const auto restore = [this](const char* number, const QString& to) {
        return QStringList{kVersions, classPath(), "--restore", number, "-o", to};
    };
    expectRefused(restore("7", path("out.grs")), 1, "no earlier version 7");
    EXPECT_FALSE(QFile::exists(path("out.grs")));
    // The class itself is never written over by one of its versions.
    expectRefused(restore("1", classPath()), 1);
    EXPECT_EQ(classBytes(classPath()), before);

    expectRefused(restore("x", path("out.grs")), 2);
    expectRefused({kVersions, classPath(), "--restore", "1"}, 2);
    expectRefused({kVersions, classPath(), "-o", path("o.grs")}, 2);
    expectRefused(restore("1", path("out.xls")), 2);
}

TEST_F(VersionsCommand, ACommandWaitsForAnotherChangeAndThenGivesUpAndSavesWhereNoVersionCanBeKept) {
    // A save where no version can be kept still saves.
    const QString blocked = unwritablePath(dir_.path(), "data");
    const CliRun imported = importStudent("Ann", {QStringLiteral("XDG_DATA_HOME=") + blocked});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(
        imported.err.contains(QStringLiteral("warning: no earlier version of %1 could be kept").arg(classPath())))
        << imported.err.toStdString();
    EXPECT_EQ(studentsOf(classPath()), (std::set<std::string>{"Ann"}));

    // Another program changing the class holds its lock beside it: a
    // command waits for it, gives up with nothing written, and goes on once
    // it is let go.
    auto other = std::make_unique<ClassLock>(classPath(), ClassLock::Kind::Change);
    ASSERT_TRUE(other->take().value());
    ASSERT_TRUE(QFileInfo::exists(path(".period1.grs.lock")));
    const QByteArray before = classBytes(classPath());
    const CliRun refused = importStudent("Cy");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("markwell-cli: %1 is being changed by another program; nothing was written. "
                                          "Try again once it is done.\n")
                               .arg(classPath()));
    EXPECT_EQ(classBytes(classPath()), before);

    // Let go while the next command waits (or before it looks): it goes on.
    QProcess waiting;
    waiting.start(QStringLiteral(MARKWELL_CLI_PATH), {kImport, classPath(), studentCsv("Bo")});
    ASSERT_TRUE(waiting.waitForStarted(30000));
    other.reset();
    ASSERT_TRUE(waiting.waitForFinished(60000));
    EXPECT_EQ(waiting.exitCode(), 0) << waiting.readAllStandardError().toStdString();

    // A class open in a window is no change in progress: scripts go on.
    ClassLock window(classPath(), ClassLock::Kind::Open);
    ASSERT_TRUE(window.take().value());
    EXPECT_EQ(importStudent("Cy").exitCode, 0);
    EXPECT_EQ(studentsOf(classPath()), (std::set<std::string>{"Ann", "Bo", "Cy"}));
}
