// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What markwell-cli writes never destroys what it reads: an output that is the
// class (or a sibling or an input) by another name is refused; every format
// writes through a link the same way; sample leaves an existing class alone
// unless told; a file-size limit is a reported failure.

#include "tests/core/cli/CliFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace markwell;
using namespace markwell::test;

namespace {

class OutputSafety : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        for (const char* name : {"c.grs", "d.grs"}) sample(name, {"--students=6", "--assignments=3", "--seats"});
        firstStudent_ = QString::fromLatin1(read(path("c.grs")).students.at(0).name);
    }

    QString firstStudent_;
};

}  // namespace

TEST_F(OutputSafety, AnOutputThatIsTheClassOrASiblingOrAnInputIsRefused) {
    const QByteArray before = classBytes(path("c.grs")) + classBytes(path("d.grs"));
    struct Case {
        const char* output;
        const char* linkedTo;
        QStringList args;
    };
    const std::vector<Case> cases = {
        {"x.csv", "c.grs", {"student", path("c.grs"), firstStudent_, "-o", path("x.csv")}},
        {"x.csv", "c.grs", {"export", path("c.grs"), path("x.csv")}},
        {"x.xls", "c.ATD", {"export", path("c.grs"), path("x.xls")}},
        {"x.xlsx", "c.grs", {"export", path("c.grs"), path("x.xlsx")}},
        {"x.pdf", "c.SEA", {"export", path("c.grs"), path("x.pdf")}},
        {"x.pdf", "c.grs", {"export", path("c.grs"), path("x.pdf"), "--seating"}},
        {"x.csv", "d.grs", {"merge", path("c.grs"), path("d.grs"), "-o", path("x.csv")}},
        {"x.xlsx", "d.ATD", {"merge", path("c.grs"), path("d.grs"), "-o", path("x.xlsx")}},
    };
    for (const Case& c : cases) {
        for (const bool symbolic : {true, false}) {
            SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString() +
                         (symbolic ? " (symbolic link)" : " (hard link)"));
            QFile::remove(path(c.output));
            ASSERT_TRUE(symbolic ? QFile::link(path(c.linkedTo), path(c.output))
                                 : hardLink(path(c.linkedTo), path(c.output)));
            const CliRun run = runCli(c.args);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(
                run.err.contains(QStringLiteral("Unable to create %1: it is the same file as ").arg(path(c.output))))
                << run.err.toStdString();
            EXPECT_EQ(QFileInfo(path(c.output)).isSymLink(), symbolic);
            EXPECT_EQ(classBytes(path("c.grs")) + classBytes(path("d.grs")), before);
        }
    }
}

TEST_F(OutputSafety, AClassSavedOverItsOwnCsvInputIsRefused) {
    const QString points = write("p.csv", "name,points\n" + firstStudent_.toLatin1() + ",5\n");
    const QString students = write("s.csv", "name\nNew Pupil\n");
    ASSERT_TRUE(QFile::link(points, path("p.grs")));
    ASSERT_TRUE(hardLink(students, path("s.ATD")));
    const QByteArray before = classBytes(path("c.grs"));
    expectRefused({"set-points", path("c.grs"), "--index=1", points, "-o", path("p.grs")}, 1,
                  QStringLiteral("it is the same file as %1").arg(points));
    expectRefused({"import-students", path("c.grs"), students, "-o", path("s.grs")}, 1,
                  QStringLiteral("it is the same file as %1").arg(students));
    EXPECT_EQ(fileContents(points), "name,points\n" + firstStudent_.toLatin1() + ",5\n");
    EXPECT_EQ(fileContents(students), QByteArray("name\nNew Pupil\n"));
    EXPECT_FALSE(QFile::exists(path("s.grs")));
    EXPECT_EQ(classBytes(path("c.grs")), before);
}

TEST_F(OutputSafety, EveryFormatWritesThroughALinkToTheFileItNames) {
    for (const char* suffix : {"csv", "xls", "xlsx", "pdf"}) {
        SCOPED_TRACE(suffix);
        const QString link = dir_.filePath(QStringLiteral("out.%1").arg(QLatin1String(suffix)));
        QFile::remove(link);
        const QString real = write("kept.txt", "old");
        ASSERT_TRUE(QFile::link(real, link));
        const CliRun run = runCli({"export", path("c.grs"), link});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_GT(fileContents(real).size(), 3);
    }
}

TEST_F(OutputSafety, SampleLeavesAnExistingClassAloneUnlessForced) {
    // Any one of the three files is somebody's work.
    for (const char* existing : {"e.grs", "e.ATD", "e.SEA"}) {
        SCOPED_TRACE(existing);
        for (const char* name : {"e.grs", "e.ATD", "e.SEA"}) QFile::remove(path(name));
        write(existing, "work");
        expectRefused({"sample", path("e.grs"), "--students=3"}, 1,
                      QStringLiteral("sample: %1 exists already; add --force to replace it\n").arg(path(existing)));
        EXPECT_EQ(fileContents(path(existing)), QByteArray("work"));
    }
    sample("c.grs", {"--students=3", "--force"});
    EXPECT_EQ(readGradeFile(path("c.grs"))->students.size(), 3u);
}

TEST_F(OutputSafety, AFileSizeLimitIsAReportedWriteFailure) {
    QProcess process;
    process.setChildProcessModifier([] {
        // As a shell's ulimit -f leaves it: the signal in its default state.
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{16384, 16384};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(MARKWELL_CLI_PATH), {"sample", path("big.grs"), "--students=300", "--assignments=40"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.contains("Unable to create ") && err.contains("File too large")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(path("big.grs")));
    EXPECT_EQ(filesIn(dir_.path()).filter("big"), QStringList{});
}
