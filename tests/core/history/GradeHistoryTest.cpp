// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grade history database: saves and changes found on disk, a save under
// way when its program died, Save As, renames, forgetting, its size limit,
// and a database that is damaged, missing, newer or private; and what it
// says changed between two states of a class.

#include "core/files/AtomicFile.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/history/ClassDifferences.h"
#include "core/history/FilesStamp.h"
#include "core/history/GradeHistory.h"
#include "core/history/HistoryTable.h"
#include "core/history/Sqlite.h"
#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include <sys/stat.h>

using namespace markwell;
using namespace markwell::test;

namespace {

Document periodOne() {
    Document document;
    document.classRecord =
        makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"7", "8"}}, {"Test 1", "Test", 50, {"40", "45"}}});
    return document;
}

// The class's three files as a program that is not Markwell would write them.
void writeClass(const QString& path, const Document& d) {
    ASSERT_TRUE(writeFileAtomically(path, serializeGradeFile(d.classRecord).value()));
    ASSERT_TRUE(writeFileAtomically(attendancePathFor(path), serializeAttendanceFile(d.attendance.records()).value()));
    const SeatingChart chart{d.classRecord.Seats, d.classRecord.teacherSeat, false};
    ASSERT_TRUE(writeFileAtomically(seatingPathFor(path), serializeSeatingFile(chart).value()));
}

using Lines = std::vector<std::string>;

// "source|student|assignment|old|new|what" for each line.
Lines linesText(const std::vector<HistoryLine>& lines) {
    Lines text;
    for (const HistoryLine& l : lines) {
        text.push_back(QStringList{historySourceText(l.source, l.detail), l.student, l.assignment, l.oldValue,
                                   l.newValue, differenceWord(l.what)}
                           .join(QLatin1Char('|'))
                           .toStdString());
    }
    return text;
}

class History : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString databasePath() const { return dir_.filePath(QStringLiteral("data/history/grade-history.sqlite")); }
    QString classPath(const char* name = "period1.grs") const { return dir_.filePath(QString::fromLatin1(name)); }

    // The first class written and seen by the history, as it is.
    Document startClass(GradeHistory& history) {
        Document d = periodOne();
        writeClass(classPath(), d);
        look(history, classPath());
        return d;
    }
    void look(GradeHistory& history, const QString& path) {
        ASSERT_TRUE(history.noteClassOnDisk(path, classFilesStamp(path), [&] {
            Document d;
            d.classRecord = readGradeFile(path).value();
            return std::optional<ClassState>(classStateOf(d));
        }));
    }
    // A save of markwell-cli `command` begun, its files not yet written.
    static Result<qint64> begin(GradeHistory& history, const QString& path, const Document& d, const char* command,
                                std::vector<StudentRename> renames = {}, const QString& from = {}) {
        return history.beginSave({path,
                                  from,
                                  HistorySource::Command,
                                  QString::fromLatin1(command),
                                  {},
                                  std::move(renames),
                                  classStateOf(d)});
    }
    // A save as markwell-cli makes it: begun, written, finished.
    void save(GradeHistory& history, const QString& path, const Document& d, std::vector<StudentRename> renames = {},
              const QString& from = {}) {
        const Result<qint64> entry = begin(history, path, d, "set-points", std::move(renames), from);
        ASSERT_TRUE(entry) << entry.message().toStdString();
        writeClass(path, d);
        ASSERT_TRUE(history.finishSave(*entry, classFilesStamp(path)));
    }
    Lines listed(GradeHistory& history, const QString& path, const HistoryFilter& filter = {}) {
        const Result<std::vector<HistoryLine>> lines = history.lines(path, filter);
        EXPECT_TRUE(lines) << lines.message().toStdString();
        return lines ? linesText(*lines) : Lines{"<failed>"};
    }

    QTemporaryDir dir_;
};

