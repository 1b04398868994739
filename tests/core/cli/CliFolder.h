// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// A temporary folder for the markwell-cli tests: files written into it, the
// classes there read back, and the shipped examples and checked outputs.

#include "tests/core/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include "core/data/ClassRecord.h"
#include "core/files/GradeFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <unistd.h>

namespace markwell::test {

// An output checked by hand, kept beside the markwell-cli tests.
inline QString expectedOutput(const QString& name) {
    return QString::fromUtf8(fileContents(QStringLiteral(MARKWELL_SOURCE_DIR "/tests/core/cli/expected/") + name));
}

inline QString exampleFile(const QString& name) {
    return QStringLiteral(MARKWELL_SOURCE_DIR "/examples/") + name;
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
