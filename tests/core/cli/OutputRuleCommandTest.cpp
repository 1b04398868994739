// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The one output rule of markwell-cli: every command that writes a file
// takes it as -o OUT, --output=OUT or --output OUT; a class goes with its
// .ATD and .SEA files and needs a .grs name; a second output is refused with
// the same words by every command, and nothing is written.

#include "tests/core/cli/CliFolder.h"

#include "core/document/DocumentFiles.h"
#include "core/files/FileTypes.h"

#include <QFileInfo>

#include <gtest/gtest.h>

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
        const CliRun added = runCli({"add-assignment", in(), "--title=Quiz", "--type=Quiz"});
        ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
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
            const CliRun run = runCli(args);
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
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
}

// new, sample, convert and export name their output last, or with -o: not both.
TEST_F(OutputRule, AnOutputNamedLastOrByOptionButNotBoth) {
    const QString last = path("last.grs");
    const QString option = path("option.grs");
    expectRefused({"new", last, "-o", option}, 2, "new: only one output file can be given");
    EXPECT_FALSE(QFileInfo::exists(last) || QFileInfo::exists(option));

    EXPECT_EQ(outputOf({"new", last}),
              QStringLiteral("Created %1: a new class with the grade scale \"<Default>\".\n").arg(last));
}

TEST_F(OutputRule, EachCommandHelpsWithItsOwnOptions) {
    const CliRun sort = runCli({"sort", "--help"});
    EXPECT_EQ(sort.exitCode, 0);
    EXPECT_TRUE(sort.out.startsWith("Usage: markwell-cli sort FILE.grs COLUMN")) << sort.out.toStdString();
    EXPECT_TRUE(sort.out.contains("--descending"));
    EXPECT_TRUE(sort.out.contains("-o, --output OUT.grs"));

    const CliRun show = runCli({"show", "--help"});
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_TRUE(show.out.contains("--dropped"));
    EXPECT_FALSE(show.out.contains("--output")) << "show writes no file";
}

TEST_F(OutputRule, UsageErrorsSayTheCommandsUsage) {
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
