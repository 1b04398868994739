// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/KilledSave.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/document/GradeFileOpening.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace markwell;

namespace {

constexpr auto record = test::attendanceRecord;

// A folder with a scale store and a class of two students, one seat and two
// months of attendance saved in it as "c.grs".
class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        Document document;
        document.classRecord = test::makeClass({"Ann", "Bo"}, {});
        SeatingInfo seat;
        seat.name = "Ann";
        seat.left = 123;
        document.classRecord.Seats = {seat};
        document.attendance = AttendanceBook({record(1, 2024, "Ann", "T"), record(2, 2024, "Bo", "E")});
        ASSERT_TRUE(saveDocument(document, path("c.grs")).ok());
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    Result<Document> open(const char* name = "c.grs") { return openDocument(path(name), scales_); }
    QStringList files() const { return filesIn(dir_.path()); }
    // The notes of a save as `name`, which must go through.
    QStringList savedNotes(Document& document, const char* name = "c.grs") const {
        const Result<QStringList> saved = saveDocument(document, path(name));
        EXPECT_TRUE(saved.ok()) << saved.message().toStdString();
        return saved.ok() ? *saved : QStringList{QStringLiteral("refused")};
    }
    // Why a save as `name`, which must be refused, was refused.
    QString refusal(Document& document, const char* name) const {
        const Result<QStringList> saved = saveDocument(document, path(name));
        EXPECT_FALSE(saved.ok());
        return saved.ok() ? QString() : saved.message();
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(QStringLiteral("settings.ini"))};
    ScaleStore scales_{settings_};
};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

const std::string kAccented = "B\355olog\355a";  // Bíología in Windows-1252

// A class graded with the scale `scale` as its file records it, and this
// computer's store holding a pass/fail "Biology" and a "Bíología" (a name
// outside ASCII, stored in the class as Windows-1252).
class GradeFileOpening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(store_.createDefaultScale().ok());
        const std::vector<LetterRange> passFail = {{q("Pass"), q("70"), q("100")}, {q("Fail"), q("0"), q("69.9")}};
        ASSERT_TRUE(store_.saveScale({q("Biology"), ScaleKind::PassFail, passFail}).ok());
        ASSERT_TRUE(store_.saveScale({q("Bíología"), ScaleKind::PassFail, passFail}).ok());
    }

    QString writeClass(const CurrentGradeScale& scale) {
        ClassRecord cls;
        cls.students.emplace_back().name = "Ann Lee";
        cls.gradeScale = scale;
        QString path = dir_.filePath(q("class.grs"));
        EXPECT_TRUE(writeGradeFile(path, cls).ok());
        return path;
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(q("settings.ini"))};
    ScaleStore store_{settings_};
};

}  // namespace

TEST_F(DocumentFiles, OpeningReadsTheThreeFilesIntoACleanTitledDocument) {
    const Result<Document> opened = open();
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened->classRecord.students.size(), 2u);
    ASSERT_EQ(opened->classRecord.Seats.size(), 1u);
    EXPECT_EQ(opened->classRecord.Seats[0].left, 123);
    EXPECT_EQ(opened->attendance.records(), (std::vector{record(1, 2024, "Ann", "T"), record(2, 2024, "Bo", "E")}));
    EXPECT_EQ(opened->markwellFile, path("c.grs"));
    EXPECT_EQ(opened->attendFile, path("c.ATD"));
    EXPECT_EQ(opened->seatingFile, path("c.SEA"));
    EXPECT_FALSE(opened->modified);
    EXPECT_TRUE(damagedFilesWarning(*opened).isEmpty());

    // Missing siblings read as empty; a missing grade file is refused by name.
    ASSERT_TRUE(QFile::remove(path("c.ATD")));
    ASSERT_TRUE(QFile::remove(path("c.SEA")));
    const Result<Document> bare = open();
    ASSERT_TRUE(bare.ok());
    EXPECT_TRUE(bare->attendance.empty());
    EXPECT_TRUE(bare->classRecord.Seats.empty());
    EXPECT_TRUE(bare->attendanceDamage.isEmpty() && bare->seatingDamage.isEmpty());
    const Result<Document> missing = open("gone.grs");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.message().contains(QStringLiteral("gone.grs")));
}

