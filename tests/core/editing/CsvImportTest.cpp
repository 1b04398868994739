// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Students and points from CSV tables: all rows or none, every refused row
// named with its line.

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/TestFiles.h"

#include "core/editing/CsvImport.h"
#include "core/editing/Validators.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

CsvTable table(const char* csv) {
    Result<CsvTable> parsed = parseCsv(csv);
    EXPECT_TRUE(parsed.ok()) << parsed.message().toStdString();
    return parsed.ok() ? *parsed : CsvTable{};
}

ClassRecord annAndBo() {
    return makeClass({"Ann", "Bo"}, {{"Quiz", "Quiz", 10, {"8", "9"}}});
}

QStringList lines(const std::vector<RowProblem>& problems) {
    QStringList out;
    for (const RowProblem& p : problems) out << QStringLiteral("%1: %2").arg(p.line).arg(p.reason);
    return out;
}

}  // namespace

TEST(CsvImport, StudentsAreAddedInFileOrderAsAddAddsThem) {
    ClassRecord cls = annAndBo();
    const std::vector<RowProblem> problems =
        importStudentRows(cls, table("Name,city,comment,ID\n"
                                     " Cleo Park ,Springfield,\"Front row.\nLikes maps.\",C-3\n"
                                     "Dee,,,\n"));
    ASSERT_TRUE(problems.empty()) << lines(problems).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "Bo", "Cleo Park", "Dee"}));
    EXPECT_EQ(cls.students[2].city, "Springfield");
    EXPECT_EQ(cls.students[2].id, "C-3");
    EXPECT_EQ(cls.comments[2].desc, "Front row.\r\nLikes maps.");
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~8", "Bo~9", "Cleo Park~0", "Dee~0"}));
}

TEST(CsvImport, EveryRefusedRowIsReportedAndNothingIsAdded) {
    ClassRecord cls = annAndBo();
    const ClassRecord before = cls;
    const std::vector<RowProblem> problems = importStudentRows(cls, table("name,state\n"
                                                                          "Cleo,TX\n"          // fine
                                                                          "ann,NY\n"           // already in the class
                                                                          "  ,CA\n"            // empty name
                                                                          "Dee~Dee,OR\n"       // "~"
                                                                          "Eve,Texas\n"        // too long for the state
                                                                          "cleo,WA\n"          // twice in the file
                                                                          "\xE6\x9D\x8E,WA\n"  // no Windows-1252 byte
                                                                          "Fay\n"));           // one field short
    EXPECT_EQ(cls, before);
    const char* reasons[] = {"already in the class", "empty", "~", "state", "line 2", "cannot be stored", "fields"};
    ASSERT_EQ(problems.size(), std::size(reasons)) << lines(problems).join(QLatin1Char('\n')).toStdString();
    for (std::size_t i = 0; i < problems.size(); ++i) {
        EXPECT_EQ(problems[i].line, static_cast<int>(i) + 3);
        EXPECT_TRUE(problems[i].reason.contains(QLatin1String(reasons[i]))) << problems[i].reason.toStdString();
    }
}

TEST(CsvImport, PercentSignsInAnyFieldAreKeptAndQuotedAsWritten) {
    ClassRecord cls = annAndBo();
    const std::vector<RowProblem> fine = importStudentRows(
        cls, table("name,id,street,city,state,zip,mom_name,mom_phone,dad_name,dad_phone,student_email,mom_email,"
                   "dad_email,comment\n"
                   "Cy %1 %2,%1 %2,%1 %2,%1 %2,%1,%1 %2,%1 %2,%1 %2,%1 %2,%1 %2,%1@%2,%1@%2,%1@%2,%1 %2\n"));
    ASSERT_TRUE(fine.empty()) << lines(fine).join(QLatin1Char('\n')).toStdString();
    const StudentInfo& cy = cls.students.back();
    EXPECT_EQ(cy.name, "Cy %1 %2");
    for (const std::string* field :
         {&cy.id, &cy.street, &cy.city, &cy.zip, &cy.mom_name, &cy.mom_phone, &cy.dad_name, &cy.dad_phone}) {
        EXPECT_EQ(*field, "%1 %2");
    }
    EXPECT_EQ(cy.state, "%1");
    EXPECT_EQ(cy.student_email, "%1@%2");
    EXPECT_EQ(cls.comments.back().desc, "%1 %2");

    // Refusals quote the text as written and fill in their own numbers.
    const std::vector<RowProblem> refused = importStudentRows(
        cls, table("name,city\nAnn %1,x\nann %1,%2\ncy %1 %2,y\nDi,%1 %2 %1 %2 %1 %2 %1 %2 %1 %2 %1 %2 %1 %2 %1 %2\n"));
    EXPECT_EQ(lines(refused), (QStringList{"3: \"ann %1\" is also on line 2", "4: \"cy %1 %2\" is already in the class",
                                           "5: The city is 47 characters long; it can hold at most 45."}));
    const std::vector<RowProblem> points =
        setPointRows(cls, 0, table("name,points\nAnn,%1\n%2,3\nCy %1 %2,4\nCy %1 %2,5\n"));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[2].reason, QStringLiteral("there are more rows for \"Cy %1 %2\" than students of that name (1)"));
    EXPECT_EQ(points[0].reason, notPointsMessage(QStringLiteral("%1")));
    EXPECT_TRUE(points[0].reason.contains(QStringLiteral("\"%1\" is not a number of points")));
    EXPECT_TRUE(points[0].reason.contains(QStringLiteral("(at most 15 characters)")));
    EXPECT_TRUE(points[1].reason.contains(QStringLiteral("\"%2\""))) << points[1].reason.toStdString();
}

