// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The one output rule of markwell-cli: every command that writes a file
// takes it as -o OUT, --output=OUT or --output OUT; a class goes with its
// .ATD and .SEA files and needs a .grs name; a second output is refused with
// the same words by every command, and nothing is written. What it writes
// never destroys what it reads: an output that is the class (or a sibling or
// an input) by another name is refused; every format writes through a link
// the same way; sample leaves an existing class alone unless told; a
// file-size limit is a reported failure.

#include "tests/core/cli/CliFolder.h"

#include "core/document/DocumentFiles.h"
#include "core/files/FileTypes.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace markwell;
using namespace markwell::test;

namespace {

// A command that writes, with its arguments but the output.
struct WritingCommand {
    QStringList args;
    bool writesClass;
    const char* extension;  // of its output
};

class OutputRule : public CliFolder {
protected:
    void SetUp() override {
        CliFolder::SetUp();
        ASSERT_EQ(runCli({"new", in()}).exitCode, 0);
        ASSERT_EQ(runCli({"new", path("other.grs")}).exitCode, 0);
        ASSERT_EQ(runCli({"import-students", in(), write("s.csv", "name\nAnn\nBo\n")}).exitCode, 0);
        outputOf({"add-assignment", in(), "--title=Quiz", "--type=Quiz"});
        write("more.csv", "name\nCy\n");
        write("p.csv", "name,points\nBo,5\n");
        write("g.csv", "Name,Quiz\nBo,5\n");
    }
    QString in() const { return path("in.grs"); }
    QByteArray inFiles() const { return classBytes(in()); }
    std::vector<WritingCommand> writingCommands() const {
        return {
            {{"sort", in(), "1"}, true, "grs"},
            {{"import-students", in(), path("more.csv")}, true, "grs"},
            {{"add-assignment", in(), "--title=Lab", "--type=Lab"}, true, "grs"},
            {{"set-points", in(), "--assignment", "Quiz", path("p.csv")}, true, "grs"},
            {{"set-total", in(), "--index=1", "20"}, true, "grs"},
            {{"import-scores", in(), path("g.csv")}, true, "grs"},
            {{"curve", in(), "--index=1", "--add=2"}, true, "grs"},
            {{"weights", in(), "0", "50", "50", "0", "0", "0"}, true, "grs"},
            {{"drop", in(), "overall"}, true, "grs"},
            {{"use-scale", in(), "<Default>"}, true, "grs"},
            {{"versions", in(), "--restore", "1"}, true, "grs"},
            {{"new"}, true, "grs"},
            {{"new", "--from", in()}, true, "grs"},
            {{"sample", "--students=2", "--assignments=1"}, true, "grs"},
            {{"convert", in()}, true, "grs"},
            {{"export", in()}, false, "csv"},
            {{"merge", in(), path("other.grs")}, false, "csv"},
            {{"student", in(), "Ann"}, false, "csv"},
            {{"reports", in()}, false, "pdf"},
        };
    }
};

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

TEST_F(OutputRule, EveryWritingCommandTakesEachSpellingOfTheOutput) {
    // An earlier version for versions --restore: one save in place.
    ASSERT_EQ(runCli({"drop", in(), "none"}).exitCode, 0);
    const QByteArray before = inFiles();
    int n = 0;
    for (const WritingCommand& c : writingCommands()) {
        for (int spelling = 0; spelling < 3; ++spelling) {
            const QString out = path(QStringLiteral("out%1.%2").arg(++n).arg(QLatin1String(c.extension)));
            const QStringList output = spelling == 0   ? QStringList{"-o", out}
                                       : spelling == 1 ? QStringList{QStringLiteral("--output=") + out}
                                                       : QStringList{"--output", out};
            const QStringList args = c.args + output;
            SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
            outputOf(args);
            EXPECT_TRUE(QFileInfo::exists(out));
            if (c.writesClass) {
                EXPECT_TRUE(readGradeFile(out).ok());
                EXPECT_TRUE(QFileInfo::exists(attendancePathFor(out)));
                EXPECT_TRUE(QFileInfo::exists(seatingPathFor(out)));
            }
            // The output went elsewhere: the class it was made from is as it was.
            EXPECT_EQ(inFiles(), before);
        }
    }
}

TEST_F(OutputRule, ASecondOutputOrAClassOutsideAGradeFileIsRefusedInTheSameWordsEverywhere) {
    const QByteArray before = inFiles();
    for (const WritingCommand& c : writingCommands()) {
        const QString a = path(QStringLiteral("a.") + QLatin1String(c.extension));
        const QString b = path(QStringLiteral("b.") + QLatin1String(c.extension));
        std::vector<std::pair<QStringList, QString>> refusals = {
            {{"-o", a, QStringLiteral("--output=") + b}, "only one output file can be given\n"}};
        if (c.writesClass) {
            refusals.push_back({{"--output", path("class.txt")},
                                "the output file must end in .grs, as its .ATD and .SEA files are named after it\n"});
        }
        for (const auto& [output, error] : refusals) {
            const QStringList args = c.args + output;
            SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
            const CliRun run = runCli(args);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("markwell-cli: %1: ").arg(c.args.front()) + error))
                << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
        }
        EXPECT_FALSE(QFileInfo::exists(a) || QFileInfo::exists(b));
    }
    EXPECT_FALSE(QFileInfo::exists(path("class.txt")));
    EXPECT_EQ(inFiles(), before);

    // new, sample, convert and export name their output last, or with -o: not both.
    expectRefused({"new", path("last.grs"), "-o", path("option.grs")}, 2, "new: only one output file can be given");
    EXPECT_FALSE(QFileInfo::exists(path("last.grs")) || QFileInfo::exists(path("option.grs")));
}

