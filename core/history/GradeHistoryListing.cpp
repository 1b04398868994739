// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Reading a class's history back, and forgetting a student in it.

#include "core/history/GradeHistory.h"

#include "core/document/DataFolder.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

namespace markwell {
namespace {

struct GradeHistoryText {
    Q_DECLARE_TR_FUNCTIONS(GradeHistory)
};

// The first moment of a day of this computer's calendar.
qint64 startOf(const QDate& day) {
    return QDateTime(day, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
}

// A name as a filter takes it: exactly, or the same letters in another case.
class NameMatch {
public:
    explicit NameMatch(const QString& name) : name_(name), utf8_(name.toUtf8().toStdString()) {}
    bool operator()(std::string_view text) const {
        if (name_.isEmpty() || text == utf8_) return true;
        if (isAscii(text) && isAscii(utf8_)) {
            return text.size() == utf8_.size() &&
                   std::equal(text.begin(), text.end(), utf8_.begin(), [](char a, char b) {
                       return std::tolower(static_cast<unsigned char>(a)) ==
                              std::tolower(static_cast<unsigned char>(b));
                   });
        }
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                   .compare(name_, Qt::CaseInsensitive) == 0;
    }

private:
    static bool isAscii(std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    QString name_;
    std::string utf8_;
};

}  // namespace

Result<std::vector<HistoryLine>> GradeHistory::lines(const QString& classPath, const HistoryFilter& filter) {
    std::vector<HistoryLine> found;
    const NameMatch student(filter.student);
    const NameMatch assignment(filter.assignment);
    Result<void> listed = attempt(GradeHistoryText::tr("list the history of %1").arg(classPath), [&] {
        const std::optional<qint64> id = classIdOf(classKeyPath(classPath));
        if (!id) return true;
        sqlite::Statement read(db_, "SELECT e.id, e.at, e.source, e.detail, e.steps, l.what, l.student, l.assignment, "
                                    "l.old, l.new FROM entries e JOIN lines l ON l.entry = e.id "
                                    "WHERE e.class = ?1 AND e.pending = 0 AND e.at >= ?2 AND e.at < ?3 "
                                    "ORDER BY e.at DESC, e.id DESC, l.seq");
        read.bind(1, *id)
            .bind(2, filter.since ? startOf(*filter.since) : std::numeric_limits<qint64>::min())
            .bind(3, filter.until ? startOf(filter.until->addDays(1)) : std::numeric_limits<qint64>::max());
        HistoryLine entry;  // what the lines of one entry share
        entry.entry = -1;
        while (read.next()) {
            if (!student(read.textView(6)) || !assignment(read.textView(7))) continue;
            if (read.integer(0) != entry.entry) {
                entry.entry = read.integer(0);
                entry.when = read.integer(1);
                entry.source = static_cast<HistorySource>(read.integer(2));
                entry.detail = read.text(3);
                const QString steps = read.text(4);
                entry.steps = steps.isEmpty() ? QStringList() : steps.split(QLatin1Char('\n'));
            }
            HistoryLine& line = found.emplace_back(entry);
            line.what = static_cast<DifferenceKind>(read.integer(5));
            line.student = read.text(6);
            line.assignment = read.text(7);
            line.oldValue = read.text(8);
            line.newValue = read.text(9);
        }
        return true;
    });
    if (!listed) return listed.error();
    return found;
}

std::optional<qint64> GradeHistory::incompleteBefore(const QString& classPath) {
    std::optional<qint64> before;
    const Result<void> read = attempt(GradeHistoryText::tr("list the history of %1").arg(classPath), [&] {
        sqlite::Statement find(db_, "SELECT incomplete_before FROM classes WHERE path = ?1");
        find.bind(1, classKeyPath(classPath));
        if (find.next() && !find.isNull(0)) before = find.integer(0);
        return true;
    });
    return read ? before : std::nullopt;
}

Result<int> GradeHistory::forgetStudent(const QString& classPath, const QString& name) {
    int forgotten = 0;
    const NameMatch student(name);
    Result<void> done = attempt(GradeHistoryText::tr("forget %1 in the history of %2").arg(name, classPath), [&] {
        sqlite::Transaction transaction(db_);
        const std::optional<qint64> id = classIdOf(classKeyPath(classPath));
        if (!id) return transaction.commit();
        // The student's lines, and the renames that name them on either side.
        sqlite::Statement read(db_, "SELECT l.entry, l.seq, l.what, l.student, l.old, l.new FROM lines l "
                                    "JOIN entries e ON e.id = l.entry WHERE e.class = ?1 AND e.pending = 0");
        read.bind(1, *id);
        std::vector<std::pair<qint64, qint64>> lines;  // entry and place
        while (read.next()) {
            const bool renamed = read.integer(2) == static_cast<qint64>(DifferenceKind::StudentRenamed);
            if (student(read.textView(3)) || (renamed && (student(read.textView(4)) || student(read.textView(5)))))
                lines.emplace_back(read.integer(0), read.integer(1));
        }
        std::set<qint64> entries;
        sqlite::Statement drop(db_, "DELETE FROM lines WHERE entry = ?1 AND seq = ?2");
        for (const auto& [entry, seq] : lines) {
            drop.bind(1, entry).bind(2, seq).run();
            entries.insert(entry);
        }
        forgotten = static_cast<int>(lines.size());
        sqlite::Statement empty(db_, "DELETE FROM entries WHERE id = ?1 AND NOT EXISTS "
                                     "(SELECT 1 FROM lines WHERE entry = ?1)");
        for (const qint64 entry : entries) empty.bind(1, entry).run();
        return !db_.hasFailed() && transaction.commit();
    });
    if (!done) return done.error();
    return forgotten;
}

}  // namespace markwell
