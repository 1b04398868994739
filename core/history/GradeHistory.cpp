// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The history database itself: where it lives, how it is opened and made
// private, its tables and their upgrades, and starting afresh.

#include "core/history/GradeHistory.h"

#include "core/document/DataFolder.h"
#include "core/files/PrivateFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace markwell {
namespace {

struct GradeHistoryText {
    Q_DECLARE_TR_FUNCTIONS(GradeHistory)
};

// The tables, version by version: kUpgrades[v] takes a database of version v
// to version v + 1, in place, keeping what it holds.
//
// classes      a class by its path: the stamp of its files and, once the
//              oldest entries went, the time of the newest that went.
// state_parts  the state last recorded of each class (see ClassState).
// entries      a save or a change found on disk; `pending` while its save
//              is under way, with the class it carries the history of and
//              how many parts its state has.
// lines        the differences of an entry, in class order.
// pending_parts the parts of an entry under way that differ from the
//              state recorded.
constexpr std::array<const char*, GradeHistory::kSchemaVersion> kUpgrades = {
    "CREATE TABLE classes(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE, stamp BLOB,"
    "  incomplete_before INTEGER);"
    "CREATE TABLE state_parts(class INTEGER NOT NULL, part INTEGER NOT NULL, bytes BLOB NOT NULL,"
    "  UNIQUE(class, part));"
    "CREATE TABLE entries(id INTEGER PRIMARY KEY, class INTEGER NOT NULL, at INTEGER NOT NULL,"
    "  source INTEGER NOT NULL, detail TEXT NOT NULL, steps TEXT NOT NULL, pending INTEGER NOT NULL,"
    "  carried_from INTEGER, parts INTEGER);"
    "CREATE INDEX entries_of_class ON entries(class, at, id);"
    "CREATE TABLE lines(entry INTEGER NOT NULL, seq INTEGER NOT NULL, what INTEGER NOT NULL,"
    "  student TEXT NOT NULL, assignment TEXT NOT NULL, old TEXT NOT NULL, new TEXT NOT NULL,"
    "  PRIMARY KEY(entry, seq)) WITHOUT ROWID;"
    "CREATE TABLE pending_parts(entry INTEGER NOT NULL, part INTEGER NOT NULL, bytes BLOB NOT NULL,"
    "  UNIQUE(entry, part));",
};

// Made owner-only before SQLite first opens it, whatever the umask: the
// history names students and their marks (its log and journal take the
// database's mode).
bool createPrivateFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, kPrivateFileMode);
    if (fd < 0) return false;
    const bool ok = ::fchmod(fd, kPrivateFileMode) == 0;
    ::close(fd);
    return ok;
}

// Beside the database: it was made here once, so a database gone since was lost, not never made.
QString startedMarkPath(const QString& databasePath) {
    return databasePath + QStringLiteral(".started");
}

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"-wal", "-shm", "-journal"}) QFile::remove(path + QLatin1String(suffix));
}

}  // namespace

QString historySourceText(HistorySource source, const QString& detail) {
    switch (source) {
    case HistorySource::Window: return QStringLiteral("Markwell");
    case HistorySource::Command: return QStringLiteral("markwell-cli ") + detail;
    case HistorySource::Restore: return GradeHistoryText::tr("restored version %1").arg(detail);
    case HistorySource::Import: return GradeHistoryText::tr("import of %1").arg(detail);
    case HistorySource::Outside: return GradeHistoryText::tr("changed outside Markwell");
    }
    return detail;
}

GradeHistory::GradeHistory(QString databasePath, qint64 sizeLimit)
    : path_(std::move(databasePath)), sizeLimit_(sizeLimit) {
    const bool lost = !QFileInfo::exists(path_) && QFileInfo::exists(startedMarkPath(path_));
    if (!openDatabase()) return;
    if (lost) {
        notice_ = GradeHistoryText::tr("The grade history database %1 was missing; a new one was started. The "
                                       "classes and their marks are not affected, only the history before now is "
                                       "gone.")
                      .arg(path_);
    }
}

GradeHistory::~GradeHistory() = default;

