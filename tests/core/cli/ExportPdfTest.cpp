// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli export to PDF: the grades printout holds every name (or ID)
// and every average that show prints for the class.

#include "tests/core/cli/CliFolder.h"

#include "core/common/Cp1252.h"
#include "core/files/GradeFile.h"
#include "tests/support/PdfText.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfText;

TEST(ExportPdf, ThePrintoutHoldsEveryNameAndAverage) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    ASSERT_FALSE(exampleClasses().isEmpty());
    for (const QString& grs : exampleClasses()) {
        SCOPED_TRACE(grs.toStdString());
        const QString pdf = dir.filePath(QFileInfo(grs).baseName() + QStringLiteral(".pdf"));
        const CliRun exported = runCli({"export", grs, pdf});
        ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.err);
        EXPECT_EQ(exported.err, QString());

        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QFileInfo(grs).absoluteFilePath()));  // the header names the class file
        const std::vector<QStringList> students = shownStudentRows(grs);
        ASSERT_GE(students.size(), 5u);
        for (const QStringList& row : students) {
            const QString& average = row.at(row.size() - 2);
            EXPECT_TRUE(text.contains(row.front())) << qPrintable(row.front());
            EXPECT_TRUE(average.endsWith(QLatin1Char('%'))) << qPrintable(average);
            EXPECT_TRUE(text.contains(average)) << qPrintable(average);
        }
    }
}

TEST(ExportPdf, IdsTakeThePlaceOfNames) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString grs = exampleClasses().front();
    const Result<ClassRecord> cls = readGradeFile(grs);
    ASSERT_TRUE(cls.ok());
    const QString pdf = dir.filePath("ids.pdf");
    const CliRun exported = runCli({"export", grs, pdf, "--ids"});
    ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.err);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Student ID's"));
    for (const StudentInfo& student : cls->students) {
        EXPECT_TRUE(text.contains(cp1252::toUnicode(student.id))) << student.id;
        EXPECT_FALSE(text.contains(cp1252::toUnicode(student.name))) << student.name;
    }
}