TEST_F(DocumentFiles, SavingWritesEveryMonthOfTheDocumentWhereverItGoes) {
    Document document = open().value();
    document.attendance.appendRecord(record(3, 2024, "Bo", "U"));
    document.modified = true;
    const QByteArray oldAttendance = fileContents(path("c.ATD"));

    EXPECT_TRUE(savedNotes(document, "d.grs").isEmpty());
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(document.markwellFile, path("d.grs"));
    EXPECT_EQ(document.attendFile, path("d.ATD"));
    const Result<AttendanceFile> carried = readAttendanceFile(path("d.ATD"));
    ASSERT_TRUE(carried.ok());
    EXPECT_EQ(carried->records, document.attendance.records());  // every month, in order
    EXPECT_EQ(carried->records.size(), 3u);
    EXPECT_EQ(readSeatingFile(path("d.SEA"))->seats[0].left, 123);
    EXPECT_EQ(readGradeFile(path("d.grs"))->students.size(), 2u);
    // The old class's files stay as they were.
    EXPECT_EQ(fileContents(path("c.ATD")), oldAttendance);

    // An untitled class saved over another class's files takes none of their months.
    Document fresh;
    ASSERT_TRUE(saveDocument(fresh, path("c.grs")).ok());
    EXPECT_TRUE(readAttendanceFile(path("c.ATD"))->records.empty());
}

TEST_F(DocumentFiles, ARefusedFieldWritesNoFileAtAll) {
    // A name too long for the attendance record: the grade file is not written either.
    const QStringList before = files();
    Document longName = open().value();
    longName.classRecord.students[0].id = "A-1";  // a change the grade file would show
    longName.attendance.appendRecord(record(4, 2024, std::string(100, 'n'), "T"));
    const QByteArray grade = fileContents(path("c.grs"));
    const QString refused = refusal(longName, "c.grs");
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Unable to create %1: ").arg(path("c.ATD"))))
        << refused.toStdString();
    EXPECT_EQ(fileContents(path("c.grs")), grade);
    EXPECT_EQ(files(), before);

    // A city that fills its whole field, as a file from elsewhere may hold.
    Document document = open().value();
    document.classRecord.students[1].city = std::string(45, 'c');
    ASSERT_TRUE(saveDocument(document, path("c.grs")).ok());
    QByteArray bytes = fileContents(path("c.grs"));
    bytes.replace(QByteArray(45, 'c') + '\0', QByteArray(46, 'c'));
    ASSERT_TRUE(writeWholeFile(path("c.grs"), bytes));
    Document foreign = open().value();
    ASSERT_EQ(foreign.classRecord.students[1].city.size(), 46u);
    foreign.modified = true;

    const QString alsoRefused = refusal(foreign, "new.grs");
    EXPECT_TRUE(alsoRefused.startsWith(QStringLiteral("Unable to create %1: ").arg(path("new.grs"))))
        << alsoRefused.toStdString();
    EXPECT_TRUE(alsoRefused.contains(QStringLiteral("city of student 2")));
    EXPECT_EQ(files(), before);  // no new.grs, new.ATD or new.SEA
    EXPECT_EQ(foreign.markwellFile, path("c.grs"));
    EXPECT_TRUE(foreign.modified);
}

TEST_F(DocumentFiles, AFailedOrTooLargeWriteLeavesTheFilesAsTheyWere) {
    // The seating file cannot be written (its name is taken by a folder), after
    // the grade and attendance files were.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("e.SEA")));
    Document document = open().value();
    const QStringList before = files();
    const QString failed = refusal(document, "e.grs");
    EXPECT_TRUE(failed.startsWith(QStringLiteral("Unable to create %1").arg(path("e.SEA")))) << failed.toStdString();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(document.markwellFile, path("c.grs"));

    const QByteArray grade = fileContents(path("c.grs"));
    document = open().value();
    document.modified = true;
    // The reader's limit, made small: the grade file is the largest of the three here.
    const qint64 limit = grade.size() - 1;
    const Result<QStringList> refused = saveDocument(document, path("c.grs"), limit);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), QStringLiteral("Unable to create %1: it would be %2 bytes, too large to be a class "
                                                "file (at most %3 bytes); Markwell could not open it again")
                                     .arg(path("c.grs"))
                                     .arg(grade.size())
                                     .arg(limit));
    EXPECT_EQ(files(), before);
    EXPECT_EQ(fileContents(path("c.grs")), grade);
    EXPECT_TRUE(document.modified);
    EXPECT_TRUE(saveDocument(document, path("c.grs"), grade.size()).ok());
}