TEST_F(History, SavesAreListedNewestFirstInClassOrderAndFilteredByStudentAssignmentAndDays) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    setPoints(d.classRecord, 0, 0, "9");
    save(history, classPath(), d);
    setPoints(d.classRecord, 1, 1, "50");
    setPoints(d.classRecord, 1, 0, "41");
    save(history, classPath(), d);
    EXPECT_EQ(listed(history, classPath()),
              (Lines{"markwell-cli set-points|Ann|Test 1|40|41|score", "markwell-cli set-points|Bo|Test 1|45|50|score",
                     "markwell-cli set-points|Ann|Quiz 1|7|9|score"}));
    EXPECT_EQ(listed(history, classPath(), {.student = QStringLiteral("ANN")}).size(), 2u);
    EXPECT_EQ(listed(history, classPath(), {.assignment = QStringLiteral("test 1")}).size(), 2u);

    // The two saves on two days: a day given is the whole day, both ends included.
    sqlite::Connection db;
    ASSERT_TRUE(db.open(databasePath()));
    const auto at = [](int day, int hour) {
        return QDateTime(QDate(2026, 11, day), QTime(hour, 0), Qt::LocalTime).toMSecsSinceEpoch();
    };
    ASSERT_TRUE(db.run(QStringLiteral("UPDATE entries SET at = CASE WHEN id = (SELECT min(id) FROM entries) THEN %1 "
                                      "ELSE %2 END")
                           .arg(at(3, 0))
                           .arg(at(5, 23))
                           .toUtf8()
                           .constData()));
    const auto count = [&](int since, int until) {
        return listed(history, classPath(), {.since = QDate(2026, 11, since), .until = QDate(2026, 11, until)}).size();
    };
    EXPECT_EQ(count(3, 3), 1u);
    EXPECT_EQ(count(5, 5), 2u);
    EXPECT_EQ(count(4, 4), 0u);
    EXPECT_EQ(count(3, 5), 3u);
}

TEST_F(History, AChangeByAnotherProgramIsRecordedOnceWithItsExactDifferences) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    EXPECT_TRUE(listed(history, classPath()).empty());  // a class first seen is only recorded

    setPoints(d.classRecord, 1, 1, "-");
    d.classRecord.assignments[0].total = 20;
    writeClass(classPath(), d);
    look(history, classPath());
    look(history, classPath());
    writeClass(classPath(), d);  // the same class written again
    look(history, classPath());
    EXPECT_EQ(listed(history, classPath()), (Lines{"changed outside Markwell||Quiz 1|10|20|possible points",
                                                   "changed outside Markwell|Bo|Test 1|45|-|score"}));
}

TEST_F(History, ASaveLeftUnderWayIsKeptWhenItsFilesAreThereAndDroppedWhenNot) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    Document changed = d;
    setPoints(changed.classRecord, 0, 1, "10");
    ASSERT_TRUE(begin(history, classPath(), changed, "set-total"));  // killed before its files were written
    look(history, classPath());
    EXPECT_TRUE(listed(history, classPath()).empty());

    ASSERT_TRUE(begin(history, classPath(), changed, "set-total"));  // killed once its files were in place
    writeClass(classPath(), changed);
    look(history, classPath());
    EXPECT_EQ(listed(history, classPath()), Lines{"markwell-cli set-total|Bo|Quiz 1|8|10|score"});
    look(history, classPath());
    EXPECT_EQ(listed(history, classPath()).size(), 1u);
}

TEST_F(History, SaveAsCarriesTheHistoryInPlaceOfTheReplacedClasssOwn) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    writeClass(classPath("other.grs"), d);
    look(history, classPath("other.grs"));
    setPoints(d.classRecord, 0, 0, "1");
    save(history, classPath("other.grs"), d);  // the other class's own history
    setPoints(d.classRecord, 0, 0, "9");
    save(history, classPath(), d);

    setPoints(d.classRecord, 1, 0, "50");
    save(history, classPath("other.grs"), d, {}, classPath());
    EXPECT_EQ(listed(history, classPath("other.grs")), (Lines{"markwell-cli set-points|Ann|Test 1|40|50|score",
                                                              "markwell-cli set-points|Ann|Quiz 1|7|9|score"}));
    EXPECT_EQ(listed(history, classPath()).size(), 1u);
}

TEST_F(History, ARenamedStudentKeepsTheirHistoryUnderTheNewName) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    setPoints(d.classRecord, 0, 1, "10");
    save(history, classPath(), d);
    d.classRecord.students[1].name = "Bob";
    for (auto& a : d.classRecord.assignments) a.namegrade[1] = "Bob" + a.namegrade[1].substr(2);
    save(history, classPath(), d, {{"Bo", "Bob"}});
    EXPECT_EQ(listed(history, classPath(), {.student = QStringLiteral("Bob")}),
              (Lines{"markwell-cli set-points|Bob||Bo|Bob|student renamed",
                     "markwell-cli set-points|Bob|Quiz 1|8|10|score"}));
}

