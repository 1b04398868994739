#include "document/ClassFiles.h"
#include "files/GradeFile.h"
#include "files/SeatingFile.h"
#include "scales/ScaleStore.h"
#include "settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

ClassRecord oneStudent(const char* name) {
    ClassRecord cls;
    StudentInfo s;
    s.name = name;
    cls.students.push_back(s);
    cls.comments.push_back({name, ""});
    SeatingInfo seat;
    seat.name = name;
    cls.Seats.push_back(seat);
    return cls;
}

AttendanceInfo record(const char* name, int month, int year, char mark) {
    AttendanceInfo r;
    r.Month = month;
    r.Year = year;
    r.name = name;
    r.entry[0] = mark;
    return r;
}

AttendanceMonth monthOf(const char* name, int month, int year, char mark) {
    AttendanceMonth m;
    m.month = month;
    m.year = year;
    m.names = {name};
    DayMarks marks;
    marks.fill(' ');
    marks[1] = mark;
    m.marks = {marks};
    return m;
}

}  // namespace

TEST(ClassFiles, PlansFollowWhereTheClassComesFromAndGoesTo) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.grs"));
    const QString b = dir.filePath(QStringLiteral("b.grs"));
    EXPECT_TRUE(planSave({}, a, std::nullopt).startAttendanceEmpty);

    SavePlan same = planSave(a, a, std::nullopt);
    EXPECT_FALSE(same.startAttendanceEmpty);
    EXPECT_TRUE(same.carryAttendanceFrom.isEmpty());
    // The same file named another way is still the same file.
    EXPECT_TRUE(isSameFile(a, dir.path() + QStringLiteral("/./a.grs")));
    EXPECT_FALSE(isSameFile(a, b));

    // Moving to a new name: the old attendance goes along when there is one.
    EXPECT_TRUE(planSave(a, b, std::nullopt).startAttendanceEmpty);
    QFile atd(dir.filePath(QStringLiteral("a.ATD")));
    ASSERT_TRUE(atd.open(QIODevice::WriteOnly));
    atd.close();
    const SavePlan move = planSave(a, b, std::nullopt);
    EXPECT_FALSE(move.startAttendanceEmpty);
    EXPECT_EQ(move.carryAttendanceFrom, dir.filePath(QStringLiteral("a.ATD")));
}

TEST(ClassFiles, SavingWritesThreeFilesAndMergesTheMonthIntoTheAttendance) {
    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("old.grs"));
    ASSERT_TRUE(writeAttendanceFile(attendancePathFor(oldPath), {record("Ann", 1, 2024, 'T'), record("Ann", 2, 2024, 'E')}).ok());

    const QString newPath = dir.filePath(QStringLiteral("new.grs"));
    const ClassRecord cls = oneStudent("Ann");
    ASSERT_TRUE(saveClassFiles(cls, planSave(oldPath, newPath, monthOf("Ann", 2, 2024, 'U'))).ok());
    const Result<AttendanceFile> atd = readAttendanceFile(attendancePathFor(newPath));
    ASSERT_TRUE(atd.ok());
    ASSERT_EQ(atd->records.size(), 2u);  // January carried, February replaced in place
    EXPECT_EQ(atd->records[0].entry[0], 'T');
    EXPECT_EQ(atd->records[1].entry[0], ' ');
    EXPECT_EQ(atd->records[1].entry[1], 'U');
    EXPECT_EQ(readGradeFile(newPath)->students[0].name, "Ann");
    EXPECT_EQ(readSeatingFile(seatingPathFor(newPath))->seats.size(), 1u);
    // The old attendance file is untouched.
    EXPECT_EQ(readAttendanceFile(attendancePathFor(oldPath))->records[1].entry[0], 'E');

    // An untitled class saved over an old class's files starts its attendance afresh.
    ASSERT_TRUE(saveClassFiles(oneStudent("Bo"), planSave({}, oldPath, std::nullopt)).ok());
    EXPECT_TRUE(readAttendanceFile(attendancePathFor(oldPath))->records.empty());
}

TEST(ClassFiles, OpeningReadsEveryFileBeforeAnythingIsUsed) {
    QTemporaryDir dir;
    QSettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
    ScaleStore scales(settings);
    const QString path = dir.filePath(QStringLiteral("c.grs"));
    ClassRecord cls = oneStudent("Ann");
    cls.Seats[0].left = 123;
    ASSERT_TRUE(saveClassFiles(cls, planSave({}, path, std::nullopt)).ok());
    const Result<ClassRecord> opened = openClassFiles(path, scales);
    ASSERT_TRUE(opened.ok());
    ASSERT_EQ(opened->Seats.size(), 1u);
    EXPECT_EQ(opened->Seats[0].left, 123);

    // Missing sibling files read as empty; a missing grade file is refused by name.
    ASSERT_TRUE(QFile::remove(seatingPathFor(path)));
    ASSERT_TRUE(QFile::remove(attendancePathFor(path)));
    EXPECT_TRUE(openClassFiles(path, scales).ok());
    const Result<ClassRecord> missing = openClassFiles(dir.filePath(QStringLiteral("gone.grs")), scales);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.message().contains(QStringLiteral("gone.grs")));

    // A failure on the way stops the save and says which file.
    const QString nowhere = dir.filePath(QStringLiteral("no/such/place.grs"));
    const Result<void> failed = saveClassFiles(cls, planSave({}, nowhere, std::nullopt));
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.message().startsWith(QStringLiteral("Unable to create ")));
}