TEST_F(DocumentFiles, ADamagedOrUnreadableSiblingOpensTheClassAndIsNeverWrittenOverUntilTheTeacherRemovesIt) {
    QByteArray damaged = fileContents(path("c.ATD"));
    damaged[140] = 13;  // the second record's month
    ASSERT_TRUE(writeWholeFile(path("c.ATD"), damaged));

    Document document = open().value();
    EXPECT_TRUE(document.attendance.empty());
    EXPECT_EQ(document.attendanceDamage,
              QStringLiteral("The file %1 is damaged or is not an attendance file: record 2 holds month 13.")
                  .arg(path("c.ATD")));
    EXPECT_TRUE(document.seatingDamage.isEmpty());
    EXPECT_EQ(document.classRecord.Seats.size(), 1u);
    const QString warning = damagedFilesWarning(document);
    EXPECT_TRUE(warning.startsWith(document.attendanceDamage));
    EXPECT_TRUE(warning.contains(QStringLiteral("without its attendance")));

    // Save writes the grade and seating files and says the attendance file was kept.
    document.classRecord.students[0].id = "A-1";
    document.classRecord.Seats[0].left = 77;
    const QStringList saved = savedNotes(document);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_TRUE(saved.front().contains(path("c.ATD")));
    EXPECT_EQ(fileContents(path("c.ATD")), damaged);
    EXPECT_EQ(readGradeFile(path("c.grs"))->students[0].id, "A-1");
    EXPECT_EQ(readSeatingFile(path("c.SEA"))->seats[0].left, 77);
    EXPECT_FALSE(document.attendanceDamage.isEmpty());  // still there, still kept

    // Under a new name the class starts a sound attendance file; the damaged one stays.
    EXPECT_TRUE(savedNotes(document, "f.grs").isEmpty());
    EXPECT_TRUE(QFile::exists(path("f.ATD")));
    EXPECT_TRUE(readAttendanceFile(path("f.ATD"))->records.empty());
    EXPECT_EQ(fileContents(path("c.ATD")), damaged);
    EXPECT_TRUE(document.attendanceDamage.isEmpty());

    // A folder where the attendance file should be, and a seating file whose
    // caption runs through its whole field.
    ASSERT_TRUE(QFile::remove(path("c.ATD")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("c.ATD")));
    QByteArray seats = fileContents(path("c.SEA"));
    seats.replace(0, 100, QByteArray(100, 's'));
    ASSERT_TRUE(writeWholeFile(path("c.SEA"), seats));
    document = open().value();
    EXPECT_TRUE(document.attendanceDamage.contains(QStringLiteral("it is a folder")));
    EXPECT_TRUE(document.seatingDamage.contains(QStringLiteral("caption of seat 1")));
    EXPECT_TRUE(document.classRecord.Seats.empty());
    EXPECT_EQ(damagedFilesWarning(document).count(QStringLiteral("Markwell will not write over that file")), 2);

    EXPECT_EQ(savedNotes(document).size(), 2);
    EXPECT_TRUE(QFileInfo(path("c.ATD")).isDir());
    EXPECT_EQ(fileContents(path("c.SEA")), seats);

    // Once the teacher has moved them away, the next save writes both afresh.
    ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("c.ATD")));
    ASSERT_TRUE(QFile::rename(path("c.SEA"), path("old.SEA")));
    EXPECT_TRUE(savedNotes(document).isEmpty());
    EXPECT_TRUE(readAttendanceFile(path("c.ATD")).ok());
    EXPECT_TRUE(readSeatingFile(path("c.SEA")).ok());
    EXPECT_TRUE(document.attendanceDamage.isEmpty() && document.seatingDamage.isEmpty());
}

