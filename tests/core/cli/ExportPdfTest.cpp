// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli export to PDF: the grades printout holds every name (or ID)
// and every average that show prints for the class.

#include "tests/core/cli/CliRunner.h"

#include "core/common/Cp1252.h"
#include "core/files/GradeFile.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::pdfText;

namespace {

// Column `col` (from the right when negative) of the student rows of show's table.
QStringList shownColumn(const QString& shown, int col) {
    QStringList lines = shown.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList values;
    // Row 1 is the heading; the last two are the separator (empty, dropped by the split) and Total.
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.size() < 2 || cells.front().isEmpty()) continue;
        values << cells.at(col >= 0 ? col : cells.size() + col);
    }
    return values;
}

QStringList exampleClasses() {
    const QDir examples(QStringLiteral(MARKWELL_SOURCE_DIR "/examples"));
    QStringList files;
    for (const QString& name : examples.entryList({QStringLiteral("*.grs")}, QDir::Files))
        files << examples.filePath(name);
    return files;
}

}  // namespace

TEST(ExportPdf, ThePrintoutHoldsEveryNameAndAverage) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    ASSERT_FALSE(exampleClasses().isEmpty());
    for (const QString& grs : exampleClasses()) {
        SCOPED_TRACE(grs.toStdString());
        const CliRun shown = runCli({QStringLiteral("show"), grs});
        ASSERT_EQ(shown.exitCode, 0) << qPrintable(shown.err);
        const QString pdf = dir.filePath(QFileInfo(grs).baseName() + QStringLiteral(".pdf"));
        const CliRun exported = runCli({QStringLiteral("export"), grs, pdf});
        ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.err);
        EXPECT_EQ(exported.err, QString());

        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QFileInfo(grs).absoluteFilePath()));  // the header names the class file
        const QStringList names = shownColumn(shown.out, 0);
        const QStringList averages = shownColumn(shown.out, -2);
        ASSERT_GE(names.size(), 5);
        for (const QString& name : names) EXPECT_TRUE(text.contains(name)) << qPrintable(name);
        for (const QString& average : averages) {
            EXPECT_TRUE(average.endsWith(QLatin1Char('%'))) << qPrintable(average);
            EXPECT_TRUE(text.contains(average)) << qPrintable(average);
        }
    }
}

TEST(ExportPdf, IdsTakeThePlaceOfNames) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString grs = exampleClasses().front();
    const Result<ClassRecord> cls = readGradeFile(grs);
    ASSERT_TRUE(cls.ok());
    const QString pdf = dir.filePath(QStringLiteral("ids.pdf"));
    const CliRun exported = runCli({QStringLiteral("export"), grs, pdf, QStringLiteral("--ids")});
    ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.err);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Student ID's")));
    for (const StudentInfo& student : cls->students) {
        EXPECT_TRUE(text.contains(cp1252::toUnicode(student.id))) << student.id;
        EXPECT_FALSE(text.contains(cp1252::toUnicode(student.name))) << student.name;
    }
}
