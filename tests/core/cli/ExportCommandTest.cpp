// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli export: the files it writes open in independent readers with
// the content markwell-cli show prints for the same class; the grades
// printout holds every name (or ID) and every average show prints.

#include "tests/core/cli/CliFolder.h"
#include "tests/core/export/SpreadsheetReader.h"

#include "core/common/Cp1252.h"
#include "core/files/GradeFile.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace markwell;
using namespace markwell::test;
using markwell::testing::havePdfToText;
using markwell::testing::pdfText;

namespace {

// Every cell a reader found equals what show prints: the same text (show
// keeps letters padded with spaces as the screen does; the file has them
// without), or a number equal to the number show prints, or nothing where
// show prints nothing.
void expectSameAsShown(const QJsonObject& json, const std::vector<QStringList>& shown) {
    const QJsonArray rows = json["cells"].toArray();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(shown.size()));
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const QJsonArray cells = rows[static_cast<qsizetype>(r)].toArray();
        for (qsizetype c = 0; c < shown[r].size(); ++c) {
            SCOPED_TRACE(::testing::Message() << "row " << r + 1 << " column " << c + 1);
            const QString& text = shown[r][c];
            const QJsonArray cell = c < cells.size() ? cells[c].toArray() : QJsonArray{};
            const QString kind = cell.isEmpty() ? QStringLiteral("empty") : cell[0].toString();
            if (kind == QStringLiteral("number")) {
                bool isNumber = false;
                EXPECT_EQ(cell[1].toDouble(), text.toDouble(&isNumber));
                EXPECT_TRUE(isNumber) << qPrintable(text);
            } else if (kind == QStringLiteral("text")) {
                EXPECT_EQ(cell[1].toString(), text.trimmed());
            } else {
                EXPECT_EQ(text, QString()) << qPrintable(kind);
            }
        }
    }
}

// The classes to export: the examples kept with the source, and a generated
// sample with dropped scores.
QStringList gradeFiles(const QTemporaryDir& dir) {
    QStringList files = exampleClasses();
    const SampleOptions options{.students = 40, .assignments = 15, .seed = 11};
    const QString sample = dir.filePath("sample class.grs");
    // Letters of two characters, which the screen pads ("A ", " B+").
    const Result<CurrentGradeScale> scale =
        gradeScaleOf(StoredScale{"Plus", ScaleKind::Expanded, defaultRanges(ScaleKind::Expanded)});
    EXPECT_TRUE(scale.ok());
    EXPECT_TRUE(writeGradeFile(sample, makeSampleClass(options, scale.ok() ? *scale : CurrentGradeScale{})).ok());
    files.append(sample);
    return files;
}

}  // namespace

TEST(ExportCommand, WritesFilesTheReadersSeeAsShowPrintsThem) {
    QTemporaryDir dir;
    for (const QString& grs : gradeFiles(dir)) {
        SCOPED_TRACE(qPrintable(grs));
        const std::vector<QStringList> shown = tsvRows(outputOf({"show", grs}));
        ASSERT_GT(shown.size(), 3u);
        const bool paddedLetter = std::any_of(shown.begin(), shown.end(), [](const QStringList& row) {
            return row.last().size() == 2 && row.last() != row.last().trimmed();
        });
        EXPECT_TRUE(paddedLetter || !grs.endsWith(QLatin1String("sample class.grs"))) << "show pads letters";

        for (const QString& type : {QStringLiteral("xls"), QStringLiteral("xlsx"), QStringLiteral("csv")}) {
            SCOPED_TRACE(qPrintable(type));
            const QString out = dir.filePath(QStringLiteral("grades.") + type);
            const CliRun exported = runCli({"export", grs, out});
            ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.err);
            EXPECT_EQ(exported.out, QString());
            EXPECT_EQ(exported.err, QString());
            READ_SPREADSHEET_OR_SKIP(read, QStringLiteral("read_") + type + QStringLiteral(".py"), out);
            EXPECT_EQ(read.json["log"].toString(), QString());
            EXPECT_TRUE(read.json["problems"].toArray().isEmpty());
            expectSameAsShown(read.json, shown);
        }
    }
}

TEST(ExportCommand, TheXlsFileShowsTheHeadingAndTheDroppedScoresAsTheGradesPageDoesAndWhatCannotBeWrittenIsRefused) {
    QTemporaryDir dir;
    const QString grs = gradeFiles(dir).last();
    // What cannot be written is refused.
    const QString noFolder = dir.filePath("no such folder/t");
    const struct {
        QStringList args;
        int exitCode;
        QString saying;
    } cases[] = {
        {{"export", grs, dir.filePath("t.ods")}, 1, "must end in .xls, .xlsx, .csv or .pdf"},
        {{"export", grs, noFolder + ".PDF"}, 1, "Unable to create " + noFolder + ".PDF"},
        {{"export", grs, noFolder + ".xls"}, 1, "Unable to create " + noFolder + ".xls"},
        {{"export", dir.filePath("none.grs"), dir.filePath("t.xls")}, 1, {}},
        {{"export", grs}, 2, {}},
        {{"export", grs, dir.filePath("t.xls"), "--ids"}, 2, {}},
        {{"export", grs, dir.filePath("t.xls"), "--fast"}, 2, {}},
    };
    for (const auto& c : cases) expectRefused(c.args, c.exitCode, c.saying);
    EXPECT_EQ(QDir(dir.path()).entryList({"t.*"}, QDir::Files), QStringList());

    const std::vector<QStringList> cells = tsvRows(outputOf({"show", grs, "--dropped"}));
    ASSERT_FALSE(cells.empty()) << "the sample class drops no score";

    const QString out = dir.filePath("grades.xls");
    ASSERT_EQ(runCli({"export", grs, out}).exitCode, 0);
    READ_SPREADSHEET_OR_SKIP(read, "read_xls.py", out);
    const QJsonObject heading = formatAt(read.json, 1, 2);
    EXPECT_TRUE(heading["font"].toObject()["bold"].toBool());
    EXPECT_EQ(heading["font"].toObject()["colour"].toString(), "FFFFFF");
    EXPECT_EQ(heading["fill"].toObject()["colour"].toString(), "000080");
    for (const QStringList& cell : cells) {
        ASSERT_EQ(cell.size(), 3);
        const QJsonObject format = formatAt(read.json, cell[0].toInt(), cell[1].toInt());
        EXPECT_EQ(format["font"].toObject()["colour"].toString(), "FF0000")
            << "dropped cell " << qPrintable(cell.join(u','));
    }
}

TEST(ExportPdf, ThePrintoutHoldsEveryNameAndAverageOrTheIdsInPlaceOfNames) {
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

    // With --ids, IDs take the place of names.
    const QString grs = exampleClasses().front();
    const Result<ClassRecord> cls = readGradeFile(grs);
    ASSERT_TRUE(cls.ok());
    const QString pdf = dir.filePath("ids.pdf");
    outputOf({"export", grs, pdf, "--ids"});
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Student ID's"));
    for (const StudentInfo& student : cls->students) {
        EXPECT_TRUE(text.contains(cp1252::toUnicode(student.id))) << student.id;
        EXPECT_FALSE(text.contains(cp1252::toUnicode(student.name))) << student.name;
    }
}