TEST_F(DocumentFiles, AnAttendanceFileCutInARecordOpensWithItsWholeRecordsButOneShorterThanARecordIsDamaged) {
    QByteArray cut = fileContents(path("c.ATD"));
    cut.append("partial");
    ASSERT_TRUE(writeWholeFile(path("c.ATD"), cut));
    Document document = open().value();
    EXPECT_TRUE(document.attendanceDamage.isEmpty());
    EXPECT_EQ(document.attendance.records().size(), 2u);
    EXPECT_EQ(document.attendanceNote,
              QStringLiteral("The file %1 ends inside a record: its first 2 whole records were read, and the 7 bytes "
                             "after them were not. The next save writes only the records that were read.")
                  .arg(path("c.ATD")));
    EXPECT_EQ(damagedFilesWarning(document), document.attendanceNote);

    // The teacher was told: the save writes the records there are, and says nothing more.
    EXPECT_TRUE(savedNotes(document).isEmpty());
    EXPECT_EQ(fileContents(path("c.ATD")), cut.left(280));
    EXPECT_TRUE(document.attendanceNote.isEmpty());
    EXPECT_TRUE(open()->attendanceNote.isEmpty());

    // A sibling shorter than one record is kept as damaged.
    const QByteArray note = "call Ann's mother\n";
    const QByteArray shortSeats = fileContents(path("c.SEA")).left(231);
    ASSERT_TRUE(writeWholeFile(path("c.ATD"), note));
    ASSERT_TRUE(writeWholeFile(path("c.SEA"), shortSeats));
    document = open().value();
    EXPECT_EQ(document.attendanceDamage,
              QStringLiteral("The file %1 is damaged or is not an attendance file: it is shorter than one record of "
                             "140 bytes.")
                  .arg(path("c.ATD")));
    EXPECT_EQ(document.seatingDamage,
              QStringLiteral("The file %1 is damaged or is not a seating file: it is shorter than one record of "
                             "232 bytes.")
                  .arg(path("c.SEA")));
    EXPECT_EQ(savedNotes(document).size(), 2);
    EXPECT_EQ(fileContents(path("c.ATD")), note);
    EXPECT_EQ(fileContents(path("c.SEA")), shortSeats);
}

TEST_F(DocumentFiles, ASaveThatCannotReplaceEveryFileReplacesNone) {
    const test::OrdinaryUser user;
    if (!user.available()) GTEST_SKIP() << "running as root, and there is no unprivileged user";
    ASSERT_TRUE(user.own(dir_.path()));
    for (const char* name : {"c.grs", "c.ATD", "c.SEA"}) ASSERT_TRUE(user.own(path(name)));
    for (const char* readOnly : {"c.ATD", "c.SEA"}) {
        SCOPED_TRACE(readOnly);
        const QString locked = path(readOnly);
        const QStringList before = files();
        std::map<QString, QByteArray> contents;
        for (const QString& name : before) contents[name] = fileContents(path(name));
        Document document = open().value();
        document.classRecord.students.push_back(test::namedStudent("Cy"));
        document.classRecord.comments.push_back({"Cy", ""});
        document.attendance.appendRecord(record(5, 2024, "Cy", "U"));
        document.modified = true;

        ::chmod(QFile::encodeName(locked).constData(), 0444);
        // Twice, as a teacher trying again would: the class gains nothing either time.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const Result<void> saved = user.run([&]() -> Result<void> {
                const Result<QStringList> notes = saveDocument(document, path("c.grs"));
                if (!notes) return notes.error();
                return {};
            });
            ASSERT_FALSE(saved.ok());
            EXPECT_TRUE(saved.message().startsWith(QStringLiteral("Unable to create ") + locked))
                << saved.message().toStdString();
        }
        ::chmod(QFile::encodeName(locked).constData(), 0644);
        EXPECT_EQ(files(), before);
        for (const QString& name : before) EXPECT_EQ(fileContents(path(name)), contents[name]) << name.toStdString();
    }
}

