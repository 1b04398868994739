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
        ASSERT_EQ(runCli({QStringLiteral("new"), in()}).exitCode, 0);
        ASSERT_EQ(runCli({QStringLiteral("new"), path(QStringLiteral("other.grs"))}).exitCode, 0);
        ASSERT_EQ(runCli({QStringLiteral("import-students"), in(), write("s.csv", "name\nAnn\nBo\n")}).exitCode, 0);
        const CliRun added = runCli(
            {QStringLiteral("add-assignment"), in(), QStringLiteral("--title=Quiz"), QStringLiteral("--type=Quiz")});
        ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
        write("more.csv", "name\nCy\n");
        write("p.csv", "name,points\nBo,5\n");
        write("g.csv", "Name,Quiz\nBo,5\n");
    }
    QString in() const { return path(QStringLiteral("in.grs")); }
    QByteArray inFiles() const { return classBytes(in()); }
    std::vector<WritingCommand> writingCommands() const {
        const QString q = QStringLiteral("Quiz");
        return {
            {{QStringLiteral("sort"), in(), QStringLiteral("1")}, true, "grs"},
            {{QStringLiteral("import-students"), in(), path(QStringLiteral("more.csv"))}, true, "grs"},
            {{QStringLiteral("add-assignment"), in(), QStringLiteral("--title=Lab"), QStringLiteral("--type=Lab")},
             true,
             "grs"},
            {{QStringLiteral("set-points"), in(), QStringLiteral("--assignment"), q, path(QStringLiteral("p.csv"))},
             true,
             "grs"},
            {{QStringLiteral("set-total"), in(), QStringLiteral("--index=1"), QStringLiteral("20")}, true, "grs"},
            {{QStringLiteral("import-scores"), in(), path(QStringLiteral("g.csv"))}, true, "grs"},
            {{QStringLiteral("curve"), in(), QStringLiteral("--index=1"), QStringLiteral("--add=2")}, true, "grs"},
            {{QStringLiteral("weights"), in(), QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("50"),
              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
             true,
             "grs"},
            {{QStringLiteral("drop"), in(), QStringLiteral("overall")}, true, "grs"},
            {{QStringLiteral("use-scale"), in(), QStringLiteral("<Default>")}, true, "grs"},
            {{QStringLiteral("versions"), in(), QStringLiteral("--restore"), QStringLiteral("1")}, true, "grs"},
            {{QStringLiteral("new")}, true, "grs"},
            {{QStringLiteral("new"), QStringLiteral("--from"), in()}, true, "grs"},
            {{QStringLiteral("sample"), QStringLiteral("--students=2"), QStringLiteral("--assignments=1")},
             true,
             "grs"},
            {{QStringLiteral("convert"), in()}, true, "grs"},
            {{QStringLiteral("export"), in()}, false, "csv"},
            {{QStringLiteral("merge"), in(), path(QStringLiteral("other.grs"))}, false, "csv"},
            {{QStringLiteral("student"), in(), QStringLiteral("Ann")}, false, "csv"},
            {{QStringLiteral("reports"), in()}, false, "pdf"},
        };
    }
};

}  // namespace

TEST_F(OutputRule, EveryWritingCommandTakesEachSpellingOfTheOutput) {
    // An earlier version for versions --restore: one save in place.
    ASSERT_EQ(runCli({QStringLiteral("drop"), in(), QStringLiteral("none")}).exitCode, 0);
    const QByteArray before = inFiles();
    int n = 0;
    for (const WritingCommand& c : writingCommands()) {
        for (int spelling = 0; spelling < 3; ++spelling) {
            const QString out = path(QStringLiteral("out%1.%2").arg(++n).arg(QLatin1String(c.extension)));
            const QStringList output = spelling == 0   ? QStringList{QStringLiteral("-o"), out}
                                       : spelling == 1 ? QStringList{QStringLiteral("--output=") + out}
                                                       : QStringList{QStringLiteral("--output"), out};
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

TEST_F(OutputRule, ASecondOutputIsRefusedInTheSameWordsEverywhere) {
    const QByteArray before = inFiles();
    for (const WritingCommand& c : writingCommands()) {
        const QString a = path(QStringLiteral("a.") + QLatin1String(c.extension));
        const QString b = path(QStringLiteral("b.") + QLatin1String(c.extension));
        const QStringList args = c.args + QStringList{QStringLiteral("-o"), a, QStringLiteral("--output=") + b};
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(
            QStringLiteral("markwell-cli: %1: only one output file can be given\n").arg(c.args.front())))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(a));
        EXPECT_FALSE(QFileInfo::exists(b));
    }
    EXPECT_EQ(inFiles(), before);
}

TEST_F(OutputRule, AClassGoesOnlyToAGradeFileName) {
    const QByteArray before = inFiles();
    for (const WritingCommand& c : writingCommands()) {
        if (!c.writesClass) continue;
        const QStringList args = c.args + QStringList{QStringLiteral("--output"), path(QStringLiteral("class.txt"))};
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("markwell-cli: %1: the output file must end in .grs, as its .ATD "
                                                      "and .SEA files are named after it\n")
                                           .arg(c.args.front())))
            << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("class.txt"))));
    EXPECT_EQ(inFiles(), before);
}

// new, sample, convert and export name their output last, or with -o: not both.
TEST_F(OutputRule, AnOutputNamedLastOrByOptionButNotBoth) {
    const QString last = path(QStringLiteral("last.grs"));
    const QString option = path(QStringLiteral("option.grs"));
    const CliRun both = runCli({QStringLiteral("new"), last, QStringLiteral("-o"), option});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(both.err.contains(QStringLiteral("new: only one output file can be given"))) << both.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(last) || QFileInfo::exists(option));

    const CliRun made = runCli({QStringLiteral("new"), last});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("Created %1: a new class with the grade scale \"<Default>\".\n").arg(last));
}

TEST_F(OutputRule, EachCommandHelpsWithItsOwnOptions) {
    const CliRun sort = runCli({QStringLiteral("sort"), QStringLiteral("--help")});
    EXPECT_EQ(sort.exitCode, 0);
    EXPECT_TRUE(sort.out.startsWith(QStringLiteral("Usage: markwell-cli sort FILE.grs COLUMN")))
        << sort.out.toStdString();
    EXPECT_TRUE(sort.out.contains(QStringLiteral("--descending")));
    EXPECT_TRUE(sort.out.contains(QStringLiteral("-o, --output OUT.grs")));

    const CliRun show = runCli({QStringLiteral("show"), QStringLiteral("--help")});
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_TRUE(show.out.contains(QStringLiteral("--dropped")));
    EXPECT_FALSE(show.out.contains(QStringLiteral("--output"))) << "show writes no file";
}

TEST_F(OutputRule, UsageErrorsSayTheCommandsUsage) {
    const CliRun twice = runCli({QStringLiteral("sort"), in(), QStringLiteral("1"), QStringLiteral("--descending"),
                                 QStringLiteral("--descending")});
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_EQ(twice.err, QStringLiteral("markwell-cli: sort: --descending given twice\n"
                                        "markwell-cli: usage: markwell-cli sort FILE.grs COLUMN [--descending] "
                                        "[-o OUT.grs]\n"));
    const CliRun few = runCli({QStringLiteral("weights"), in(), QStringLiteral("50")});
    EXPECT_EQ(few.exitCode, 2);
    EXPECT_TRUE(
        few.err.startsWith(QStringLiteral("markwell-cli: weights: expected 7 argument(s) besides the options\n")))
        << few.err.toStdString();
}
