// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/EarlierVersions.h"

#include "core/document/DocumentFiles.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFolder.h"
#include "core/files/GradeFile.h"
#include "core/files/PrivateFiles.h"
#include "core/files/StagedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

namespace markwell {
namespace {

struct EarlierVersions {
    Q_DECLARE_TR_FUNCTIONS(EarlierVersions)
};

// A version is a folder named by its number holding the class under one name.
QString versionGradeName() {
    return QStringLiteral("class.grs");
}

QString versionsFolder(const QString& gradePath) {
    return classDataFolder(gradePath) + QStringLiteral("/versions");
}

// The numbers of the versions kept, lowest first. Only folders named by a
// plain number count: anything else there is not a version.
std::vector<int> keptNumbers(const QString& folder) {
    std::vector<int> numbers;
    for (const QString& name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const int number = name.length() <= 9 ? name.toInt(&ok) : 0;
        if (ok && number > 0 && QString::number(number) == name) numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString versionPath(const QString& folder, int number) {
    return folder + u'/' + QString::number(number);
}

bool sameAsVersion(const ClassFileBytes& files, const QString& versionFolder) {
    const Result<ClassFileBytes> kept = readClassFileBytes(versionFolder + u'/' + versionGradeName());
    return kept && *kept == files;
}

// A folder a version is written into before it gets its number:
// ".keeping-PID-XXXXXX", named after the process that writes it.
const QRegularExpression& keepingFolderPattern() {
    static const QRegularExpression pattern(QStringLiteral("^\\.keeping-(?:(\\d+)-)?[^/]*$"));
    return pattern;
}

// A version being written lives for moments; one of an older Markwell, which
// did not name its process, is left over once it is this old.
constexpr qint64 kUnnamedKeepingAgeSecs = 3600;

// Removes the folders of keepings that were killed before they were whole.
void removeKilledKeepings(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral(".keeping-*")}, QDir::Dirs | QDir::Hidden)) {
        const QRegularExpressionMatch match = keepingFolderPattern().match(name);
        if (!match.hasMatch()) continue;
        const bool gone = match.captured(1).isEmpty()
                              ? QFileInfo(dir.filePath(name)).lastModified().secsTo(QDateTime::currentDateTime()) >
                                    kUnnamedKeepingAgeSecs
                              : writerIsGone(match.captured(1).toLongLong());
        if (gone) QDir(dir.filePath(name)).removeRecursively();
    }
}

// Writes the files into a fresh folder and only then gives it its number, so
// that a version is either whole or not there. The version's grade file
// keeps the time the class was saved.
Result<void> storeVersion(const QString& folder, int number, const ClassFileBytes& files, const QDateTime& saved) {
    QTemporaryDir incoming(folder + QStringLiteral("/.keeping-%1-XXXXXX").arg(QCoreApplication::applicationPid()));
    if (!incoming.isValid()) return fail(unableToCreate(folder, incoming.errorString()));
    const QStringList paths = classFilePathsFor(incoming.filePath(versionGradeName()));
    for (const auto& [path, bytes] : {std::pair{paths.at(0), &files.grade}, std::pair{paths.at(1), &files.attendance},
                                      std::pair{paths.at(2), &files.seating}}) {
        if (Result<void> written = writePrivateFileAtomically(path, *bytes); !written) return written;
    }
    QFile grade(paths.front());
    if (grade.open(QIODevice::ReadWrite)) grade.setFileTime(saved, QFileDevice::FileModificationTime);
    grade.close();
    // Another program keeping a version of this class at the same moment
    // may have taken the number: the next one is free.
    for (int tries = 0; tries < 10; ++tries, ++number) {
        if (QDir().rename(incoming.path(), versionPath(folder, number))) {
            incoming.setAutoRemove(false);
            return {};
        }
    }
    return fail(unableToCreate(versionPath(folder, number), EarlierVersions::tr("the folder cannot be renamed")));
}

void letGoOfOldest(const QString& folder, int keep) {
    std::vector<int> numbers = keptNumbers(folder);
    for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < numbers.size(); ++i) {
        QDir(versionPath(folder, numbers[i])).removeRecursively();
    }
}

EarlierVersion describeVersion(const QString& folder, int number) {
    EarlierVersion version;
    version.number = number;
    version.gradeFile = versionPath(folder, number) + u'/' + versionGradeName();
    version.saved = QFileInfo(version.gradeFile).lastModified();
    if (Result<ClassRecord> cls = readGradeFile(version.gradeFile)) {
        version.students = static_cast<int>(cls->students.size());
        version.assignments = static_cast<int>(cls->assignments.size());
    }
    return version;
}

}  // namespace

Result<void> keepEarlierVersion(const QString& gradePath, int keep) {
    if (keep <= 0 || !QFileInfo(gradePath).isFile()) return {};
    const Result<ClassFileBytes> files = readClassFileBytes(gradePath);
    if (!files) return files.error();
    return keepEarlierVersion(gradePath, *files, keep);
}

Result<void> keepEarlierVersion(const QString& gradePath, const ClassFileBytes& files, int keep) {
    if (keep <= 0 || !QFileInfo(gradePath).isFile()) return {};
    if (Result<QString> made = createClassDataFolder(gradePath); !made) return made.error();
    const QString folder = versionsFolder(gradePath);
    if (!makePrivateFolder(folder)) {
        return fail(unableToCreate(folder, EarlierVersions::tr("the folder cannot be made")));
    }
    removeKilledKeepings(folder);

    const std::vector<int> numbers = keptNumbers(folder);
    const bool unchanged = !numbers.empty() && sameAsVersion(files, versionPath(folder, numbers.back()));
    if (!unchanged) {
        const int next = numbers.empty() ? 1 : numbers.back() + 1;
        const QDateTime saved = QFileInfo(gradePath).lastModified();
        if (Result<void> stored = storeVersion(folder, next, files, saved); !stored) return stored;
    }
    letGoOfOldest(folder, keep);
    return {};
}

std::vector<EarlierVersion> earlierVersions(const QString& gradePath) {
    const QString folder = versionsFolder(gradePath);
    std::vector<int> numbers = keptNumbers(folder);
    std::vector<EarlierVersion> versions;
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        EarlierVersion version = describeVersion(folder, *it);
        if (QFileInfo(version.gradeFile).isFile()) versions.push_back(std::move(version));
    }
    return versions;
}

std::optional<EarlierVersion> earlierVersion(const QString& gradePath, int number) {
    for (EarlierVersion& version : earlierVersions(gradePath)) {
        if (version.number == number) return std::move(version);
    }
    return std::nullopt;
}

Result<ClassFileBytes> readEarlierVersion(const EarlierVersion& version) {
    return readClassFileBytes(version.gradeFile);
}

Result<Document> openEarlierVersion(const EarlierVersion& version, const ScaleStore& store) {
    Result<Document> document = openDocument(version.gradeFile, store);
    if (!document) return document.error();
    document->markwellFile.clear();
    document->attendFile.clear();
    document->seatingFile.clear();
    // Nowhere on disk yet: closing it asks to save it.
    document->modified = true;
    return document;
}

}  // namespace markwell
