// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli and the safety net of a class: every command that replaces a
// class keeps the old one as an earlier version, `versions` lists and
// restores them, and commands changing one class take turns.

#include "tests/core/cli/CliFolder.h"

#include "core/document/ClassLock.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using namespace markwell;
using namespace markwell::test;

namespace {

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

TEST_F(VersionsCommand, ListsTheVersionsKeptNewestFirstAndRestoresOneByteForByte) {
    EXPECT_EQ(runCli({kVersions, classPath()}).out, QString());  // nothing replaced yet

    ASSERT_EQ(importStudent("Ann").exitCode, 0);
    const QByteArray withAnn = classBytes(classPath());
    ASSERT_EQ(importStudent("Bo").exitCode, 0);
    ASSERT_EQ(importStudent("Cy").exitCode, 0);

    const QString listed = outputOf({kVersions, classPath()});
    const QStringList lines = listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
}

TEST_F(VersionsCommand, RefusesWhatItCannotRestore) {
    ASSERT_EQ(importStudent("Ann").exitCode, 0);
    const QByteArray before = classBytes(classPath());
    const auto restore = [this](const char* number, const QString& out) {
        return QStringList{kVersions, classPath(), "--restore", number, "-o", out};
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

TEST_F(VersionsCommand, ASaveWhereNoVersionCanBeKeptStillSaves) {
    const QString blocked = unwritablePath(dir_.path(), "data");
    const CliRun imported = importStudent("Ann", {QStringLiteral("XDG_DATA_HOME=") + blocked});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(
        imported.err.contains(QStringLiteral("warning: no earlier version of %1 could be kept").arg(classPath())))
        << imported.err.toStdString();
    EXPECT_EQ(studentsOf(classPath()), (std::set<std::string>{"Ann"}));
}

TEST_F(VersionsCommand, ACommandWaitsForAnotherChangeAndThenGivesUp) {
    // Another program changing the class holds its lock beside it: a
    // command waits for it, gives up with nothing written, and goes on once
    // it is let go.
    auto other = std::make_unique<ClassLock>(classPath(), ClassLock::Kind::Change);
    ASSERT_TRUE(other->take().value());
    ASSERT_TRUE(QFileInfo::exists(path(".period1.grs.lock")));
    const QByteArray before = classBytes(classPath());
    const CliRun refused = importStudent("Ann");
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
    EXPECT_EQ(importStudent("Ann").exitCode, 0);
    EXPECT_EQ(studentsOf(classPath()), (std::set<std::string>{"Ann", "Bo"}));
}
