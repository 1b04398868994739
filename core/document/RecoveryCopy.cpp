// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/RecoveryCopy.h"

#include "core/document/DocumentFiles.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFolder.h"
#include "core/files/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace markwell {
namespace {

struct RecoveryCopyText {
    Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)
};

// The note naming the copy in use; a copy without it is unfinished.
QString noteName() {
    return QStringLiteral("recovery.txt");
}

// A note is a handful of short lines; anything larger is not ours.
constexpr qint64 kMaxNoteBytes = 64 * 1024;

QString notePath(const QString& folder) {
    return folder + u'/' + noteName();
}

// Each line is key=value, the value percent-encoded so that paths and
// messages with line breaks stay on their line.
QByteArray noteLine(const char* key, const QString& value) {
    return QByteArray(key) + '=' + value.toUtf8().toPercentEncoding() + '\n';
}

QMap<QByteArray, QString> readNote(const QString& folder) {
    QMap<QByteArray, QString> note;
    QFile file(notePath(folder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxNoteBytes) return note;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        note.insert(line.left(equals), QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(equals + 1))));
    }
    return note;
}

// Only a name this program gives: never a path that leads elsewhere.
bool isCopyName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^copy-[0-9]{1,20}$"));
    return pattern.match(name).hasMatch();
}

QString copyGradePath(const QString& folder, const QString& copyName, const QString& classPath) {
    return folder + u'/' + copyName + u'/' + QFileInfo(classPath).fileName();
}

// Removes every copy in the folder but `keep`: those of earlier writes, and
// any a kill left unfinished.
void removeOtherCopies(const QString& folder, const QString& keep) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("copy-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name != keep) QDir(dir.filePath(name)).removeRecursively();
    }
}

// A name later than every copy in the folder, so a new copy never lands in
// the one the note still names.
QString nextCopyName(const QString& folder, const QDateTime& madeAt) {
    qint64 stamp = madeAt.toMSecsSinceEpoch();
    while (QFileInfo::exists(folder + QStringLiteral("/copy-") + QString::number(stamp))) ++stamp;
    return QStringLiteral("copy-") + QString::number(stamp);
}

Result<void> writeNote(const QString& folder, const QString& copyName, const Document& document,
                       const QDateTime& madeAt) {
    QByteArray bytes;
    bytes += noteLine("copy", copyName);
    bytes += noteLine("class", document.markwellFile);
    bytes += noteLine("made", madeAt.toUTC().toString(Qt::ISODateWithMs));
    bytes += noteLine("attendanceDamage", document.attendanceDamage);
    bytes += noteLine("seatingDamage", document.seatingDamage);
    return writePrivateFileAtomically(notePath(folder), bytes);
}

// Whether a running program holds the folder's lock: its copy is in use.
bool isHeldByRunningProgram(const QString& folder) {
    QLockFile lock(recoveryLockPath(folder));
    lock.setStaleLockTime(0);  // only a lock whose program has gone is stale
    return !lock.tryLock(0);
}

std::optional<RecoveryCopy> leftCopyIn(const QString& folder) {
    const QMap<QByteArray, QString> note = readNote(folder);
    const QString copyName = note.value("copy");
    const QString classPath = note.value("class");
    const QDateTime madeAt = QDateTime::fromString(note.value("made"), Qt::ISODateWithMs);
    if (!isCopyName(copyName) || classPath.isEmpty() || !madeAt.isValid()) return std::nullopt;
    if (!QFileInfo(copyGradePath(folder, copyName, classPath)).isFile()) return std::nullopt;
    if (isHeldByRunningProgram(folder)) return std::nullopt;
    return RecoveryCopy{folder, classPath, madeAt};
}

void removeCopyIn(const QString& folder) {
    // The note first: a copy without its note is never offered.
    QFile::remove(notePath(folder));
    removeOtherCopies(folder, QString());
    QDir().rmdir(folder);  // only when no lock is left in it
}

}  // namespace

QString recoveryFolderFor(const QString& gradePath) {
    return classDataFolder(gradePath) + QStringLiteral("/recovery");
}

QString recoveryLockPath(const QString& recoveryFolder) {
    return recoveryFolder + QStringLiteral("/owner.lock");
}

Result<void> writeRecoveryCopy(const Document& document, const QDateTime& madeAt) {
    if (!document.isTitled()) return fail(RecoveryCopyText::tr("An untitled class has no recovery copy."));
    Result<QString> classFolder = createClassDataFolder(document.markwellFile);
    if (!classFolder) return classFolder.error();
    const QString folder = recoveryFolderFor(document.markwellFile);
    const QString copyName = nextCopyName(folder, madeAt);
    if (!makePrivateFolder(folder + u'/' + copyName)) {
        return fail(unableToCreate(folder + u'/' + copyName, QString()));
    }
    // The bytes a save of the class would write, into a folder of its own:
    // the class's files are never touched, and the class is not renamed.
    const QString gradePath = copyGradePath(folder, copyName, document.markwellFile);
    const Result<ClassFileBytes> bytes = serializeDocument(document, gradePath);
    Result<void> written = bytes ? Result<void>() : Result<void>(bytes.error());
    if (written) {
        written = writeFilesAsSet({{attendancePathFor(gradePath), bytes->attendance, true},
                                   {seatingPathFor(gradePath), bytes->seating, true},
                                   {gradePath, bytes->grade, true}});
    }
    if (!written) {
        QDir(folder + u'/' + copyName).removeRecursively();
        return written;
    }
    if (Result<void> noted = writeNote(folder, copyName, document, madeAt); !noted) {
        QDir(folder + u'/' + copyName).removeRecursively();
        return noted;
    }
    removeOtherCopies(folder, copyName);
    return {};
}

void removeRecoveryCopy(const QString& gradePath) {
    removeCopyIn(recoveryFolderFor(gradePath));
}

void discardRecoveryCopy(const RecoveryCopy& copy) {
    removeCopyIn(copy.folder);
}

std::vector<RecoveryCopy> findLeftRecoveryCopies() {
    std::vector<RecoveryCopy> copies;
    for (const QString& classFolder : existingClassDataFolders()) {
        if (std::optional<RecoveryCopy> copy = leftCopyIn(classFolder + QStringLiteral("/recovery"))) {
            copies.push_back(*copy);
        }
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.madeAt > b.madeAt; });
    return copies;
}

Result<Document> readRecoveryCopy(const RecoveryCopy& copy, const ScaleStore& store) {
    const QMap<QByteArray, QString> note = readNote(copy.folder);
    const QString copyName = note.value("copy");
    if (!isCopyName(copyName)) {
        return fail(RecoveryCopyText::tr("The recovery copy of %1 is gone or damaged.").arg(copy.classPath));
    }
    Result<Document> read = openDocument(copyGradePath(copy.folder, copyName, copy.classPath), store);
    if (!read) return read.error();
    Document document = std::move(read).value();
    // The copy's own siblings were written whole by this program.
    if (!document.attendanceDamage.isEmpty()) return fail(document.attendanceDamage);
    if (!document.seatingDamage.isEmpty()) return fail(document.seatingDamage);
    document.markwellFile = copy.classPath;
    document.attendFile = attendancePathFor(copy.classPath);
    document.seatingFile = seatingPathFor(copy.classPath);
    // A sibling the class could not use stays protected from the next save.
    document.attendanceDamage = note.value("attendanceDamage");
    document.seatingDamage = note.value("seatingDamage");
    document.modified = true;
    return document;
}

}  // namespace markwell
