// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/SaveJournal.h"

#include "core/files/StagedFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <unistd.h>

namespace markwell {
namespace {

struct SaveJournalText {
    Q_DECLARE_TR_FUNCTIONS(SaveJournal)
};

const QByteArray kHeading = "markwell save journal 1";
// A journal names a handful of files; anything larger is not one.
constexpr qint64 kMaxJournalBytes = 1024 * 1024;

// One file of the set: where it goes, the new content waiting beside it,
// the old content kept (none when the file is new) and the new content's digest.
struct Entry {
    QString target;
    QString part;
    QString kept;
    QByteArray digest;
};

struct Journal {
    JournaledSave save;
    std::vector<Entry> entries;
};

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Fields are percent-encoded, so that a path with spaces stays one field;
// slashes stay readable for a person looking at the journal.
QByteArray field(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : text.toUtf8().toPercentEncoding("/");
}

QString fromField(const QByteArray& bytes) {
    return bytes == "-" ? QString() : QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray journalText(const Journal& journal) {
    QByteArray text = kHeading + '\n';
    text += "origin " + field(journal.save.origin) + '\n';
    text += "started " + journal.save.started.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    for (const Entry& e : journal.entries) {
        text += "file " + field(e.target) + ' ' + field(e.part) + ' ' + field(e.kept) + ' ' + e.digest + '\n';
    }
    return text;
}

Result<Journal> parseJournal(const QByteArray& text, const QString& path) {
    const auto damaged = [&path] {
        return fail(SaveJournalText::tr("The save journal %1 is damaged; the save it guards cannot be finished. Look "
                                        "at the class's files and remove the journal by hand.")
                        .arg(path));
    };
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.takeFirst() != kHeading) return damaged();
    Journal journal;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.front() == "origin" && parts.size() == 2) {
            journal.save.origin = fromField(parts[1]);
        } else if (parts.front() == "started" && parts.size() == 2) {
            journal.save.started = QDateTime::fromString(QString::fromLatin1(parts[1]), Qt::ISODateWithMs);
        } else if (parts.front() == "file" && parts.size() == 5) {
            Entry e{fromField(parts[1]), fromField(parts[2]), fromField(parts[3]), parts[4]};
            if (e.target.isEmpty() || e.part.isEmpty() || e.digest.size() != 64) return damaged();
            journal.save.targets << e.target;
            journal.entries.push_back(std::move(e));
        } else if (!line.isEmpty()) {
            return damaged();
        }
    }
    if (journal.entries.empty()) return damaged();
    return journal;
}

// Whether the file holds the content the save put there.
bool hasNewContent(const Entry& e) {
    QFile file(e.target);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&file) && hash.result().toHex() == e.digest;
}

void syncFolders(const Journal& journal, const QString& journalPath) {
    std::set<QString> folders{QFileInfo(journalPath).absolutePath()};
    for (const Entry& e : journal.entries) folders.insert(QFileInfo(e.target).absolutePath());
    for (const QString& folder : folders) syncFolderOf(folder + QStringLiteral("/."));
}

void removeKeptFiles(const Journal& journal) {
    for (const Entry& e : journal.entries) {
        if (!e.kept.isEmpty()) ::unlink(native(e.kept).constData());
    }
}

// The journal first: no kept file goes while a journal names it. New
// contents still waiting (the same as what is in place) go too.
void forgetJournal(const Journal& journal, const QString& journalPath) {
    ::unlink(native(journalPath).constData());
    syncFolderOf(journalPath);
    removeKeptFiles(journal);
    for (const Entry& e : journal.entries) ::unlink(native(e.part).constData());
}

// Puts the old set back: each kept file over its target, each file the save
// made anew removed, each new content not yet in place dropped.
Result<void> rollBack(const Journal& journal, const QString& journalPath) {
    Result<void> outcome;
    for (const Entry& e : journal.entries) {
        if (!e.kept.isEmpty()) {
            if (QFileInfo::exists(e.kept) &&
                std::rename(native(e.kept).constData(), native(e.target).constData()) != 0) {
                outcome = fail(
                    SaveJournalText::tr("Unable to put %1 back from %2: %3").arg(e.target, e.kept, systemError(errno)));
            }
        } else if (hasNewContent(e)) {
            ::unlink(native(e.target).constData());
        }
        ::unlink(native(e.part).constData());
    }
    syncFolders(journal, journalPath);
    return outcome;
}