TEST_F(History, ForgettingAStudentRemovesTheirLinesAndTheEntriesLeftEmpty) {
    GradeHistory history(databasePath());
    Document d = startClass(history);
    setPoints(d.classRecord, 0, 1, "10");
    save(history, classPath(), d);
    setPoints(d.classRecord, 0, 1, "2");
    setPoints(d.classRecord, 0, 0, "3");
    save(history, classPath(), d);
    EXPECT_EQ(history.forgetStudent(classPath(), QStringLiteral("bo")).value(), 2);
    EXPECT_EQ(listed(history, classPath()), Lines{"markwell-cli set-points|Ann|Quiz 1|7|3|score"});
    sqlite::Connection db;
    ASSERT_TRUE(db.open(databasePath()));
    EXPECT_EQ(db.textOf("SELECT count(*) FROM entries"), QStringLiteral("1"));
}

TEST_F(History, PastItsSizeLimitTheOldestEntriesGoAndTheClassSaysFromWhenItIsComplete) {
    const qint64 limit = 128 * 1024;
    GradeHistory history(databasePath(), limit);
    Document d = startClass(history);
    EXPECT_FALSE(history.incompleteBefore(classPath()));
    for (int i = 0; i < 150; ++i) {
        setPoints(d.classRecord, 0, 0, std::to_string(i) + std::string(1000, ' '));  // lines of some size
        ASSERT_TRUE(history.finishSave(begin(history, classPath(), d, "set-points").value(), QByteArray::number(i)));
    }
    EXPECT_LE(history.usedBytes(), limit);
    const Lines kept = listed(history, classPath());
    ASSERT_FALSE(kept.empty());
    EXPECT_LT(kept.size(), 150u);
    EXPECT_TRUE(kept.front().find("|149 ") != std::string::npos);  // the newest stays
    EXPECT_TRUE(history.incompleteBefore(classPath()));
}

TEST_F(History, ADamagedOrMissingDatabaseIsSaidOnceAndStartedAfresh) {
    {
        GradeHistory history(databasePath());
        ASSERT_TRUE(history.isAvailable());
        EXPECT_TRUE(history.takeNotice().isEmpty());  // made for the first time: nothing to say
    }
    QFile::remove(databasePath());
    {
        GradeHistory history(databasePath());
        EXPECT_TRUE(history.takeNotice().contains(QStringLiteral("missing")));
    }
    ASSERT_TRUE(writeWholeFile(databasePath(), QByteArray(8192, 'x')));
    GradeHistory history(databasePath());
    const QString notice = history.takeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("damaged"))) << notice.toStdString();
    EXPECT_TRUE(history.takeNotice().isEmpty());
    EXPECT_EQ(fileContents(databasePath() + QStringLiteral(".damaged")), QByteArray(8192, 'x'));
    Document d = startClass(history);
    setPoints(d.classRecord, 0, 0, "1");
    save(history, classPath(), d);
    EXPECT_EQ(listed(history, classPath()).size(), 1u);
}

TEST_F(History, ADatabaseOfANewerMarkwellIsLeftAloneAndTheHistoryIsOff) {
    {
        GradeHistory history(databasePath());
        sqlite::Connection db;
        ASSERT_TRUE(db.open(databasePath()));
        ASSERT_TRUE(db.run("PRAGMA user_version = 99"));
    }
    const QByteArray before = fileContents(databasePath());
    GradeHistory history(databasePath());
    EXPECT_FALSE(history.isAvailable());
    EXPECT_TRUE(history.takeNotice().contains(QStringLiteral("newer version")));
    EXPECT_FALSE(history.lines(classPath()));
    EXPECT_EQ(fileContents(databasePath()), before);
}

TEST_F(History, TheDatabaseIsPrivateWhateverTheUmask) {
    const mode_t old = ::umask(022);
    {
        GradeHistory history(databasePath());
        startClass(history);
        EXPECT_EQ(fileMode(QFileInfo(databasePath()).absolutePath()), 0700u);
        EXPECT_EQ(fileMode(databasePath()), 0600u);
        if (history.usesWriteAheadLog()) {
            EXPECT_EQ(fileMode(databasePath() + QStringLiteral("-wal")), 0600u);
        }
    }
    ::umask(old);
}

}  // namespace

