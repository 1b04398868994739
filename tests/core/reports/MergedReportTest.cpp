// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The merged report of two grade files: reading both as Open does, joining
// the students by name, the sums, averages and grades, and the files it
// refuses.

#include "core/reports/MergedReport.h"
#include "tests/support/TestFiles.h"

#include "core/files/GradeFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"
#include "tests/core/grading/GradesFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace markwell;
using namespace markwell::test;

namespace {

class MergedReportTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.createDefaultScale()); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const ClassRecord& cls) const {
        QString file = path(name);
        EXPECT_TRUE(writeGradeFile(file, cls));
        return file;
    }
    MergedReport merge(const ClassRecord& a, const ClassRecord& b) {
        Result<MergedReport> report =
            openMergedReport(write(QStringLiteral("a.grs"), a), write(QStringLiteral("b.grs"), b), store_);
        EXPECT_TRUE(report) << (report ? std::string() : report.message().toStdString());
        return report ? std::move(report).value() : MergedReport{};
    }
    QString refusal(const QString& first, const QString& second) {
        Result<MergedReport> report = openMergedReport(first, second, store_);
        return report ? QStringLiteral("(merged)") : report.message();
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("Grades.ini"))};
    ScaleStore store_{settings_};
};

QStringList nameColumn(const Sheet& sheet) {
    QStringList names;
    for (int row = 2; row <= sheet.maxRow(); ++row) names << sheet.text(row, kMergedNameCol);
    return names;
}

ClassRecord firstTerm() {
    return makeClass({"Ann", "Bo"}, {{"Test 1", "Test", 100, {"90", "70"}}, {"Quiz 1", "Quiz", 10, {"8", "-"}}});
}

ClassRecord secondTerm() {
    return makeClass({"ann", "Ann", "Cy"}, {{"Final", "Final", 50, {"40", "45", "30"}}});
}

}  // namespace

TEST_F(MergedReportTest, OneRowPerNameWithPointsOfBothFiles) {
    const MergedReport report = merge(firstTerm(), secondTerm());
    // Ann: 90 + 8 + 45 of 160 = 89.375; Bo leaves out the Quiz he has "-" on;
    // "ann" is another student: letter case counts.
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Ann|143|160|89.38%|B",
                                                    "Bo|70|100|70.00%|C", "ann|40|50|80.00%|B", "Cy|30|50|60.00%|D"}));
    EXPECT_EQ(report.sheet.kind(2, kMergedPointsCol), CellKind::Number);
    EXPECT_EQ(report.sheet.kind(2, kMergedTotalCol), CellKind::Number);
}

TEST_F(MergedReportTest, MarksThatCountNothingAddNeitherPointsNorTotal) {
    // "-", an empty mark and a text that is no number (only foreign files hold
    // the last two) all count like "-"; a total of 0 gives 0.00% and "-".
    ClassRecord a = makeClass({"Dee", "Eve", "Fay"}, {{"Lab", "Lab", 20, {"-", "", "ten"}}});
    ClassRecord b = makeClass({"Fay", "Gus"}, {{"Bonus", "Other", 0, {"4", "5"}}});
    const MergedReport report = merge(a, b);
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Dee|0|0|0.00%|-",
                                                    "Eve|0|0|0.00%|-", "Fay|4|0|0.00%|-", "Gus|5|0|0.00%|-"}));
}

TEST_F(MergedReportTest, EntriesGoToTheFirstRowOfTheirNameAndStrayEntriesAreLeftOut) {
    ClassRecord a = makeClass({"Ann", "Ann"}, {{"Test", "Test", 10, {"6", "8"}}});
    // An entry for nobody on the roster (a damaged list) changes nothing.
    a.assignments[0].namegrade.push_back("Zed~10");
    const MergedReport report = merge(a, makeClass({}, {}));
    EXPECT_EQ(tableText(report.sheet), (QStringList{"Names|Points|Total|Average|Grade", "Ann|14|20|70.00%|C"}));
}

TEST_F(MergedReportTest, NoStudentsInEitherFileLeavesTheHeadingRowAlone) {
    MergedReport report = merge(makeClass({}, {{"Test", "Test", 10, {}}}), makeClass({}, {}));
    EXPECT_EQ(tableText(report.sheet), QStringList{"Names|Points|Total|Average|Grade"});
    EXPECT_TRUE(report.sheet.format(1, 3).font.bold);
    EXPECT_EQ(report.sheet.format(1, 3).fill.foreground, colour::kNavy);
    EXPECT_FALSE(sortMergedSheet(report, 2, false));
}

TEST_F(MergedReportTest, GradesWithTheFirstFilesScaleAsTheStoreHasIt) {
    // The first file carries an old copy of "<Default>" (A from 95); Open takes
    // the store's (A from 90). The second file's scale is used for nothing.
    ClassRecord a = makeClass({"Ann"}, {{"Test", "Test", 100, {"91"}}});
    a.gradeScale.num_values = "95,100,85,94.9,75,84.9,65,74.9,0,64.9";
    ClassRecord b = makeClass({"Bo"}, {{"Test", "Test", 100, {"75"}}});
    b.gradeScale = passFailScale();
    MergedReport report = merge(a, b);
    EXPECT_EQ(report.sheet.text(2, kMergedGradeCol), QStringLiteral("A"));
    EXPECT_EQ(report.sheet.text(3, kMergedGradeCol), QStringLiteral("C"));

    // Another scale regrades the report alone.
    const ClassRecord before = report.first;
    report.scale = passFailScale();
    regradeMergedSheet(report);
    EXPECT_EQ(report.sheet.text(2, kMergedGradeCol), QStringLiteral("Pass"));
    EXPECT_EQ(report.sheet.text(3, kMergedGradeCol), QStringLiteral("Pass"));
    EXPECT_EQ(report.first, before);
    EXPECT_EQ(report.sheet.text(2, kMergedAverageCol), QStringLiteral("91.00%"));
}