TEST_F(DocumentFiles, LinksOfEitherKindAreTheSameFileAndASaveInterruptedIsUndoneByTheNextOpen) {
    const QString grade = path("c.grs");
    ASSERT_TRUE(QFile::link(grade, path("soft.grs")));
    ASSERT_EQ(::link(QFile::encodeName(grade).constData(), QFile::encodeName(path("hard.grs")).constData()), 0);
    EXPECT_TRUE(isSameFile(grade, path("soft.grs")));
    EXPECT_TRUE(isSameFile(path("hard.grs"), grade));
    EXPECT_TRUE(isSameFile(grade, dir_.path() + QStringLiteral("/./c.grs")));
    EXPECT_FALSE(isSameFile(grade, path("c.ATD")));
    EXPECT_FALSE(isSameFile(grade, path("missing.grs")));
    EXPECT_TRUE(isSameFile(path("missing.grs"), path("missing.grs")));

    // Saved under another name, no new file may be one of the class's own by a link.
    const QByteArray before = fileContents(grade);
    Document document = open().value();
    ASSERT_TRUE(QFile::link(grade, path("x.ATD")));
    EXPECT_EQ(refusal(document, "x.grs"),
              QStringLiteral("Unable to create %1: it is the same file as %2, which it would destroy")
                  .arg(path("x.ATD"), grade));
    EXPECT_EQ(fileContents(grade), before);
    EXPECT_FALSE(QFile::exists(path("x.grs")));
    EXPECT_EQ(document.markwellFile, grade);

    // A save interrupted between its files is undone by the next open, which says so once.
    const QByteArray beforeSave = fileContents(path("c.grs")) + fileContents(path("c.ATD"));
    // Killed after its new attendance file went in, before its grade file.
    ASSERT_TRUE(
        test::saveKilledAtRename({{path("c.ATD"), "new"}, {path("c.grs"), "new"}}, saveJournalPath(path("c.grs")), 2));
    ASSERT_EQ(fileContents(path("c.ATD")), QByteArray("new"));

    const Result<Document> opened = open();
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened->attendance.records().size(), 2u);
    EXPECT_EQ(
        damagedFilesWarning(*opened),
        QStringLiteral("A save of %1 was interrupted; the class is as it was before that save.").arg(path("c.grs")));
    EXPECT_EQ(fileContents(path("c.grs")) + fileContents(path("c.ATD")), beforeSave);
    EXPECT_TRUE(open()->finishedSaveNote.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(saveJournalPath(path("c.grs"))));
}

TEST_F(DocumentFiles, BytesAfterTheEndOfTheClassAreCountedAndNeverDroppedUnasked) {
    QByteArray grade = fileContents(path("c.grs"));
    ASSERT_TRUE(writeWholeFile(path("c.grs"), grade + QByteArray(100, 'x')));
    Document document = open().value();
    EXPECT_EQ(document.skippedBytes, 100);
    EXPECT_TRUE(damagedFilesWarning(document).contains(QStringLiteral("holds 100 bytes after the end of the class")));

    refusal(document, "c.grs");
    EXPECT_EQ(fileContents(path("c.grs")), grade + QByteArray(100, 'x'));
    // Saved elsewhere, nothing is lost; saved over it, only when the teacher agrees.
    Document copy = document;
    EXPECT_TRUE(saveDocument(copy, path("d.grs")).ok());
    SaveOptions agreed;
    agreed.dropSkipped = true;
    ASSERT_TRUE(saveClass(document, path("c.grs"), agreed).ok());
    EXPECT_EQ(fileContents(path("c.grs")), grade);
    EXPECT_EQ(document.skippedBytes, 0);
}

TEST_F(GradeFileOpening, TakesTheScaleThisComputerKeepsUnderItsNameOrKeepsTheFilesAndRefusesADamagedFile) {
    const CurrentGradeScale inFile{"Biology", 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    GradeFileInfo info;
    const Result<ClassRecord> opened = openGradeFile(writeClass(inFile), store_, &info);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened->gradeScale, (CurrentGradeScale{"Biology", 2, "70,100,0,69.9"}));
    EXPECT_EQ(opened->students.at(0).name, "Ann Lee");
    EXPECT_EQ(info.version, kGradeFileVersion);

    // The name is looked up as text, not as the file's bytes.
    const CurrentGradeScale accented{kAccented, 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    const Result<ClassRecord> reopened = openGradeFile(writeClass(accented), store_);
    ASSERT_TRUE(reopened.ok()) << reopened.message().toStdString();
    EXPECT_EQ(reopened->gradeScale, (CurrentGradeScale{kAccented, 2, "70,100,0,69.9"}));

    // For a scale this computer does not have, what the file holds is kept.
    const CurrentGradeScale foreign{"Chemistry", 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    const Result<ClassRecord> kept = openGradeFile(writeClass(foreign), store_);
    ASSERT_TRUE(kept.ok()) << kept.message().toStdString();
    EXPECT_EQ(kept->gradeScale, foreign);

    // A file the grade file reader refuses is refused.
    const QString path = dir_.filePath(q("damaged.grs"));
    ASSERT_TRUE(writeWholeFile(path, "not a class"));
    const Result<ClassRecord> damaged = openGradeFile(path, store_);
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.message().contains(path)) << damaged.message().toStdString();
}
