// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/cli/CliFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace markwell;
using markwell::test::CliRun;
using Cli = markwell::test::CliFolder;

TEST_F(Cli, SampleThenConvertGivesTheSameBytesAndTheSameSeedTheSameFiles) {
    const CliRun made =
        test::runCli({QStringLiteral("sample"), path("c.grs"), QStringLiteral("--students"), QStringLiteral("40"),
                      QStringLiteral("--assignments"), QStringLiteral("12"), QStringLiteral("--seats")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    ASSERT_EQ(test::runCli({QStringLiteral("convert"), path("c.grs"), path("d.grs")}).exitCode, 0);
    EXPECT_EQ(fileContents(path("c.grs")), fileContents(path("d.grs")));
    EXPECT_EQ(fileContents(path("c.ATD")).size(), 4 * 40 * 140);
    EXPECT_EQ(fileContents(path("c.SEA")).size(), 41 * 232);

    ASSERT_EQ(test::runCli({QStringLiteral("sample"), path("e.grs"), QStringLiteral("--students=40"),
                            QStringLiteral("--assignments=12"), QStringLiteral("--seed"), QStringLiteral("1"),
                            QStringLiteral("--seats")})
                  .exitCode,
              0);
    EXPECT_EQ(fileContents(path("c.grs")), fileContents(path("e.grs")));
    EXPECT_EQ(fileContents(path("c.ATD")), fileContents(path("e.ATD")));
    EXPECT_EQ(fileContents(path("c.SEA")), fileContents(path("e.SEA")));
    ASSERT_EQ(test::runCli({QStringLiteral("sample"), path("f.grs"), QStringLiteral("--students=40"),
                            QStringLiteral("--assignments=12"), QStringLiteral("--seed=2"),
                            QStringLiteral("--weighted"), QStringLiteral("--drop"), QStringLiteral("overall")})
                  .exitCode,
              0);
    EXPECT_NE(fileContents(path("c.grs")), fileContents(path("f.grs")));
    const Result<ClassRecord> weighted = readGradeFile(path("f.grs"));
    ASSERT_TRUE(weighted.ok());
    EXPECT_TRUE(weighted->weightGrades.enabled);
    EXPECT_EQ(weighted->lowScoreInfo, (DropLowScoreInfo{1, false, false, false, false, false, false}));
}

TEST_F(Cli, CheckSummarisesEachKindOfFile) {
    ASSERT_EQ(test::runCli({QStringLiteral("sample"), path("c.grs"), QStringLiteral("--students"), QStringLiteral("7"),
                            QStringLiteral("--assignments"), QStringLiteral("3"), QStringLiteral("--seats")})
                  .exitCode,
              0);
    const CliRun grades = test::runCli({QStringLiteral("check"), path("c.grs")});
    EXPECT_EQ(grades.exitCode, 0);
    for (const char* expected : {"Version: 2.0\n", "Students: 7\n", "Assignments: 3\n", "Comments: 7\n",
                                 "Drop rule: lowest score by assignment type (Quiz, Homework)\n",
                                 "Weights: off (Final 15, Test 30, Quiz 20, Homework 15, Lab 10, Other 10)\n",
                                 "Scale: <Default> (standard)\n"}) {
        EXPECT_TRUE(grades.out.contains(QString::fromUtf8(expected))) << expected << grades.out.toStdString();
    }
    QFile::rename(path("c.ATD"), path("c.atd"));
    const CliRun attendance = test::runCli({QStringLiteral("check"), path("c.atd")});
    EXPECT_EQ(attendance.exitCode, 0);
    EXPECT_TRUE(attendance.out.contains(QStringLiteral("Records: 28\n"))) << attendance.out.toStdString();
    EXPECT_TRUE(attendance.out.contains(
        QStringLiteral("Months: September 2026 (7), October 2026 (7), November 2026 (7), December 2026 (7)\n")));
    const CliRun seating = test::runCli({QStringLiteral("check"), path("c.SEA")});
    EXPECT_EQ(seating.exitCode, 0);
    EXPECT_TRUE(seating.out.contains(QStringLiteral("Seats: 7\n"))) << seating.out.toStdString();

    // A trailing partial record is reported, not refused.
    QByteArray cut = fileContents(path("c.SEA"));
    cut.chop(100);
    write("cut.sea", cut);
    const CliRun partial = test::runCli({QStringLiteral("check"), path("cut.sea")});
    EXPECT_EQ(partial.exitCode, 0);
    EXPECT_TRUE(partial.out.contains(QStringLiteral("Seats: 7\n")));
    EXPECT_TRUE(partial.out.contains(QStringLiteral("Warning: the file ends inside a record (132 bytes ignored)")))
        << partial.out.toStdString();

    // A record no Markwell file holds is summarised, with what it means for the class.
    QByteArray month13 = fileContents(path("c.atd"));
    month13[140 * 3] = 13;
    write("odd.ATD", month13);
    const CliRun damaged = test::runCli({QStringLiteral("check"), path("odd.ATD")});
    EXPECT_EQ(damaged.exitCode, 0);
    EXPECT_TRUE(
        damaged.out.contains(QStringLiteral("Warning: record 4 holds month 13 (the class opens without this file")))
        << damaged.out.toStdString();
    EXPECT_FALSE(attendance.out.contains(QStringLiteral("Warning")));
}

TEST_F(Cli, RefusedFilesExitOneAndNameTheFile) {
    ASSERT_EQ(test::runCli({QStringLiteral("sample"), path("c.grs"), QStringLiteral("--students"), QStringLiteral("5"),
                            QStringLiteral("--assignments"), QStringLiteral("2")})
                  .exitCode,
              0);
    write("cut.GRS", fileContents(path("c.grs")).left(3000));
    const CliRun cut = test::runCli({QStringLiteral("check"), path("cut.GRS")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_TRUE(cut.err.contains(path("cut.GRS") + QStringLiteral(" is damaged or is not a grade file")))
        << cut.err.toStdString();
    EXPECT_TRUE(cut.out.isEmpty());

    QByteArray newer = fileContents(path("c.grs"));
    newer.replace(0, 8, QByteArray("\0\0\0\0\0\0\x04\x40", 8));  // 2.5
    write("newer.grs", newer);
    const CliRun refused = test::runCli({QStringLiteral("convert"), path("newer.grs"), path("out.grs")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("markwell-cli: ") + path("newer.grs") +
                               QStringLiteral(": Markwell version of file is invalid!\n"));
    EXPECT_FALSE(QFile::exists(path("out.grs")));
    for (const char* command : {"show", "export"}) {
        QStringList args{QString::fromLatin1(command), path("newer.grs")};
        if (args[0] == QLatin1String("export")) args << path("out.csv");
        const CliRun newerRun = test::runCli(args);
        EXPECT_EQ(newerRun.exitCode, 1) << command;
        EXPECT_EQ(newerRun.err, refused.err) << command;
    }

    const CliRun missing = test::runCli({QStringLiteral("check"), path("none.SEA")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(path("none.SEA")));

    const CliRun unwritable = test::runCli({QStringLiteral("convert"), path("c.grs"), path("no/such/folder/x.grs")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("Unable to create ") + path("no/such/folder/x.grs")));
}

TEST_F(Cli, UsageErrorsExitTwo) {
    const std::vector<QStringList> usages = {
        {QStringLiteral("check")},
        {QStringLiteral("check"), path("a.grs"), path("b.grs")},
        {QStringLiteral("check"), path("notes.txt")},
        {QStringLiteral("convert"), path("a.grs")},
        {QStringLiteral("convert"), QStringLiteral("--fast"), path("a.grs"), path("b.grs")},
        {QStringLiteral("sample")},
        {QStringLiteral("sample"), path("s.grs"), QStringLiteral("--students"), QStringLiteral("lots")},
        {QStringLiteral("sample"), path("s.grs"), QStringLiteral("--students"), QStringLiteral("-1")},
        {QStringLiteral("sample"), path("s.grs"), QStringLiteral("--drop"), QStringLiteral("lowest")},
        {QStringLiteral("sample"), path("s.grs"), QStringLiteral("--colour")},
        {QStringLiteral("sample"), path("s.grs"), QStringLiteral("--students=100000"),
         QStringLiteral("--assignments=2000")},
    };
    for (const QStringList& args : usages) {
        const CliRun run = test::runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path("s.grs")));

    // The sibling files replace the last three characters of the name: a
    // name without ".grs" would put them elsewhere, here in a/ as "a/ATD".
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("a/b")));
    const CliRun noExtension = test::runCli({QStringLiteral("sample"), path("a/b/c")});
    EXPECT_EQ(noExtension.exitCode, 2);
    EXPECT_TRUE(noExtension.err.contains(QStringLiteral(".grs"))) << noExtension.err.toStdString();
    EXPECT_EQ(filesIn(path("a")), QStringList());
    EXPECT_EQ(filesIn(path("a/b")), QStringList());
}

// What a command cannot run without is said before its class is read, in
// the order the command checks it; a class that is not there comes after.
TEST_F(Cli, MissingOptionsAreSaidBeforeTheClassIsRead) {
    const QString none = path("none.grs");
    const struct {
        QStringList args;
        const char* problem;
    } cases[] = {
        {{"attendance", none, "--year", "2026"}, "attendance: give --year and --student"},
        {{"what-if", none, "Ann", "--index", "x"}, "what-if: --index takes a number (1 is the first assignment)"},
        {{"what-if", none, "Ann", "--index", "1"}, "what-if: --grade LETTER is needed"},
        {{"set-total", none, "5"}, "set-total: name the assignment with either --assignment TITLE or --index K"},
        {{"add-assignment", none, "--title", "T"}, "add-assignment: --title and --type are needed"},
        {{"send-reports", none, "--from", "a@b.org"}, "send-reports: give --smtp HOST[:PORT] or --save-messages DIR"},
        {{"send-reports", none, "--smtp", "mail"}, "send-reports: give --from ADDRESS"},
        {{"reports", none}, "reports: give -o OUT.pdf (or -o FOLDER with --per-student)"},
        {{"graph", none, "--overall", "--student", "Ann"},
         "graph: choose one of --student NAME, --assignment TITLE, --index N, --overall"},
        {{"stats", none, "--overall"}, "stats: --overall is for --grouping"},
    };
    for (const auto& c : cases) {
        const CliRun run = test::runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.problem;
        EXPECT_EQ(run.err,
                  QStringLiteral("markwell-cli: %1 (see markwell-cli --help)\n").arg(QLatin1String(c.problem)));
    }
    const CliRun met = test::runCli({QStringLiteral("graph"), none, QStringLiteral("--overall")});
    EXPECT_EQ(met.exitCode, 1);
    EXPECT_TRUE(met.err.contains(none)) << met.err.toStdString();
}

TEST_F(Cli, TextIsPrintedAsUtf8) {
    ClassRecord cls = newClassRecord({"Caf\xE9 \x80", 0, ""});  // "Café €" in Windows-1252
    ASSERT_TRUE(writeGradeFile(path("cafe.grs"), cls).ok());
    const CliRun run = test::runCli({QStringLiteral("check"), path("cafe.grs")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("Scale: Caf\u00e9 \u20ac (expanded; not in this computer's scale store)")))
        << run.out.toStdString();
}

// A script reading the exit code must not take lost output for success.
TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo(full).isWritable()) GTEST_SKIP() << "this system has no /dev/full";
    ASSERT_EQ(test::runCli({QStringLiteral("sample"), path("c.grs"), QStringLiteral("--students"),
                            QStringLiteral("300"), QStringLiteral("--assignments"), QStringLiteral("20")})
                  .exitCode,
              0);
    // A short help, and a table far longer than any output buffer.
    for (const QStringList& args :
         {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("show"), path("c.grs")}}) {
        QProcess process;
        process.setStandardOutputFile(full);
        process.start(QStringLiteral(MARKWELL_CLI_PATH), args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1) << args.join(QLatin1Char(' ')).toStdString();
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("cannot write the output"))) << err.toStdString();
    }
}
