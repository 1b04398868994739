// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The roster operations keep the comments, the point lists and the seats in
// step with the students.

#include "tests/core/grading/GradesFixture.h"

#include "core/data/PointEntry.h"
#include "core/editing/CsvImport.h"
#include "core/editing/StudentEditing.h"
#include "core/editing/Validators.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

using Entries = std::vector<std::string>;

// Ann, MaryAnn and Bo with two assignments, a seat each for Ann and MaryAnn.
ClassRecord annAndMaryAnn() {
    ClassRecord cls = makeClass({"Ann", "MaryAnn", "Bo"},
                                {{"Quiz", "Quiz", 10, {"8", "9", "-"}}, {"Test", "Test", 50, {"40", "45", "30"}}});
    cls.Seats = {{.name = "Ann"}, {.name = "MaryAnn"}};
    return cls;
}

StudentForm formNamed(const char* name, const char* comment = "") {
    StudentForm form;
    form[StudentField::Name] = QString::fromUtf8(name);
    form.comment = QString::fromUtf8(comment);
    return form;
}

std::vector<std::string> commentNames(const ClassRecord& cls) {
    std::vector<std::string> names;
    for (const CommentInfo& c : cls.comments) names.push_back(c.name);
    return names;
}

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

struct Typed {
    const char* typed;
    const char* stored;
};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