// The zone of the C library's local time, for one test; put back after it.
class TimeZoneSetting {
public:
    TimeZoneSetting() : kept_(std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt) {}
    ~TimeZoneSetting() {
        if (kept_) {
            setenv("TZ", kept_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    void use(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    std::optional<std::string> kept_;
};

// The table converts a quarter hour at a time; around every change of the
// clocks of a year, in zones that change by half an hour or sit off the
// hour, each time must read as a conversion of its own gives it.
TEST(HistoryTimes, ReadAsTheirOwnLocalTimeAcrossEveryChangeOfTheClocks) {
    TimeZoneSetting setting;
    for (const char* zone : {"Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe", "Asia/Kathmandu"}) {
        const QTimeZone timeZone(zone);
        if (!timeZone.isValid()) GTEST_SKIP() << "no time zone data for " << zone;
        setting.use(zone);
        const QDateTime year(QDate(2026, 1, 1), QTime(0, 0), timeZone);
        QList<qint64> moments{year.toMSecsSinceEpoch() + 1234};
        for (const QTimeZone::OffsetData& change : timeZone.transitions(year, year.addYears(1))) {
            moments.append(change.atUtc.toMSecsSinceEpoch());
        }
        LocalTimeTexts times;
        for (const qint64 around : moments) {
            for (qint64 when = around - 2 * 3600'000; when <= around + 2 * 3600'000; when += 97'000) {
                const QString own = QDateTime::fromMSecsSinceEpoch(when, timeZone).toString(u"yyyy-MM-dd HH:mm:ss");
                ASSERT_EQ(times.textOf(when), own) << zone << " at " << when;
            }
        }
    }
}

namespace {

Document seatedPeriodOne() {
    Document document;
    document.classRecord = makeClass(
        {"Ann", "Bo", "Cy"}, {{"Quiz 1", "Quiz", 10, {"7", "8", "-"}}, {"Test 1", "Test", 50, {"40", "45", "30"}}});
    document.classRecord.Seats = {SeatingInfo{.name = "Ann"}, SeatingInfo{.name = "Bo", .left = 100}};
    document.attendance = AttendanceBook({attendanceRecord(10, 2026, "Ann", "")});
    return document;
}

// Each line as "what|student|assignment|old|new".
std::vector<std::string> linesOf(const std::vector<Difference>& differences) {
    std::vector<std::string> lines;
    lines.reserve(differences.size());
    for (const Difference& d : differences) {
        lines.push_back(differenceWord(d.what).toStdString() + '|' + d.student + '|' + d.assignment + '|' + d.oldValue +
                        '|' + d.newValue);
    }
    return lines;
}

struct Case {
    const char* name;
    std::function<void(Document&)> edit;
    std::vector<std::string> expected;
    std::vector<StudentRename> renames = {};
};

class Differences : public testing::TestWithParam<Case> {};

TEST_P(Differences, ListsExactlyWhatChangedInClassOrder) {
    const Document before = seatedPeriodOne();
    Document after = before;
    GetParam().edit(after);
    EXPECT_EQ(linesOf(classDifferences(classStateOf(before), classStateOf(after), GetParam().renames)),
              GetParam().expected);
}

const Case kCases[] = {
    {"Nothing", [](Document&) {}, {}},
    {"ScoresRowByRowNotCountedIncluded",
     [](Document& d) {
         setPoints(d.classRecord, 1, 0, "41");
         setPoints(d.classRecord, 0, 2, "9");
         setPoints(d.classRecord, 0, 0, "-");
     },
     {"score|Ann|Quiz 1|7|-", "score|Ann|Test 1|40|41", "score|Cy|Quiz 1|-|9"}},
    {"AssignmentDetails",
     [](Document& d) {
         d.classRecord.assignments[0].title = "Pop quiz";
         d.classRecord.assignments[0].total = 12.5;
         d.classRecord.assignments[1].assign_type = "Final";
     },
     {"title||Pop quiz|Quiz 1|Pop quiz", "possible points||Pop quiz|10|12.5", "type||Test 1|Test|Final"}},
    {"AssignmentsMovedAreNoChange",
     [](Document& d) { std::swap(d.classRecord.assignments[0], d.classRecord.assignments[1]); },
     {}},
    {"ListOutOfStepIsReadByName",
     [](Document& d) {
         auto& list = d.classRecord.assignments[1].namegrade;
         std::reverse(list.begin(), list.end());
     },
     {}},
    {"StudentsAddedAndRemoved",
     [](Document& d) {
         auto& cls = d.classRecord;
         cls.students.erase(cls.students.begin() + 1);
         cls.comments.erase(cls.comments.begin() + 1);
         for (auto& a : cls.assignments) a.namegrade.erase(a.namegrade.begin() + 1);
         cls.students.emplace_back().name = "Di";
         cls.comments.push_back({"Di", ""});
         cls.assignments[0].namegrade.push_back("Di~0");
         cls.assignments[1].namegrade.push_back("Di~44");
     },
     {"student removed|Bo|||", "student added|Di|||", "score|Di|Test 1||44"}},
    {"RenameKnownToTheChangeModel",
     [](Document& d) {
         d.classRecord.students[1].name = "Bob";
         for (auto& a : d.classRecord.assignments) a.namegrade[1] = "Bob" + a.namegrade[1].substr(2);
         d.classRecord.Seats[1].name = "Bob";
         setPoints(d.classRecord, 0, 1, "9");
     },
     {"student renamed|Bob||Bo|Bob", "score|Bob|Quiz 1|8|9"},
     {{"Bo", "Bob"}}},
    {"RenameUnknownIsARemovalAndAnAddition",
     [](Document& d) {
         d.classRecord.students[1].name = "Bob";
         for (auto& a : d.classRecord.assignments) a.namegrade[1] = "Bob" + a.namegrade[1].substr(2);
     },
     {"student removed|Bo|||", "student added|Bob|||", "score|Bob|Quiz 1||8", "score|Bob|Test 1||45"}},
    {"RenamesUndoneCancelOut", [](Document&) {}, {}, {{"Bo", "Bob"}, {"Bob", "Bo"}}},
    {"Rules",
     [](Document& d) {
         d.classRecord.gradeScale = expandedScale();
         d.classRecord.weightGrades = {.Final = 40, .Test = 60, .enabled = true};
         dropByType(d.classRecord, {2, 3});
     },
     {"scale|||<Default>|Expanded",
      "weights|||Final 0, Test 0, Quiz 0, Homework 0, Lab 0, Other 0; off|"
      "Final 40, Test 60, Quiz 0, Homework 0, Lab 0, Other 0; on",
      "drop rule|||none|by-type Quiz,Homework"}},
    {"CommentChangedButNotItsText",
     [](Document& d) { d.classRecord.comments[2].desc = "Moved to period 2"; },
     {"comment|Cy|||"}},
    {"AttendanceMarksCountedWithTheirMonths",
     [](Document& d) {
         d.attendance.appendRecord(attendanceRecord(11, 2026, "Bo", "TU"));
         d.attendance.setMark(0, 3, 'E');
     },
     {"attendance|||2026-10, 2026-11|3"}},
    {"SeatsCounted",
     [](Document& d) {
         d.classRecord.Seats[0].left = 300;
         d.classRecord.Seats.push_back({.name = "Cy"});
         d.classRecord.teacherSeat.left = 500;
     },
     {"seats||||3"}},
};

INSTANTIATE_TEST_SUITE_P(History, Differences, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Differences, ScoresStayWithTheirStudentFromNothingOrBesideANamesakeAndADamagedStateGivesNone) {
    Document before;
    before.classRecord = makeClass({"Kim", "Kim"}, {{"Quiz 1", "Quiz", 10, {"5", "6"}}});
    Document after = before;
    setPoints(after.classRecord, 0, 1, "10");
    EXPECT_EQ(linesOf(classDifferences(classStateOf(before), classStateOf(after))),
              std::vector<std::string>{"score|Kim|Quiz 1|6|10"});
    // From nothing, every student and assignment is added, with the scores beyond the start.
    Document made;
    made.classRecord = makeClass({"Ann", "Bo"}, {{"Quiz 1", "Quiz", 10, {"0", "7"}}});
    EXPECT_EQ(linesOf(classDifferences(ClassState{}, classStateOf(made))),
              (std::vector<std::string>{"assignment added||Quiz 1||", "student added|Ann|||", "student added|Bo|||",
                                        "score|Bo|Quiz 1||7"}));
    // A damaged state gives no differences.
    ClassState damaged = classStateOf(seatedPeriodOne());
    damaged.parts[ClassState::kFirstAssignment].chop(1);
    EXPECT_FALSE(isReadableState(damaged));
    EXPECT_TRUE(classDifferences(damaged, classStateOf(Document{})).empty());
}

}  // namespace
