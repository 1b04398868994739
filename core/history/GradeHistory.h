// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/editing/StudentEditing.h"
#include "core/history/ClassDifferences.h"
#include "core/history/ClassState.h"
#include "core/history/SaveOrigin.h"
#include "core/history/Sqlite.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace markwell {

// "Markwell", "markwell-cli set-points", "restored version 3", "import of
// FILE", "changed outside Markwell".
QString historySourceText(HistorySource source, const QString& detail);

// One line of a class's history: one difference of one entry.
struct HistoryLine {
    qint64 entry = 0;
    qint64 when = 0;  // milliseconds since 1970, UTC
    HistorySource source = HistorySource::Window;
    QString detail;
    QStringList steps;  // the undo steps a window's save saved
    DifferenceKind what = DifferenceKind::Score;
    QString student;
    QString assignment;
    QString oldValue;
    QString newValue;
};

// Which lines to list: of one student and one assignment (letter case
// ignored; empty for all), between two days of this computer's calendar,
// both included.
struct HistoryFilter {
    QString student = {};
    QString assignment = {};
    std::optional<QDate> since = {};
    std::optional<QDate> until = {};
};

// A save, as the history records it.
struct SaveToRecord {
    QString classPath;   // the grade file written
    QString sourcePath;  // the class it came from when that is another (Save As, an output, a restore)
    HistorySource source = HistorySource::Window;
    QString detail;
    QStringList steps;
    std::vector<StudentRename> renames;  // as the change model made them, in order
    ClassState state;                    // the class as written
};

// The grade history of every class of this computer, in one SQLite database
// in the program's data folder (see historyDatabasePath). Each save of a
// class adds one entry listing what changed since the state the history last
// recorded for that class, which it keeps beside the entries. Classes are
// told apart by their path (links resolved).
//
// The database is never the only copy of anything: losing it loses history,
// never marks. One that is damaged or has gone missing is started afresh and
// said so once (notice()); one that cannot be used at all leaves the history
// off (isAvailable() false) and every call fails with the reason, which a
// caller reports without stopping the save it was recording.
//
// A save is recorded in two steps around the writing of the files: begin
// adds its entry marked as under way, with the state it leaves; finish,
// once the files are in place, makes it an entry of the history and that
// state the one recorded. An entry left under way by a program that was
// killed is settled by the next look at the class on disk (noteClassOnDisk):
// kept when the files are the ones it wrote, dropped otherwise. Callers hold
// the class's change lock for all three, so that no save is under way
// meanwhile.
class GradeHistory {
public:
    static constexpr qint64 kSizeLimit = qint64{500} << 20;
    static constexpr int kSchemaVersion = 1;

    explicit GradeHistory(QString databasePath = historyDatabasePath(), qint64 sizeLimit = kSizeLimit);
    ~GradeHistory();
    GradeHistory(const GradeHistory&) = delete;
    GradeHistory& operator=(const GradeHistory&) = delete;

    // The database file of this computer's history.
    static QString historyDatabasePath();

    bool isAvailable() const { return db_.isOpen(); }
    // Why the history had to start afresh, or why it is off; empty when
    // neither. Given once: later calls give nothing.
    QString takeNotice();
    // Whether the database keeps its changes in a write-ahead log (else
    // SQLite's rollback journal, where the folder's file system lacks what
    // the log needs).
    bool usesWriteAheadLog() const { return writeAheadLog_; }

    // Looks at the class as it is on disk, its files stamped `stamp` (see
    // classFilesStamp): settles an entry left under way, then, when the
    // class differs from the state last recorded, adds one entry "changed
    // outside Markwell" with those differences. A class the history has not
    // seen yet is only recorded as it is. `readState` gives the class as it
    // is on disk; it is called only when needed and may give none (the class
    // cannot be read), which records nothing.
    Result<void> noteClassOnDisk(const QString& classPath, const QByteArray& stamp,
                                 const std::function<std::optional<ClassState>()>& readState);

    // Records a save about to be written: its entry, under way. Gives the
    // entry for finishSave or abandonSave.
    Result<qint64> beginSave(const SaveToRecord& save);
    // The files are written (stamped `stamp`): the entry is kept, its state is
    // the one recorded, and a class saved under another name carries the
    // history of the class it came from.
    Result<void> finishSave(qint64 entry, const QByteArray& stamp);
    // The files were not written: the entry goes.
    Result<void> abandonSave(qint64 entry);

    // The class's lines, newest entry first and, within an entry, in class order.
    Result<std::vector<HistoryLine>> lines(const QString& classPath, const HistoryFilter& filter = {});
    // The oldest entries of every class go when the database passes its
    // size limit: the time of the newest entry of the class that went (the
    // history is complete after it), none while it is whole.
    std::optional<qint64> incompleteBefore(const QString& classPath);
    // Removes every line of the student (letter case ignored) from the
    // class's history, and the entries left with none; gives how many lines went.
    Result<int> forgetStudent(const QString& classPath, const QString& name);

    // The bytes the database's entries and states take up.
    qint64 usedBytes();

private:
    bool openDatabase();
    bool prepareSchema();
    void chooseJournal();
    void startAfresh();
    // Runs `work` (false or a failed statement: it failed) in the database;
    // one found damaged is started afresh and the work tried once more.
    Result<void> attempt(const QString& doing, const std::function<bool()>& work);

    std::optional<qint64> classIdOf(const QString& keyPath);
    qint64 makeClassId(const QString& keyPath);
    std::optional<ClassState> recordedState(qint64 classId);
    QByteArray recordedStamp(qint64 classId);
    void storeState(qint64 classId, const ClassState& state, const ClassState* recorded);
    void storeStamp(qint64 classId, const QByteArray& stamp);
    qint64 addEntry(qint64 classId, HistorySource source, const QString& detail, const QStringList& steps,
                    const std::vector<Difference>& lines, bool pending);
    bool hasState(qint64 classId);
    bool hasPending(qint64 classId);
    void settlePending(qint64 classId, const QByteArray& stamp, const ClassState* onDisk);
    std::optional<ClassState> pendingState(qint64 entry, qint64 classId);
    void completeSave(qint64 entry, const QByteArray& stamp);
    void dropEntry(qint64 entry);
    void carryHistory(qint64 fromClass, qint64 toClass, qint64 keepEntry);
    void followRenames(qint64 classId, qint64 entry);
    void keepWithinLimit();

    QString path_;
    qint64 sizeLimit_;
    sqlite::Connection db_;
    QString notice_;
    QString offReason_;
    bool writeAheadLog_ = false;
};

}  // namespace markwell