TEST(StudentEditing, AddAppendsAZeroEntryToEveryListAndRefusesLikeUpdateWhatCannotBeKept) {
    ClassRecord cls = annAndMaryAnn();
    StudentForm form = formNamed("  Cleo Park ", "Sits at the front.\nLikes maps.");
    form[StudentField::City] = QStringLiteral(" Springfield ");
    const Result<std::size_t> added = addStudent(cls, form);
    ASSERT_TRUE(added.ok()) << added.message().toStdString();
    EXPECT_EQ(*added, 3u);
    EXPECT_EQ(cls.students[3].name, "Cleo Park");
    EXPECT_EQ(cls.students[3].city, "Springfield");
    EXPECT_EQ(cls.comments[3].name, "Cleo Park");
    EXPECT_EQ(cls.comments[3].desc, "Sits at the front.\r\nLikes maps.");
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-", "Cleo Park~0"}));
    EXPECT_EQ(cls.assignments[1].namegrade.back(), "Cleo Park~0");
    cls = annAndMaryAnn();
    const ClassRecord before = cls;
    EXPECT_EQ(addStudent(cls, formNamed("  ")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_FALSE(addStudent(cls, formNamed("Dee~Dee")).ok());
    EXPECT_TRUE(addStudent(cls, formNamed("ann")).message().contains(QStringLiteral("Ann")));
    EXPECT_FALSE(addStudent(cls, formNamed("Dee", std::string(1000, 'x').c_str())).ok());

    // Update checks what Add checks: an empty name, a "~", another's name.
    EXPECT_EQ(updateStudent(cls, 0, formNamed("")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_FALSE(updateStudent(cls, 0, formNamed("A~nn")).ok());
    EXPECT_FALSE(updateStudent(cls, 0, formNamed("MARYANN")).ok());
    EXPECT_FALSE(updateStudent(cls, 7, formNamed("Zed")).ok());
    EXPECT_EQ(cls, before);

    // A student never clashes with their own name, whatever its capitals.
    const auto renamed = updateStudent(cls, 0, formNamed(" ANN "));
    ASSERT_TRUE(renamed.ok());
    EXPECT_EQ(cls.students[0].name, "ANN");
}

TEST(StudentEditing, RenamingAnnTouchesOnlyHerEntriesAndMovingExchangesThemByPosition) {
    ClassRecord cls = annAndMaryAnn();
    const Result<std::optional<StudentRename>> renamed = updateStudent(cls, 0, formNamed("Anne", "new comment"));
    ASSERT_TRUE(renamed.ok());
    ASSERT_TRUE(renamed->has_value());
    EXPECT_EQ(**renamed, (StudentRename{"Ann", "Anne"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8", "MaryAnn~9", "Bo~-"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Anne~40", "MaryAnn~45", "Bo~30"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne", "MaryAnn", "Bo"}));
    EXPECT_EQ(cls.comments[0].desc, "new comment");
    EXPECT_EQ(cls.Seats[0].name, "Anne");
    EXPECT_EQ(cls.Seats[1].name, "MaryAnn");

    // Changing anything but the name is no rename.
    StudentForm form = formNamed("MaryAnn");
    form[StudentField::Id] = QStringLiteral("M-2");
    const auto same = updateStudent(cls, 1, form);
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(same->has_value());
    EXPECT_EQ(cls.students[1].id, "M-2");
    cls = annAndMaryAnn();
    ASSERT_TRUE(moveStudent(cls, 2, MoveDirection::Up));  // Bo up
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "Bo", "MaryAnn"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Ann", "Bo", "MaryAnn"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "Bo~-", "MaryAnn~9"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"Ann~40", "Bo~30", "MaryAnn~45"}));

    EXPECT_FALSE(moveStudent(cls, 0, MoveDirection::Up));
    EXPECT_FALSE(moveStudent(cls, 2, MoveDirection::Down));
    ASSERT_TRUE(moveStudent(cls, 0, MoveDirection::Down));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Ann~8", "MaryAnn~9"}));
}

TEST(StudentEditing, DeletingAnnRemovesHerEntryAndCommentOnlyAndClearLeavesNothing) {
    ClassRecord cls = annAndMaryAnn();
    ASSERT_TRUE(deleteStudent(cls, 0));
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"MaryAnn", "Bo"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"MaryAnn", "Bo"}));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"MaryAnn~9", "Bo~-"}));
    EXPECT_EQ(cls.assignments[1].namegrade, (Entries{"MaryAnn~45", "Bo~30"}));
    EXPECT_FALSE(deleteStudent(cls, 2));
    cls = annAndMaryAnn();
    clearStudents(cls);
    EXPECT_TRUE(cls.students.empty());
    EXPECT_TRUE(cls.comments.empty());
    EXPECT_TRUE(cls.assignments.empty());
}

TEST(StudentEditing, NamesakesKeepTheirOwnEntriesAndShortListsAreNeverReadPastTheirEnd) {
    ClassRecord cls = twoAnns();
    ASSERT_TRUE(deleteStudent(cls, 2));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~1", "Bo~2"}));

    cls = twoAnns();
    ASSERT_TRUE(updateStudent(cls, 2, formNamed("Annie")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~1", "Bo~2", "Annie~3"}));
    cls = annAndMaryAnn();
    cls.assignments[0].namegrade = {"Bo~-", "Ann~8"};  // MaryAnn has no entry, the order is off
    cls.assignments[1].namegrade = {};
    cls.comments.resize(1);

    ASSERT_TRUE(updateStudent(cls, 0, formNamed("Anne")).ok());
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne", "MaryAnn", "Bo"}));

    ASSERT_TRUE(updateStudent(cls, 1, formNamed("Mary")).ok());  // no entry to rename
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));

    ASSERT_TRUE(moveStudent(cls, 0, MoveDirection::Down));  // Anne and Mary: only Anne has an entry
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Bo~-", "Anne~8"}));

    ASSERT_TRUE(deleteStudent(cls, 2));  // Bo, found away from his position
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8"}));
    ASSERT_TRUE(deleteStudent(cls, 0));  // Mary, who has none
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Anne~8"}));
    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Anne"}));
    EXPECT_EQ(commentNames(cls), (std::vector<std::string>{"Anne"}));
}

TEST(StudentEditing, ImportTrimsNamesOnceAndSkipsDuplicatesAndTildes) {
    ClassRecord cls = annAndMaryAnn();
    const std::vector<StudentInfo> others = {namedStudent("  Cleo Park ", "C-3"),
                                             namedStudent("ANN"),      // already in the class
                                             namedStudent("Dee~Dee"),  // cannot be an entry's name
                                             namedStudent("Eve"),
                                             namedStudent(" eve"),  // Eve has just been imported
                                             namedStudent("   ")};

    const StudentImport report = importStudents(cls, others);
    EXPECT_EQ(report.added, (std::vector<std::string>{"Cleo Park", "Eve"}));
    ASSERT_EQ(report.skipped.size(), 4u);
    const QString message = report.message();
    for (const char* name : {"ANN", "Dee~Dee", " eve"}) {
        EXPECT_TRUE(message.contains(QString::fromLatin1(name))) << name;
    }

    EXPECT_EQ(studentNames(cls), (std::vector<std::string>{"Ann", "MaryAnn", "Bo", "Cleo Park", "Eve"}));
    EXPECT_EQ(cls.students[3].id, "C-3");
    EXPECT_EQ(cls.comments[3], (CommentInfo{"Cleo Park", ""}));
    EXPECT_EQ(cls.assignments[0].namegrade[3], "Cleo Park~0");

    // The trimmed name is the one a later Delete looks for.
    ASSERT_TRUE(deleteStudent(cls, 3));
    EXPECT_EQ(cls.assignments[0].namegrade, (Entries{"Ann~8", "MaryAnn~9", "Bo~-", "Eve~0"}));
    EXPECT_TRUE(importStudents(cls, {}).message().isEmpty());
}

// Students and points from CSV tables: all rows or none, every refused row
// named with its line.

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
    cls = annAndBo();
    // The header must name known columns, each once, and the name.
    EXPECT_EQ(importStudentRows(cls, table("name,grade\nCleo,A\n")).size(), 1u);
    EXPECT_EQ(importStudentRows(cls, table("id,city\n1,X\n")).size(), 1u);
    EXPECT_EQ(importStudentRows(cls, table("name,NAME\nCleo,Cleo\n")).size(), 1u);
    EXPECT_EQ(cls, annAndBo());
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

// The checks every editor shares, against tables of texts a teacher types
// or pastes.

TEST(Validators, PointsAreStoredAsTypedAndAnythingElseIsRefusedWithTheGradesPageMessage) {
    for (const Typed& t : {Typed{"17", "17"}, Typed{" 17.5 ", "17.5"}, Typed{".5", ".5"}, Typed{"5.", "5."},
                           Typed{"007", "007"}, Typed{"-", "-"}, Typed{" - ", "-"}, Typed{"", "0"}, Typed{" \t ", "0"},
                           Typed{"123456789012345", "123456789012345"}, Typed{"1234567890.1234", "1234567890.1234"}}) {
        const Result<std::string> points = pointsText(q(t.typed));
        ASSERT_TRUE(points.ok()) << t.typed;
        EXPECT_EQ(*points, t.stored) << t.typed;
    }
    for (const char* bad : {"12-", "-5", "--", "1e5", "1E5", "abc", ".", "1.2.3", "+4", "4,5", "12 5",
                            "1234567890123456", "\xC2\xBD", "\xD9\xA3", "0x10", "inf", "nan"}) {
        const Result<std::string> refused = pointsText(q(bad));
        ASSERT_FALSE(refused.ok()) << bad;
        EXPECT_EQ(refused.message(), notPointsMessage(q(bad).trimmed())) << bad;
    }
}

TEST(Validators, TotalsAreNonNegativeDecimalsAndFieldsFitTheirCapacity) {
    EXPECT_EQ(*totalValue(q("100")), 100);
    EXPECT_EQ(*totalValue(q(" 17.5 ")), 17.5);
    EXPECT_EQ(*totalValue(q("")), 0);
    EXPECT_EQ(*totalValue(q(".5")), 0.5);
    for (const char* bad : {"-", "-10", "1e3", "ten", "1.2.3", ".", "10%", "1234567890123456"}) {
        const Result<double> refused = totalValue(q(bad));
        ASSERT_FALSE(refused.ok()) << bad;
        EXPECT_TRUE(refused.message().contains(q(bad))) << bad;
    }
    // Fields fit their capacity.
    EXPECT_EQ(*fieldText(q(" TX "), 3, q("state")), "TX");
    const Result<std::string> tooLong = fieldText(q("Tex"), 3, q("state"));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.message(), QStringLiteral("The state is 3 characters long; it can hold at most 2."));
}