TEST_F(MergedReportTest, TakesTheLookOfTheFirstFile) {
    ClassRecord a = makeClass({"Ann"}, {{"Test", "Test", 10, {"9"}}});
    a.gridProps.font_name = "Courier New";
    a.gridProps.font_size = 12;
    a.gridProps.font_style = fontstyle::kItalic;
    a.gridProps.grid_lines = true;
    ClassRecord b = makeClass({"Bo"}, {{"Test", "Test", 10, {"9"}}});
    b.gridProps.font_name = "Times New Roman";
    b.gridProps.grid_lines = false;
    const MergedReport report = merge(a, b);
    EXPECT_EQ(report.sheet.format(3, 1).font.name, QStringLiteral("Courier New"));
    EXPECT_TRUE(report.sheet.format(3, 4).font.italic);
    EXPECT_EQ(report.sheet.format(3, 4).alignment.horizontal, HAlign::Center);
    EXPECT_EQ(report.sheet.format(1, 1).font.color, colour::kWhite);
    EXPECT_TRUE(report.sheet.showGridLines());
}

TEST_F(MergedReportTest, SortsStudentRowsByValueAndGradesByTheScalesLetters) {
    MergedReport report = merge(firstTerm(), secondTerm());
    ASSERT_TRUE(sortMergedSheet(report, kMergedGradeCol, false));
    EXPECT_EQ(nameColumn(report.sheet).join(QLatin1Char(',')), QStringLiteral("Ann,ann,Bo,Cy"));
    ASSERT_TRUE(sortMergedSheet(report, kMergedPointsCol, true));
    EXPECT_EQ(report.sheet.text(1, 1), QStringLiteral("Names"));
    EXPECT_EQ(nameColumn(report.sheet).join(QLatin1Char(',')), QStringLiteral("Ann,Bo,ann,Cy"));
    EXPECT_FALSE(sortMergedSheet(report, 6, false));
}

TEST_F(MergedReportTest, PrintsWithIdsOfTheFirstFileBeforeTheSecond) {
    ClassRecord a = firstTerm();
    a.students[0].id = "A-1";  // Ann; Bo has no ID
    ClassRecord b = secondTerm();
    b.students[1].id = "B-9";  // Ann again: the first file's wins
    b.students[2].id = "C-3";
    const QString first = write(QStringLiteral("T&1.grs"), a);
    const QString second = write(QStringLiteral("t2.grs"), b);
    Result<MergedReport> report = openMergedReport(first, second, store_);
    ASSERT_TRUE(report);

    const Sheet names = mergedPrintCopy(*report, false);
    EXPECT_EQ(names.text(2, 1), QStringLiteral("Ann"));
    const QString title = QStringLiteral("Merged Files: ") + first + QStringLiteral(", ") + second;
    EXPECT_EQ(names.print().title, title);
    QString escaped = title;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    EXPECT_EQ(names.print().header, QStringLiteral("&L") + escaped + QStringLiteral("&R&D"));

    const Sheet ids = mergedPrintCopy(*report, true);
    QStringList column;
    for (int row = 1; row <= ids.maxRow(); ++row) column << ids.text(row, 1);
    EXPECT_EQ(column, (QStringList{"Student ID's", "A-1", "(no ID)", "(no ID)", "C-3"}));
    EXPECT_EQ(report->sheet.text(2, 1), QStringLiteral("Ann"));  // the report itself keeps its names
}

TEST_F(MergedReportTest, GridLinesOfThePrintoutFollowTheReport) {
    MergedReport report = merge(firstTerm(), secondTerm());
    report.sheet.setShowGridLines(true);
    EXPECT_TRUE(mergedPrintCopy(report, false).print().gridLines);
    report.sheet.setShowGridLines(false);
    EXPECT_FALSE(mergedPrintCopy(report, true).print().gridLines);
}

TEST_F(MergedReportTest, RefusesTwoNamesOfTheSameFile) {
    const QString file = write(QStringLiteral("a.grs"), firstTerm());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    const QString viaParent = path(QStringLiteral("sub/../a.grs"));
    const QString link = path(QStringLiteral("link.grs"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(refusal(file, file), QStringLiteral("Unable to merge the same file!"));
    EXPECT_EQ(refusal(file, viaParent), QStringLiteral("Unable to merge the same file!"));
    EXPECT_EQ(refusal(link, file), QStringLiteral("Unable to merge the same file!"));
}

TEST_F(MergedReportTest, RefusesAMissingDamagedOrNewerFileNamingItAndCreatesNothing) {
    const QString good = write(QStringLiteral("good.grs"), firstTerm());
    const QString missing = path(QStringLiteral("missing.grs"));
    QString message = refusal(good, missing);
    EXPECT_TRUE(message.contains(missing)) << message.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    const QByteArray bytes = fileContents(good);
    const QString cut = path(QStringLiteral("cut.grs"));
    ASSERT_TRUE(writeWholeFile(cut, bytes.left(bytes.size() - 40)));
    message = refusal(cut, good);
    EXPECT_TRUE(message.contains(cut)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("damaged"))) << message.toStdString();

    QByteArray newer = bytes;
    const double version = 2.5;
    std::memcpy(newer.data(), &version, sizeof version);  // the header starts with the version
    const QString future = path(QStringLiteral("future.grs"));
    ASSERT_TRUE(writeWholeFile(future, newer));
    message = refusal(good, future);
    EXPECT_EQ(message, future + QStringLiteral(": Markwell version of file is invalid!"));
}