TEST(CsvImport, ControlCharactersInsideAFieldRefuseTheRow) {
    ClassRecord cls = annAndBo();
    const std::vector<RowProblem> problems =
        importStudentRows(cls, table("name,city,comment\n"
                                     "\"Cleo\nPark\",X,\n"
                                     "Dee,Oak\tRidge,\n"
                                     "Eve,X,\"Line one\nline two\"\n"));  // a comment may have lines
    EXPECT_EQ(lines(problems), (QStringList{"2: The name cannot hold a line break: \"Cleo Park\".",
                                            "4: The city cannot hold a tab: \"Oak Ridge\"."}));
    EXPECT_EQ(cls, annAndBo());
}

TEST(CsvImport, AStudentFileIsReportedAsTheCommandLineReportsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("roster.csv"));
    ASSERT_TRUE(writeWholeFile(path, "name,city\nCleo,X\nann,Y\nDee,Z\n"));
    const Result<std::vector<StudentEntry>> refused = readStudentCsvFile(path, annAndBo());
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), path + QStringLiteral(": line 3: \"ann\" is already in the class\n") + path +
                                     QStringLiteral(": 1 row refused; nothing was written"));

    const Result<std::vector<StudentEntry>> read = readStudentCsvFile(path, makeClass({"Bo"}, {}));
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    ASSERT_EQ(read->size(), 3u);
    EXPECT_EQ(read->at(1).student.name, "ann");
    EXPECT_EQ(read->at(2).student.city, "Z");

    EXPECT_TRUE(readStudentCsvFile(dir.filePath(QStringLiteral("none.csv")), annAndBo())
                    .message()
                    .startsWith(QStringLiteral("Unable to open ")));
    ASSERT_TRUE(writeWholeFile(path, "name\n\"Cleo\n"));
    EXPECT_TRUE(readStudentCsvFile(path, annAndBo()).message().startsWith(path + QStringLiteral(": line 2: ")));
}

TEST(CsvImport, TheHeaderMustNameKnownColumnsOnceAndTheName) {
    ClassRecord cls = annAndBo();
    EXPECT_EQ(importStudentRows(cls, table("name,grade\nCleo,A\n")).size(), 1u);
    EXPECT_EQ(importStudentRows(cls, table("id,city\n1,X\n")).size(), 1u);
    EXPECT_EQ(importStudentRows(cls, table("name,NAME\nCleo,Cleo\n")).size(), 1u);
    EXPECT_EQ(cls, annAndBo());
}

TEST(CsvImport, PointRowsFollowTheStrictRule) {
    ClassRecord cls = annAndBo();
    EXPECT_TRUE(setPointRows(cls, 0, table("points,name\n7.5,Bo\n-,Ann\n")).empty());
    EXPECT_EQ(cls.assignments[0].namegrade, (std::vector<std::string>{"Ann~-", "Bo~7.5"}));

    const ClassRecord before = cls;
    const std::vector<RowProblem> problems = setPointRows(cls, 0, table("name,points\nAnn,12-\nZed,3\nBo\n"));
    EXPECT_EQ(lines(problems).size(), 3);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[2].line, 4);
    EXPECT_EQ(cls, before);
    EXPECT_EQ(setPointRows(cls, 0, table("name,points,extra\nAnn,1,2\n")).size(), 1u);
}