QString GradeHistory::historyDatabasePath() {
    return programDataFolder() + QStringLiteral("/history/grade-history.sqlite");
}

QString GradeHistory::takeNotice() {
    return std::exchange(notice_, QString());
}

bool GradeHistory::openDatabase() {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!makePrivateFolder(folder) || !createPrivateFile(path_)) {
        offReason_ = GradeHistoryText::tr("%1 cannot be made or written").arg(path_);
        notice_ = GradeHistoryText::tr("The grade history is off: %1.").arg(offReason_);
        return false;
    }
    if (!db_.open(path_) || !prepareSchema()) {
        if (db_.failure().isDamage()) {
            startAfresh();
            return isAvailable();
        }
        offReason_ = db_.failure().message;
        notice_ = GradeHistoryText::tr("The grade history is off: %1 cannot be used (%2).").arg(path_, offReason_);
        db_.close();
        return false;
    }
    createPrivateFile(startedMarkPath(path_));
    return true;
}

// The log where the folder's file system can share memory between programs
// (not on every network drive), else the rollback journal. With the log a
// commit is safe from a killed program without a sync; the journal syncs.
void GradeHistory::chooseJournal() {
    writeAheadLog_ = db_.textOf("PRAGMA journal_mode=WAL").compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    db_.clearFailure();
    if (writeAheadLog_) {
        db_.run("PRAGMA synchronous=NORMAL");
    } else {
        db_.run("PRAGMA journal_mode=DELETE");
        db_.run("PRAGMA synchronous=FULL");
    }
}

bool GradeHistory::prepareSchema() {
    db_.clearFailure();
    const int found = db_.textOf("PRAGMA user_version").toInt();
    if (db_.hasFailed()) return false;
    if (found > kSchemaVersion) {
        db_.keepFailure({SQLITE_ERROR, GradeHistoryText::tr("it was made by a newer version of Markwell")});
        return false;
    }
    chooseJournal();
    if (found == kSchemaVersion) return !db_.hasFailed();
    sqlite::Transaction transaction(db_);
    // Another program may have made or upgraded it meanwhile.
    int version = db_.textOf("PRAGMA user_version").toInt();
    for (; version < kSchemaVersion && !db_.hasFailed(); ++version) {
        db_.run(kUpgrades[static_cast<std::size_t>(version)]);
    }
    db_.run(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion).toUtf8().constData());
    return !db_.hasFailed() && transaction.commit();
}

void GradeHistory::startAfresh() {
    const QString reason = db_.failure().message;
    db_.close();
    // The damaged file stays aside, one at a time, for whoever wants to look.
    const QString aside = path_ + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(path_, aside);
    removeDatabaseFiles(path_);
    notice_ = GradeHistoryText::tr("The grade history database %1 was damaged (%2); a new one was started and the "
                                   "damaged one kept as %3. The classes and their marks are not affected, only the "
                                   "history before now is gone.")
                  .arg(path_, reason, aside);
    if (!createPrivateFile(path_) || !db_.open(path_) || !prepareSchema()) {
        offReason_ = db_.failure().message;
        notice_ = GradeHistoryText::tr("The grade history is off: %1 cannot be used (%2).").arg(path_, offReason_);
        db_.close();
    }
}

Result<void> GradeHistory::attempt(const QString& doing, const std::function<bool()>& work) {
    for (int round = 0; round < 2 && isAvailable(); ++round) {
        db_.clearFailure();
        if (work() && !db_.hasFailed()) return {};
        if (!db_.failure().isDamage()) break;
        startAfresh();
    }
    const QString reason = isAvailable() ? db_.failure().message : offReason_;
    return fail(GradeHistoryText::tr("The grade history could not %1: %2").arg(doing, reason));
}

qint64 GradeHistory::usedBytes() {
    const qint64 pages = db_.textOf("PRAGMA page_count").toLongLong();
    const qint64 free = db_.textOf("PRAGMA freelist_count").toLongLong();
    return (pages - free) * db_.textOf("PRAGMA page_size").toLongLong();
}

}  // namespace markwell
