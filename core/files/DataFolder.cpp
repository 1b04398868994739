// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/DataFolder.h"

#include "core/files/AtomicFile.h"
#include "core/files/PrivateFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace markwell {
namespace {

struct DataFolder {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)
};

QString classPathNoteName() {
    return QStringLiteral("class-path.txt");
}

// A readable start (the file's base name, limited to safe characters) and a
// hash of the whole path: readable for a person, unique for the program.
QString folderNameFor(const QString& keyPath) {
    QString base = QFileInfo(keyPath).completeBaseName().left(40);
    for (QChar& c : base) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_') c = u'_';
    }
    const QByteArray hash = QCryptographicHash::hash(keyPath.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return base + u'-' + QString::fromLatin1(hash);
}

QString classesFolder() {
    return programDataFolder() + QStringLiteral("/classes");
}

}  // namespace

QString programDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString classKeyPath(const QString& gradePath) {
    const QFileInfo file(gradePath);
    if (file.exists()) return file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty()) return QDir(folder).filePath(file.fileName());
    return QDir::cleanPath(file.absoluteFilePath());
}

QString classDataFolder(const QString& gradePath) {
    return classesFolder() + u'/' + folderNameFor(classKeyPath(gradePath));
}

QStringList existingClassDataFolders() {
    const QDir classes(classesFolder());
    QStringList folders;
    for (const QString& name : classes.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        folders << classes.filePath(name);
    }
    return folders;
}

Result<QString> createClassDataFolder(const QString& gradePath) {
    QString folder = classDataFolder(gradePath);
    // The program's folder itself too: an older Markwell made it readable by all.
    if (!makePrivateFolder(programDataFolder()) || !makePrivateFolder(classesFolder()) || !makePrivateFolder(folder)) {
        return fail(
            DataFolder::tr("Unable to create the folder %1 for Markwell's own copies of %2.").arg(folder, gradePath));
    }
    const QString note = folder + u'/' + classPathNoteName();
    const QByteArray path = classKeyPath(gradePath).toUtf8();
    QFile existing(note);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == path) {
        makePrivate(note);
        return folder;
    }
    if (Result<void> written = writePrivateFileAtomically(note, path); !written) return written.error();
    return folder;
}

QString dataFolderClassPath(const QString& folder) {
    QFile note(folder + u'/' + classPathNoteName());
    if (!note.open(QIODevice::ReadOnly)) return {};
    // A path, never more: a note grown large is not ours.
    const QByteArray bytes = note.read(64 * 1024);
    return QString::fromUtf8(bytes);
}

}  // namespace markwell
