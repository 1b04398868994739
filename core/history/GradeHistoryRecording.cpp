// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Recording: the state of each class, its entries and their lines, a save
// under way and how it is settled.

#include "core/history/GradeHistory.h"

#include "core/common/Cp1252.h"
#include "core/document/DataFolder.h"

#include <QCoreApplication>
#include <QDateTime>

namespace markwell {
namespace {

struct GradeHistoryText {
    Q_DECLARE_TR_FUNCTIONS(GradeHistory)
};

// Class-file bytes as the UTF-8 the database holds; plain ASCII (nearly
// every name and score) as it is, without a copy.
std::string_view utf8Of(std::string_view bytes, std::string& buffer) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            buffer = cp1252::toUtf8(bytes);
            return buffer;
        }
    }
    return bytes;
}

qint64 now() {
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

std::optional<qint64> GradeHistory::classIdOf(const QString& keyPath) {
    sqlite::Statement find(db_, "SELECT id FROM classes WHERE path = ?1");
    find.bind(1, keyPath);
    if (find.next()) return find.integer(0);
    return std::nullopt;
}

qint64 GradeHistory::makeClassId(const QString& keyPath) {
    if (const std::optional<qint64> id = classIdOf(keyPath)) return *id;
    sqlite::Statement add(db_, "INSERT INTO classes(path) VALUES(?1)");
    add.bind(1, keyPath).run();
    return db_.lastInsertId();
}

std::optional<ClassState> GradeHistory::recordedState(qint64 classId) {
    sqlite::Statement read(db_, "SELECT part, bytes FROM state_parts WHERE class = ?1 ORDER BY part");
    read.bind(1, classId);
    ClassState state;
    while (read.next()) {
        if (read.integer(0) != static_cast<qint64>(state.parts.size())) return std::nullopt;
        state.parts.push_back(read.blob(1));
    }
    // A state that does not read back whole is no state: the class is taken as it is next.
    if (!isReadableState(state)) return std::nullopt;
    return state;
}

QByteArray GradeHistory::recordedStamp(qint64 classId) {
    sqlite::Statement read(db_, "SELECT stamp FROM classes WHERE id = ?1");
    read.bind(1, classId);
    return read.next() ? read.blob(0) : QByteArray();
}

// Only the parts that differ from the state recorded are written again.
void GradeHistory::storeState(qint64 classId, const ClassState& state, const ClassState* recorded) {
    sqlite::Statement cut(db_, "DELETE FROM state_parts WHERE class = ?1 AND part >= ?2");
    cut.bind(1, classId).bind(2, static_cast<qint64>(recorded ? state.parts.size() : 0)).run();
    sqlite::Statement put(db_, "INSERT OR REPLACE INTO state_parts(class, part, bytes) VALUES(?1, ?2, ?3)");
    for (std::size_t i = 0; i < state.parts.size(); ++i) {
        if (recorded && i < recorded->parts.size() && recorded->parts[i] == state.parts[i]) continue;
        put.bind(1, classId).bind(2, static_cast<qint64>(i)).bindBlob(3, state.parts[i]).run();
    }
}

void GradeHistory::storeStamp(qint64 classId, const QByteArray& stamp) {
    sqlite::Statement put(db_, "UPDATE classes SET stamp = ?2 WHERE id = ?1");
    put.bind(1, classId).bindBlob(2, stamp).run();
}

qint64 GradeHistory::addEntry(qint64 classId, HistorySource source, const QString& detail, const QStringList& steps,
                              const std::vector<Difference>& lines, bool pending) {
    sqlite::Statement entry(
        db_, "INSERT INTO entries(class, at, source, detail, steps, pending) VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    entry.bind(1, classId)
        .bind(2, now())
        .bind(3, static_cast<qint64>(source))
        .bind(4, detail)
        .bind(5, steps.join(QLatin1Char('\n')))
        .bind(6, qint64{pending ? 1 : 0})
        .run();
    const qint64 id = db_.lastInsertId();
    sqlite::Statement line(db_, "INSERT INTO lines(entry, seq, what, student, assignment, old, new) "
                                "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    std::string buffers[4];
    qint64 seq = 0;
    for (const Difference& d : lines) {
        line.bind(1, id)
            .bind(2, seq++)
            .bind(3, static_cast<qint64>(d.what))
            .bind(4, utf8Of(d.student, buffers[0]))
            .bind(5, utf8Of(d.assignment, buffers[1]))
            .bind(6, utf8Of(d.oldValue, buffers[2]))
            .bind(7, utf8Of(d.newValue, buffers[3]));
        if (!line.run()) break;
    }
    return id;
}

Result<void> GradeHistory::noteClassOnDisk(const QString& classPath, const QByteArray& stamp,
                                           const std::function<std::optional<ClassState>()>& readState) {
    const QString key = classKeyPath(classPath);
    // The class is read, when it must be, before the database is locked for writing.
    std::optional<ClassState> onDisk;
    Result<void> looked = attempt(GradeHistoryText::tr("look at %1").arg(classPath), [&] {
        const std::optional<qint64> id = classIdOf(key);
        if (!id || hasPending(*id) || recordedStamp(*id) != stamp || !hasState(*id)) onDisk = readState();
        return true;
    });
    // Not read: the history knows the class as it is.
    if (!looked || !onDisk) return looked;
    return attempt(GradeHistoryText::tr("record the changes of %1").arg(classPath), [&] {
        sqlite::Transaction transaction(db_);
        const qint64 id = makeClassId(key);
        settlePending(id, stamp, &*onDisk);
        const std::optional<ClassState> recorded = recordedState(id);
        if (!recorded) {
            storeState(id, *onDisk, nullptr);
        } else if (*onDisk != *recorded) {
            addEntry(id, HistorySource::Outside, {}, {}, classDifferences(*recorded, *onDisk), false);
            storeState(id, *onDisk, &*recorded);
        }
        storeStamp(id, stamp);
        return !db_.hasFailed() && transaction.commit();
    });
}

bool GradeHistory::hasState(qint64 classId) {
    sqlite::Statement find(db_, "SELECT 1 FROM state_parts WHERE class = ?1 AND part = 0");
    find.bind(1, classId);
    return find.next();
}

bool GradeHistory::hasPending(qint64 classId) {
    sqlite::Statement find(db_, "SELECT 1 FROM entries WHERE class = ?1 AND pending = 1 LIMIT 1");
    find.bind(1, classId);
    return find.next();
}

// A save under way when its program ended: it happened when the class on
// disk is what it would have written (a journal finished, or a kill after
// the files were in place), else it did not (rolled back, or killed before).
void GradeHistory::settlePending(qint64 classId, const QByteArray& stamp, const ClassState* onDisk) {
    std::vector<qint64> pending;
    sqlite::Statement find(db_, "SELECT id FROM entries WHERE class = ?1 AND pending = 1 ORDER BY id");
    find.bind(1, classId);
    while (find.next()) pending.push_back(find.integer(0));
    for (const qint64 entry : pending) {
        const std::optional<ClassState> wrote = pendingState(entry, classId);
        const std::optional<ClassState> recorded = recordedState(classId);
        if (onDisk && wrote && *wrote == *onDisk && (!recorded || *recorded != *wrote)) {
            completeSave(entry, stamp);
        } else {
            dropEntry(entry);
        }
    }
}

std::optional<ClassState> GradeHistory::pendingState(qint64 entry, qint64 classId) {
    sqlite::Statement count(db_, "SELECT parts FROM entries WHERE id = ?1");
    count.bind(1, entry);
    if (!count.next()) return std::nullopt;
    const auto parts = static_cast<std::size_t>(count.integer(0));
    ClassState state = recordedState(classId).value_or(ClassState{});
    state.parts.resize(parts);
    sqlite::Statement read(db_, "SELECT part, bytes FROM pending_parts WHERE entry = ?1");
    read.bind(1, entry);
    while (read.next()) {
        const auto part = static_cast<std::size_t>(read.integer(0));
        if (part < parts) state.parts[part] = read.blob(1);
    }
    if (!isReadableState(state)) return std::nullopt;
    return state;
}

Result<qint64> GradeHistory::beginSave(const SaveToRecord& save) {
    const QString key = classKeyPath(save.classPath);
    const QString sourceKey = save.sourcePath.isEmpty() ? key : classKeyPath(save.sourcePath);
    qint64 entry = 0;
    std::optional<ClassState> recorded;
    std::optional<qint64> source;
    std::vector<Difference> lines;
    // The differences are worked out before the database is locked for writing.
    Result<void> read = attempt(GradeHistoryText::tr("look at %1").arg(save.classPath), [&] {
        const std::optional<qint64> id = classIdOf(key);
        recorded = id ? recordedState(*id) : std::nullopt;
        source = sourceKey != key ? classIdOf(sourceKey) : std::nullopt;
        const std::optional<ClassState> base = source ? recordedState(*source) : recorded;
        lines = classDifferences(base.value_or(ClassState{}), save.state, save.renames);
        return true;
    });
    if (!read) return read.error();
    Result<void> begun = attempt(GradeHistoryText::tr("record the save of %1").arg(save.classPath), [&] {
        sqlite::Transaction transaction(db_);
        const qint64 id = makeClassId(key);
        entry = addEntry(id, save.source, save.detail, save.steps, lines, true);
        sqlite::Statement mark(db_, "UPDATE entries SET carried_from = ?2, parts = ?3 WHERE id = ?1");
        mark.bind(1, entry).bind(3, static_cast<qint64>(save.state.parts.size()));
        if (source) mark.bind(2, *source);
        else mark.bindNull(2);
        mark.run();
        sqlite::Statement put(db_, "INSERT INTO pending_parts(entry, part, bytes) VALUES(?1, ?2, ?3)");
        for (std::size_t i = 0; i < save.state.parts.size(); ++i) {
            if (recorded && i < recorded->parts.size() && recorded->parts[i] == save.state.parts[i]) continue;
            put.bind(1, entry).bind(2, static_cast<qint64>(i)).bindBlob(3, save.state.parts[i]).run();
        }
        return !db_.hasFailed() && transaction.commit();
    });
    if (!begun) return begun.error();
    return entry;
}

Result<void> GradeHistory::finishSave(qint64 entry, const QByteArray& stamp) {
    Result<void> finished = attempt(GradeHistoryText::tr("record a save"), [&] {
        sqlite::Transaction transaction(db_);
        completeSave(entry, stamp);
        return !db_.hasFailed() && transaction.commit();
    });
    if (finished) keepWithinLimit();
    return finished;
}

Result<void> GradeHistory::abandonSave(qint64 entry) {
    return attempt(GradeHistoryText::tr("forget a save that was not made"), [&] {
        sqlite::Transaction transaction(db_);
        dropEntry(entry);
        return !db_.hasFailed() && transaction.commit();
    });
}

void GradeHistory::completeSave(qint64 entry, const QByteArray& stamp) {
    sqlite::Statement read(db_, "SELECT class, carried_from, parts FROM entries WHERE id = ?1 AND pending = 1");
    read.bind(1, entry);
    if (!read.next()) return;  // settled already
    const qint64 classId = read.integer(0);
    const std::optional<qint64> carried = read.isNull(1) ? std::nullopt : std::optional<qint64>(read.integer(1));
    const qint64 parts = read.integer(2);
    if (carried) carryHistory(*carried, classId, entry);
    followRenames(classId, entry);
    sqlite::Statement cut(db_, "DELETE FROM state_parts WHERE class = ?1 AND part >= ?2");
    cut.bind(1, classId).bind(2, parts).run();
    sqlite::Statement take(db_, "INSERT OR REPLACE INTO state_parts(class, part, bytes) "
                                "SELECT ?1, part, bytes FROM pending_parts WHERE entry = ?2");
    take.bind(1, classId).bind(2, entry).run();
    sqlite::Statement done(db_, "UPDATE entries SET pending = 0, carried_from = NULL, parts = NULL WHERE id = ?1");
    done.bind(1, entry).run();
    sqlite::Statement clear(db_, "DELETE FROM pending_parts WHERE entry = ?1");
    clear.bind(1, entry).run();
    storeStamp(classId, stamp);
}

void GradeHistory::dropEntry(qint64 entry) {
    for (const char* sql : {"DELETE FROM lines WHERE entry = ?1", "DELETE FROM pending_parts WHERE entry = ?1",
                            "DELETE FROM entries WHERE id = ?1"}) {
        sqlite::Statement drop(db_, sql);
        drop.bind(1, entry).run();
    }
}

// A class saved under another name takes the history of the class it came
// from in place of its own (the class that was there was replaced, and is
// kept as an earlier version). The copies keep their times; their numbers
// follow every number in use.
void GradeHistory::carryHistory(qint64 fromClass, qint64 toClass, qint64 keepEntry) {
    sqlite::Statement dropLines(db_, "DELETE FROM lines WHERE entry IN "
                                     "(SELECT id FROM entries WHERE class = ?1 AND id <> ?2)");
    dropLines.bind(1, toClass).bind(2, keepEntry).run();
    sqlite::Statement dropEntries(db_, "DELETE FROM entries WHERE class = ?1 AND id <> ?2");
    dropEntries.bind(1, toClass).bind(2, keepEntry).run();
    sqlite::Statement span(db_, "SELECT (SELECT max(id) FROM entries) - min(id) + 1 FROM entries "
                                "WHERE class = ?1 AND pending = 0");
    span.bind(1, fromClass);
    const qint64 offset = span.next() ? span.integer(0) : 0;
    sqlite::Statement copyLines(db_,
                                "INSERT INTO lines SELECT entry + ?2, seq, what, student, assignment, old, new "
                                "FROM lines WHERE entry IN (SELECT id FROM entries WHERE class = ?1 AND pending = 0)");
    copyLines.bind(1, fromClass).bind(2, offset).run();
    sqlite::Statement copyEntries(db_, "INSERT INTO entries(id, class, at, source, detail, steps, pending) "
                                       "SELECT id + ?2, ?3, at, source, detail, steps, 0 FROM entries "
                                       "WHERE class = ?1 AND pending = 0");
    copyEntries.bind(1, fromClass).bind(2, offset).bind(3, toClass).run();
    sqlite::Statement since(db_, "UPDATE classes SET incomplete_before = "
                                 "(SELECT incomplete_before FROM classes WHERE id = ?1) WHERE id = ?2");
    since.bind(1, fromClass).bind(2, toClass).run();
}

// A student renamed by this save keeps their history: the earlier lines
// take the new name. In two steps, so that two students who swapped names
// do not end up as one.
void GradeHistory::followRenames(qint64 classId, qint64 entry) {
    sqlite::Statement renames(db_, "SELECT old, new FROM lines WHERE entry = ?1 AND what = ?2");
    renames.bind(1, entry).bind(2, static_cast<qint64>(DifferenceKind::StudentRenamed));
    sqlite::Statement mark(db_, "UPDATE lines SET student = char(1) || ?3 WHERE student = ?2 AND entry IN "
                                "(SELECT id FROM entries WHERE class = ?1 AND id <> ?4)");
    bool any = false;
    while (renames.next()) {
        mark.bind(1, classId).bind(2, renames.textView(0)).bind(3, renames.textView(1)).bind(4, entry).run();
        any = true;
    }
    if (!any) return;
    sqlite::Statement settle(db_, "UPDATE lines SET student = substr(student, 2) WHERE substr(student, 1, 1) = char(1) "
                                  "AND entry IN (SELECT id FROM entries WHERE class = ?1)");
    settle.bind(1, classId).run();
}

// The oldest entries of all classes go, a few hundred at a time, until the
// entries fit; each class notes the newest of its own that went.
void GradeHistory::keepWithinLimit() {
    while (usedBytes() > sizeLimit_) {
        sqlite::Transaction transaction(db_);
        sqlite::Statement oldest(db_, "SELECT id, class, at FROM entries WHERE pending = 0 ORDER BY id LIMIT 256");
        sqlite::Statement note(db_, "UPDATE classes SET incomplete_before = max(coalesce(incomplete_before, 0), ?2) "
                                    "WHERE id = ?1");
        int dropped = 0;
        while (oldest.next()) {
            note.bind(1, oldest.integer(1)).bind(2, oldest.integer(2)).run();
            dropEntry(oldest.integer(0));
            ++dropped;
        }
        if (dropped == 0 || db_.hasFailed() || !transaction.commit()) return;
    }
}

}  // namespace markwell