TEST_F(OutputRule, EachCommandHelpsWithItsOwnOptionsAndSaysItsUsage) {
    const QString sort = outputOf({"sort", "--help"});
    EXPECT_TRUE(sort.startsWith("Usage: markwell-cli sort FILE.grs COLUMN")) << sort.toStdString();
    EXPECT_TRUE(sort.contains("--descending"));
    EXPECT_TRUE(sort.contains("-o, --output OUT.grs"));

    const QString show = outputOf({"show", "--help"});
    EXPECT_TRUE(show.contains("--dropped"));
    EXPECT_FALSE(show.contains("--output")) << "show writes no file";

    const CliRun twice = runCli({"sort", in(), "1", "--descending", "--descending"});
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_EQ(twice.err, QStringLiteral("markwell-cli: sort: --descending given twice\n"
                                        "markwell-cli: usage: markwell-cli sort FILE.grs COLUMN [--descending] "
                                        "[-o OUT.grs]\n"));
    const CliRun few = runCli({"weights", in(), "50"});
    EXPECT_EQ(few.exitCode, 2);
    EXPECT_TRUE(few.err.startsWith("markwell-cli: weights: expected 7 argument(s) besides the options\n"))
        << few.err.toStdString();
}

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

    // A class saved over its own CSV input is refused too.
    const QString points = write("p.csv", "name,points\n" + firstStudent_.toLatin1() + ",5\n");
    const QString students = write("s.csv", "name\nNew Pupil\n");
    ASSERT_TRUE(QFile::link(points, path("p.grs")));
    ASSERT_TRUE(hardLink(students, path("s.ATD")));
    expectRefused({"set-points", path("c.grs"), "--index=1", points, "-o", path("p.grs")}, 1,
                  QStringLiteral("it is the same file as %1").arg(points));
    expectRefused({"import-students", path("c.grs"), students, "-o", path("s.grs")}, 1,
                  QStringLiteral("it is the same file as %1").arg(students));
    EXPECT_EQ(fileContents(points), "name,points\n" + firstStudent_.toLatin1() + ",5\n");
    EXPECT_EQ(fileContents(students), QByteArray("name\nNew Pupil\n"));
    EXPECT_FALSE(QFile::exists(path("s.grs")));
    EXPECT_EQ(classBytes(path("c.grs")) + classBytes(path("d.grs")), before);
}

TEST_F(OutputSafety, EveryFormatWritesThroughALinkSampleLeavesAClassAloneAndAFileSizeLimitIsAFailure) {
    for (const char* suffix : {"csv", "xls", "xlsx", "pdf"}) {
        SCOPED_TRACE(suffix);
        const QString link = dir_.filePath(QStringLiteral("out.%1").arg(QLatin1String(suffix)));
        QFile::remove(link);
        const QString real = write("kept.txt", "old");
        ASSERT_TRUE(QFile::link(real, link));
        outputOf({"export", path("c.grs"), link});
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_GT(fileContents(real).size(), 3);
    }

    // Any one of the three files is somebody's work: sample leaves it alone unless forced.
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

    // A file-size limit is a reported write failure.
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
