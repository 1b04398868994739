// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/cli/CliFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace markwell;
using markwell::test::CliRun;
using Cli = markwell::test::CliFolder;

TEST_F(Cli, SampleThenConvertGivesTheSameBytesAndTheSameSeedTheSameFiles) {
    sample("c.grs", {"--students", "40", "--assignments", "12", "--seats"});
    test::outputOf({"convert", path("c.grs"), path("d.grs")});
    EXPECT_EQ(fileContents(path("c.grs")), fileContents(path("d.grs")));
    EXPECT_EQ(fileContents(path("c.ATD")).size(), 4 * 40 * 140);
    EXPECT_EQ(fileContents(path("c.SEA")).size(), 41 * 232);

    sample("e.grs", {"--students=40", "--assignments=12", "--seed", "1", "--seats"});
    EXPECT_EQ(classBytes(path("c.grs")), classBytes(path("e.grs")));
    sample("f.grs", {"--students=40", "--assignments=12", "--seed=2", "--weighted", "--drop", "overall"});
    EXPECT_NE(fileContents(path("c.grs")), fileContents(path("f.grs")));
    const ClassRecord weighted = read(path("f.grs"));
    EXPECT_TRUE(weighted.weightGrades.enabled);
    EXPECT_EQ(weighted.lowScoreInfo, (DropLowScoreInfo{1, false, false, false, false, false, false}));
}

TEST_F(Cli, CheckSummarisesEachKindOfFileInUtf8) {
    ClassRecord cls = newClassRecord({"Caf\xE9 \x80", 0, ""});  // "Café €" in Windows-1252
    ASSERT_TRUE(writeGradeFile(path("cafe.grs"), cls).ok());
    sample("c.grs", {"--students", "7", "--assignments", "3", "--seats"});
    QFile::rename(path("c.ATD"), path("c.atd"));
    // A trailing partial record is reported, not refused; so is a record no
    // Markwell file holds, with what it means for the class.
    QByteArray cut = fileContents(path("c.SEA"));
    cut.chop(100);
    write("cut.sea", cut);
    QByteArray month13 = fileContents(path("c.atd"));
    month13[140 * 3] = 13;
    write("odd.ATD", month13);
    const struct {
        const char* file;
        std::vector<const char*> said;
    } cases[] = {
        {"c.grs",
         {"Version: 2.0\n", "Students: 7\n", "Assignments: 3\n", "Comments: 7\n",
          "Drop rule: lowest score by assignment type (Quiz, Homework)\n",
          "Weights: off (Final 15, Test 30, Quiz 20, Homework 15, Lab 10, Other 10)\n",
          "Scale: <Default> (standard)\n"}},
        {"c.atd",
         {"Records: 28\n", "Months: September 2026 (7), October 2026 (7), November 2026 (7), December 2026 (7)\n"}},
        {"c.SEA", {"Seats: 7\n"}},
        {"cut.sea", {"Seats: 7\n", "Warning: the file ends inside a record (132 bytes ignored)"}},
        {"odd.ATD", {"Warning: record 4 holds month 13 (the class opens without this file"}},
        {"cafe.grs", {"Scale: Caf\u00e9 \u20ac (expanded; not in this computer's scale store)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString printed = test::outputOf({"check", path(c.file)});
        bool warned = false;
        for (const char* said : c.said) {
            EXPECT_TRUE(printed.contains(QString::fromUtf8(said))) << said << printed.toStdString();
            warned = warned || QByteArray(said).startsWith("Warning");
        }
        EXPECT_EQ(printed.contains("Warning"), warned) << printed.toStdString();
    }
}

TEST_F(Cli, RefusedFilesExitOneAndNameTheFile) {
    sample("c.grs", {"--students", "5", "--assignments", "2"});
    write("cut.GRS", fileContents(path("c.grs")).left(3000));
    test::expectRefused({"check", path("cut.GRS")}, 1, path("cut.GRS") + " is damaged or is not a grade file");

    QByteArray newer = fileContents(path("c.grs"));
    newer.replace(0, 8, QByteArray("\0\0\0\0\0\0\x04\x40", 8));  // 2.5
    write("newer.grs", newer);
    for (const QStringList& args :
         {QStringList{"convert", path("newer.grs"), path("out.grs")}, QStringList{"show", path("newer.grs")},
          QStringList{"export", path("newer.grs"), path("out.csv")}}) {
        const CliRun refused = test::runCli(args);
        EXPECT_EQ(refused.exitCode, 1) << args.front().toStdString();
        EXPECT_EQ(refused.err, "markwell-cli: " + path("newer.grs") + ": Markwell version of file is invalid!\n");
    }
    EXPECT_FALSE(QFile::exists(path("out.grs")));

    test::expectRefused({"check", path("none.SEA")}, 1, path("none.SEA"));
    test::expectRefused({"convert", path("c.grs"), path("no/such/folder/x.grs")}, 1,
                        "Unable to create " + path("no/such/folder/x.grs"));
}

TEST_F(Cli, UsageErrorsExitTwoAndMissingOptionsAreSaidBeforeTheClassIsRead) {
    const std::vector<QStringList> usages = {
        {"check"},
        {"check", path("a.grs"), path("b.grs")},
        {"check", path("notes.txt")},
        {"convert", path("a.grs")},
        {"convert", "--fast", path("a.grs"), path("b.grs")},
        {"sample"},
        {"sample", path("s.grs"), "--students", "lots"},
        {"sample", path("s.grs"), "--students", "-1"},
        {"sample", path("s.grs"), "--drop", "lowest"},
        {"sample", path("s.grs"), "--colour"},
        {"sample", path("s.grs"), "--students=100000", "--assignments=2000"},
    };
    for (const QStringList& args : usages) test::expectRefused(args, 2);
    EXPECT_FALSE(QFile::exists(path("s.grs")));

    // The sibling files replace the last three characters of the name: a
    // name without ".grs" would put them elsewhere, here in a/ as "a/ATD".
    ASSERT_TRUE(QDir(dir_.path()).mkpath("a/b"));
    test::expectRefused({"sample", path("a/b/c")}, 2, ".grs");
    EXPECT_EQ(filesIn(path("a")), QStringList());
    EXPECT_EQ(filesIn(path("a/b")), QStringList());

    // What a command cannot run without is said before its class is read, in
    // the order the command checks it; a class that is not there comes after.
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
    test::expectRefused({"graph", none, "--overall"}, 1, none);
}

// A script reading the exit code must not take lost output for success.
TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo(full).isWritable()) GTEST_SKIP() << "this system has no /dev/full";
    sample("c.grs", {"--students", "300", "--assignments", "20"});
    // A short help, and a table far longer than any output buffer.
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"show", path("c.grs")}}) {
        QProcess process;
        process.setStandardOutputFile(full);
        process.start(QStringLiteral(MARKWELL_CLI_PATH), args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1) << args.join(QLatin1Char(' ')).toStdString();
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains("cannot write the output")) << err.toStdString();
    }
}
