// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// A temporary folder for the markwell-cli tests: files written into it, the
// classes there read back, and the shipped examples and checked outputs.

#include "tests/core/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include "core/data/ClassRecord.h"
#include "core/files/GradeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace markwell::test {

// An output checked by hand, kept beside the markwell-cli tests.
inline QString expectedOutput(const QString& name) {
    return QString::fromUtf8(fileContents(QStringLiteral(MARKWELL_SOURCE_DIR "/tests/core/cli/expected/") + name));
}

inline QString exampleFile(const QString& name) {
    return QStringLiteral(MARKWELL_SOURCE_DIR "/examples/") + name;
}

// Runs a command that must be refused with `exitCode`: nothing printed, the
// reason (holding `saying`, when given) on stderr.
inline void expectRefused(const QStringList& args, int exitCode, const QString& saying = {},
                          const QStringList& environment = {}) {
    SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
    const CliRun run = runCli(args, environment);
    EXPECT_EQ(run.exitCode, exitCode) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_TRUE(run.err.contains(saying)) << run.err.toStdString();
}

// Runs a command that must succeed; gives what it printed.
inline QString outputOf(const QStringList& args, const QStringList& environment = {}) {
    const CliRun run = runCli(args, environment);
    EXPECT_EQ(run.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString() << ": " << run.err.toStdString();
    return run.out;
}

// The example classes shipped with the program.
inline QStringList exampleClasses() {
    const QDir examples(QStringLiteral(MARKWELL_SOURCE_DIR "/examples"));
    QStringList files;
    for (const QString& name : examples.entryList({"*.grs"}, QDir::Files)) files << examples.filePath(name);
    return files;
}

// The rows and cells of tab-separated text, as show and show --dropped print.
inline std::vector<QStringList> tsvRows(const QString& text) {
    std::vector<QStringList> rows;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.push_back(line.split(QLatin1Char('\t')));
    return rows;
}

// The student rows of show's table: neither the heading nor the Total row.
inline std::vector<QStringList> shownStudentRows(const QString& grs) {
    std::vector<QStringList> rows = tsvRows(outputOf({"show", grs}));
    if (rows.size() < 2) return {};
    rows.erase(rows.begin());
    rows.pop_back();
    std::erase_if(rows, [](const QStringList& row) { return row.size() < 2 || row.front().isEmpty(); });
    return rows;
}

inline bool hardLink(const QString& existing, const QString& link) {
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
}

class CliFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString path(const char* name) const { return path(QString::fromUtf8(name)); }
    // Writes the file into the folder and gives its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(f.write(bytes), bytes.size());
        return f.fileName();
    }
    // markwell-cli sample NAME with these options.
    void sample(const char* name, const QStringList& options) const {
        const CliRun made = runCli(QStringList{"sample", path(name)} + options);
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }
    // The bytes of a class's grade, attendance and seating files, to see
    // that a refusal wrote none of them.
    static QByteArray classBytes(const QString& grade) {
        QByteArray bytes;
        for (const QString& file : classFilePathsFor(grade)) bytes += fileContents(file) + '|';
        return bytes;
    }
    static ClassRecord read(const QString& grade) {
        Result<ClassRecord> cls = readGradeFile(grade);
        EXPECT_TRUE(cls.ok()) << cls.message().toStdString();
        return cls.ok() ? *std::move(cls) : ClassRecord{};
    }
    // The names of the class's students; none when it cannot be read.
    static std::set<std::string> studentsOf(const QString& grade) {
        std::set<std::string> names;
        if (Result<ClassRecord> cls = readGradeFile(grade)) {
            for (const StudentInfo& s : cls->students) names.insert(s.name);
        }
        return names;
    }

    QTemporaryDir dir_;
};

}  // namespace markwell::test