Result<void> writeJournal(const QString& path, const Journal& journal) {
    Result<StagedFile> staged = StagedFile::begin(path);
    if (!staged) return staged.error();
    if (Result<void> written = staged->write(journalText(journal)); !written) return written;
    if (Result<void> finished = staged->finish(); !finished) return finished;
    if (std::rename(native(staged->tempPath()).constData(), native(staged->target()).constData()) != 0) {
        return fail(unableToCreate(path, systemError(errno)));
    }
    staged->markCommitted();
    syncFolderOf(path);
    return {};
}

int renameFile(const QString& from, const QString& to) {
    return std::rename(native(from).constData(), native(to).constData());
}

// Every new content written whole and synced beside its file.
Result<std::vector<StagedFile>> stageAll(const std::vector<FileToWrite>& files) {
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    for (const FileToWrite& file : files) {
        const auto access = file.isPrivate ? StagedFile::Access::Private : StagedFile::Access::LikeReplaced;
        Result<StagedFile> started = StagedFile::begin(file.path, access);
        if (!started) return started.error();
        staged.push_back(std::move(started).value());
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (Result<void> written = staged[i].write(files[i].bytes); !written) return written.error();
        if (Result<void> finished = staged[i].finish(); !finished) return finished.error();
    }
    return staged;
}

// The journal of the staged set, each old content kept under its name.
Result<Journal> keepOldContents(const std::vector<StagedFile>& staged, const std::vector<FileToWrite>& files,
                                const QString& origin) {
    Journal journal;
    journal.save.origin = origin;
    journal.save.started = QDateTime::currentDateTimeUtc();
    for (std::size_t i = 0; i < staged.size(); ++i) {
        const StagedFile& file = staged[i];
        Entry e{file.target(), file.tempPath(), {}, digestOf(files[i].bytes)};
        if (QFileInfo::exists(file.target())) {
            if (!file.keepOldContent()) {
                const Result<void> refused = fail(unableToCreate(file.path(), systemError(errno)));
                removeKeptFiles(journal);
                return refused.error();
            }
            e.kept = file.backupPath();
        }
        journal.save.targets << e.target;
        journal.entries.push_back(std::move(e));
    }
    return journal;
}

}  // namespace

Result<void> replaceFilesUnderJournal(const std::vector<FileToWrite>& files, const QString& journalPath,
                                      const QString& origin, const std::function<Result<void>()>& lastCheck,
                                      const RenameStep& rename) {
    Result<std::vector<StagedFile>> staged = stageAll(files);
    if (!staged) return staged.error();
    Result<Journal> journal = keepOldContents(*staged, files, origin);
    if (!journal) return journal.error();
    Result<void> ready = lastCheck ? lastCheck() : Result<void>();
    if (ready) ready = writeJournal(journalPath, *journal);
    if (!ready) {
        removeKeptFiles(*journal);
        return ready;
    }
    const RenameStep& step = rename ? rename : RenameStep(renameFile);
    for (std::size_t i = 0; i < staged->size(); ++i) {
        StagedFile& file = (*staged)[i];
        if (step(file.tempPath(), file.target()) != 0) {
            Result<void> failed = fail(unableToCreate(file.path(), systemError(errno)));
            // The journal stays when a file cannot be put back: the next
            // reader tries again.
            if (rollBack(*journal, journalPath)) forgetJournal(*journal, journalPath);
            return failed;
        }
        file.markCommitted();
    }
    syncFolders(*journal, journalPath);
    forgetJournal(*journal, journalPath);
    return {};
}

Result<std::optional<FinishedJournal>> finishJournal(const QString& journalPath) {
    QFile file(journalPath);
    if (!file.exists()) return std::optional<FinishedJournal>();
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(SaveJournalText::tr("Unable to open the save journal %1: %2").arg(journalPath, file.errorString()));
    }
    if (file.size() > kMaxJournalBytes) return parseJournal({}, journalPath).error();
    Result<Journal> journal = parseJournal(file.readAll(), journalPath);
    file.close();
    if (!journal) return journal.error();

    FinishedJournal finished{true, journal->save};
    for (const Entry& e : journal->entries) finished.rolledForward = finished.rolledForward && hasNewContent(e);
    if (!finished.rolledForward) {
        if (Result<void> back = rollBack(*journal, journalPath); !back) return back.error();
    }
    forgetJournal(*journal, journalPath);
    return std::optional<FinishedJournal>(finished);
}

}  // namespace markwell
