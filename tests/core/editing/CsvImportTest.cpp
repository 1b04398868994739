// Students and points from CSV tables: all rows or none, every refused row
// named with its line.

#include "core/grading/GradesFixture.h"

#include "editing/CsvImport.h"

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
    const std::vector<RowProblem> problems = importStudentRows(
        cls, table("Name,city,comment,ID\n"
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
    const std::vector<RowProblem> problems = importStudentRows(
        cls, table("name,state\n"
                   "Cleo,TX\n"      // fine
                   "ann,NY\n"       // already in the class
                   "  ,CA\n"        // empty name
                   "Dee~Dee,OR\n"   // "~"
                   "Eve,Texas\n"    // too long for the state
                   "cleo,WA\n"      // twice in the file
                   "\xE6\x9D\x8E,WA\n"  // no Windows-1252 byte
                   "Fay\n"));       // one field short
    EXPECT_EQ(cls, before);
    ASSERT_EQ(problems.size(), 7u) << lines(problems).join(QLatin1Char('\n')).toStdString();
    std::vector<int> refusedLines;
    for (const RowProblem& p : problems) refusedLines.push_back(p.line);
    EXPECT_EQ(refusedLines, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(problems[0].reason.contains(QStringLiteral("already in the class")));
    EXPECT_TRUE(problems[1].reason.contains(QStringLiteral("empty")));
    EXPECT_TRUE(problems[2].reason.contains(QStringLiteral("~")));
    EXPECT_TRUE(problems[3].reason.contains(QStringLiteral("state")));
    EXPECT_TRUE(problems[4].reason.contains(QStringLiteral("line 2")));
    EXPECT_TRUE(problems[5].reason.contains(QStringLiteral("cannot be stored")));
    EXPECT_TRUE(problems[6].reason.contains(QStringLiteral("fields")));
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