TEST(Validators, StudentNamesAreTrimmedRefusedWhenTheyCannotBeKeptAndSameWhateverTheirCapitals) {
    EXPECT_EQ(*studentNameText(q("  Ann Lee\t")), "Ann Lee");
    EXPECT_EQ(*studentNameText(q("\x01Zo\xC3\xAB\x02")), "Zo\xEB");  // control characters go, é is one byte
    EXPECT_EQ(*studentNameText(QString(99, QLatin1Char('x'))), std::string(99, 'x'));

    EXPECT_EQ(studentNameText(q("   ")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_EQ(studentNameText(q("")).message(), QStringLiteral("Invalid Student Name!"));
    EXPECT_TRUE(studentNameText(q("Ann~Lee")).message().contains(QStringLiteral("~")));
    EXPECT_TRUE(studentNameText(QString(100, QLatin1Char('x'))).message().contains(QStringLiteral("100")));
    EXPECT_TRUE(studentNameText(q("\xE6\x9D\x8E")).message().contains(q("\xE6\x9D\x8E")));  // no 8-bit byte
    // Names are the same whatever their capitals.
    EXPECT_TRUE(sameStudentName("Ann Lee", "ann LEE"));
    EXPECT_TRUE(sameStudentName("\xC9mile", "\xE9mile"));  // Émile, émile
    EXPECT_FALSE(sameStudentName("Ann", "MaryAnn"));
    EXPECT_FALSE(sameStudentName("Ann", "Ann "));
}

TEST(Validators, ControlCharactersInsideATextAreRefusedNamingTheField) {
    for (const char* inside : {"Ann\nLee", "Ann\r\nLee", "Ann\tLee", "Ann\x07Lee", "Ann\xC2\x85Lee"}) {
        const Result<std::string> name = studentNameText(q(inside));
        ASSERT_FALSE(name.ok()) << inside;
        EXPECT_TRUE(name.message().startsWith(q("The name cannot hold "))) << name.message().toStdString();
        EXPECT_TRUE(name.message().contains(q("Ann")));
        EXPECT_FALSE(fieldText(q(inside), 50, q("city")).ok()) << inside;
    }
    EXPECT_EQ(fieldText(q("Oak\nRidge"), 50, q("city")).message(),
              q("The city cannot hold a line break: \"Oak Ridge\"."));
    EXPECT_EQ(fieldText(q("Oak\tRidge"), 50, q("city")).message(), q("The city cannot hold a tab: \"Oak Ridge\"."));

    // A comment keeps its line breaks, but nothing else of the kind.
    EXPECT_TRUE(multiLineText(q("a\nb"), 50, q("comment"), false).ok());
    const Result<std::string> tab = multiLineText(q("a\tb\nc"), 50, q("comment"), false);
    ASSERT_FALSE(tab.ok());
    EXPECT_TRUE(tab.message().startsWith(q("The comment cannot hold a tab")));
}

TEST(Validators, CommentsCountTheirLineBreaksAsTwoAndAreNeverCut) {
    EXPECT_EQ(notPointsMessage(q("%1%2")).left(32), q("\"%1%2\" is not a number of points"));
    EXPECT_TRUE(notPointsMessage(q("%1")).contains(q("(at most 15 characters)")));
    EXPECT_TRUE(totalValue(q("%2")).message().startsWith(q("\"%2\" is not a number of possible points")));
    EXPECT_TRUE(totalValue(q("%2")).message().contains(q("(at most 15 characters)")));
    EXPECT_EQ(fieldText(q("%1 %2 %3"), 3, q("%2")).message(), q("The %2 is 8 characters long; it can hold at most 2."));
    EXPECT_TRUE(studentNameText(q("%1~%2")).message().endsWith(q("\"%1~%2\".")));
    const QString fits = QString(997, QLatin1Char('a')) + QLatin1Char('\n');  // 997 + CR LF = 999
    const Result<std::string> kept = multiLineText(fits, kCommentLength, q("comment"), false);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept->size(), 999u);
    EXPECT_EQ(kept->substr(997), "\r\n");

    const QString over = QString(998, QLatin1Char('a')) + QLatin1Char('\n');  // 1,000 once stored
    const Result<std::string> refused = multiLineText(over, kCommentLength, q("comment"), false);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("1000"))) << refused.message().toStdString();
    EXPECT_TRUE(refused.message().contains(QStringLiteral("999")));

    // Line breaks of any kind come out as CR LF; blanks are kept unless trimmed.
    EXPECT_EQ(*multiLineText(q(" a\r\nb\rc\n"), 50, q("comment"), false), " a\r\nb\r\nc\r\n");
    EXPECT_EQ(*multiLineText(q(" a\nb \n"), 50, q("description"), true), "a\r\nb");
    EXPECT_EQ(withLf(q("a\r\nb")), q("a\nb"));
}
