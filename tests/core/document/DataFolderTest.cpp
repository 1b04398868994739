// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/grading/GradesFixture.h"
#include "tests/support/TestFiles.h"

#include "core/document/DocumentFiles.h"
#include "core/document/RecoveryCopy.h"
#include "core/files/DataFolder.h"
#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace markwell;

namespace {

// Set-id and sticky bits count too.
unsigned modeOf(const QString& path) {
    return fileMode(path, 07777);
}

// Every file and folder under `top` that is not private, with its mode.
QStringList notPrivateUnder(const QString& top) {
    QStringList found;
    if (modeOf(top) != 0700) found << QStringLiteral("%1 %2").arg(top).arg(modeOf(top), 0, 8);
    QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const unsigned wanted = QFileInfo(path).isDir() ? 0700 : 0600;
        if (modeOf(path) != wanted) found << QStringLiteral("%1 %2").arg(path).arg(modeOf(path), 0, 8);
    }
    return found;
}

// The umask most desktops run with, for the length of a test.
struct Umask022 {
    Umask022() : old(::umask(022)) {}
    ~Umask022() { ::umask(old); }
    mode_t old;
};

TEST(DataFolder, KeepsEachClassApartAndOutOfTheClassFolderByAnyNameOfItAndSaysWhichClassItBelongsTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("period1.grs"));
    const QString second = dir.filePath(QStringLiteral("sub/period1.grs"));
    EXPECT_NE(classDataFolder(first), classDataFolder(second));
    EXPECT_TRUE(classDataFolder(first).startsWith(programDataFolder() + u'/'));
    EXPECT_FALSE(classDataFolder(first).startsWith(dir.path()));
    // A class not saved yet and the same class once saved share a folder;
    // a link to it and an untidy path find that folder too.
    const QString before = classDataFolder(first);
    ASSERT_TRUE(writeWholeFile(first, {}));
    EXPECT_EQ(classDataFolder(first), before);
    const QString link = dir.filePath(QStringLiteral("linked.grs"));
    ASSERT_TRUE(QFile::link(first, link));
    EXPECT_EQ(classDataFolder(link), before);
    EXPECT_EQ(classDataFolder(dir.path() + QStringLiteral("/./x/../period1.grs")), before);

    // A folder made says which class it belongs to.
    const QString path = dir.filePath(QStringLiteral("Period 1 (math).grs"));
    Result<QString> folder = createClassDataFolder(path);
    ASSERT_TRUE(folder.ok()) << folder.message().toStdString();
    EXPECT_TRUE(QDir(*folder).exists());
    EXPECT_EQ(dataFolderClassPath(*folder), classKeyPath(path));
    EXPECT_TRUE(dataFolderClassPath(dir.filePath(QStringLiteral("none"))).isEmpty());
    // Made again, it is still there and still says so.
    ASSERT_TRUE(createClassDataFolder(path).ok());
    EXPECT_EQ(dataFolderClassPath(*folder), classKeyPath(path));
}

TEST(PrivateFiles, WhatMarkwellKeepsForItselfIsTheUsersAloneWhateverTheUmask) {
    const Umask022 umask;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString classPath = dir.filePath(QStringLiteral("period1.grs"));
    Document document;
    document.classRecord = test::makeClass({"Ann"}, {});
    SaveOptions keeping;
    keeping.keepVersions = 10;
    // A save, a second save (which keeps a version), a recovery copy.
    ASSERT_TRUE(saveClass(document, classPath, keeping).ok());
    document.classRecord.students[0].id = "A-1";
    ASSERT_TRUE(saveClass(document, classPath, keeping).ok());
    document.modified = true;
    ASSERT_TRUE(writeRecoveryCopy(document, QDateTime::currentDateTime()).ok());
    // A password set in a settings file of its own (the user's may hold one
    // already), in a folder that does not exist yet.
    QSettingsStore settings(dir.filePath(QStringLiteral("config/Larkhaven/Grades.ini")));
    const PasswordProtection::Choice choice{true, {}, QStringLiteral("secret"), QStringLiteral("secret")};
    ASSERT_EQ(PasswordProtection(settings).apply(choice).outcome, PasswordProtection::Outcome::Saved);
    ASSERT_TRUE(settings.flush().ok());

    EXPECT_EQ(notPrivateUnder(classDataFolder(classPath)), QStringList());
    for (const QString& folder : {programDataFolder(), QFileInfo(programDataFolder()).absolutePath(),
                                  QFileInfo(classDataFolder(classPath)).absolutePath()}) {
        EXPECT_EQ(modeOf(folder), 0700u) << folder.toStdString();
    }
    EXPECT_EQ(notPrivateUnder(QFileInfo(settings.fileName()).absolutePath()), QStringList());
    // The class itself follows the umask, as any file the teacher saves.
    EXPECT_EQ(modeOf(classPath), 0644u);
}

}  // namespace
