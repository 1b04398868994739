// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/KilledSave.h"
#include "tests/support/TestFiles.h"

#include "core/files/SaveJournal.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

using namespace markwell;

namespace {

// A set of three files, two of them there with old content: the attendance
// and the grade file are replaced, the seats made anew.
class SaveJournal : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(writeFileAtomically(path("c.ATD"), "old attendance").ok());
        ASSERT_TRUE(writeFileAtomically(path("c.grs"), "old grades").ok());
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QString journal() const { return path(".c.grs.journal"); }
    std::vector<FileToWrite> newSet() const {
        return {{path("c.ATD"), "new attendance"}, {path("c.SEA"), "new seats"}, {path("c.grs"), "new grades"}};
    }
    QByteArray contents() const {
        return fileContents(path("c.ATD")) + '|' + fileContents(path("c.SEA")) + '|' + fileContents(path("c.grs"));
    }
    static QByteArray oldContents() { return "old attendance|<unreadable>|old grades"; }
    static QByteArray newContents() { return "new attendance|new seats|new grades"; }
    // The kept files the journal names, as its "file" lines give them.
    QStringList keptFiles() const {
        QStringList kept;
        for (const QByteArray& line : fileContents(journal()).split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 5 && fields[0] == "file" && fields[3] != "-") kept << QString::fromUtf8(fields[3]);
        }
        return kept;
    }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(SaveJournal, ASaveKilledBetweenOrAfterItsRenamesIsFinishedOneWayOrTheOther) {
    // The set has three renames; a kill before the first leaves it old.
    for (int killedAt = 1; killedAt <= 3; ++killedAt) {
        SCOPED_TRACE(killedAt);
        SetUp();
        ASSERT_TRUE(test::saveKilledAtRename(newSet(), journal(), killedAt));
        ASSERT_TRUE(QFileInfo::exists(journal()));
        const QStringList kept = keptFiles();
        EXPECT_EQ(kept.size(), 2);  // the new seats replace nothing
        for (const QString& file : kept) EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();

        const Result<std::optional<FinishedJournal>> finished = finishJournal(journal());
        ASSERT_TRUE(finished.ok()) << finished.message().toStdString();
        ASSERT_TRUE(finished->has_value());
        EXPECT_FALSE((*finished)->rolledForward);
        EXPECT_EQ((*finished)->save.origin, QStringLiteral("Save"));
        EXPECT_EQ(contents(), oldContents());
        EXPECT_EQ(filesIn(dir_.path()), (QStringList{"c.ATD", "c.grs"}));
        // Nothing more to finish.
        EXPECT_FALSE(finishJournal(journal())->has_value());
    }

    // Killed after its last rename, the journal still there: the new set is kept.
    SetUp();
    ASSERT_TRUE(test::saveKilledAtRename(newSet(), journal(), 3, true));
    ASSERT_EQ(contents(), newContents());
    ASSERT_TRUE(QFileInfo::exists(journal()));

    const Result<std::optional<FinishedJournal>> finished = finishJournal(journal());
    ASSERT_TRUE(finished.ok() && finished->has_value());
    EXPECT_TRUE((*finished)->rolledForward);
    EXPECT_EQ(contents(), newContents());
    EXPECT_EQ(filesIn(dir_.path()).size(), 3);  // no journal, no kept file
}

TEST_F(SaveJournal, AFailedRenamePutsTheOldSetBackAWholeSaveLeavesNothingAndADamagedJournalIsLeft) {
    int renames = 0;
    const Result<void> failed = replaceFilesUnderJournal(
        newSet(), journal(), QStringLiteral("test"), {}, [&](const QString& from, const QString& to) {
            if (++renames == 3) {
                errno = EIO;
                return -1;
            }
            return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
        });
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.message().startsWith(QStringLiteral("Unable to create ") + path("c.grs")));
    EXPECT_EQ(contents(), oldContents());
    EXPECT_EQ(filesIn(dir_.path()), (QStringList{"c.ATD", "c.grs"}));

    // A check that fails once everything is staged replaces nothing either.
    const Result<void> refused = replaceFilesUnderJournal(newSet(), journal(), QStringLiteral("test"),
                                                          [] { return Result<void>(fail(QStringLiteral("lost"))); });
    EXPECT_EQ(refused.message(), QStringLiteral("lost"));
    EXPECT_EQ(contents(), oldContents());
    EXPECT_EQ(filesIn(dir_.path()).size(), 2);

    ASSERT_TRUE(replaceFilesUnderJournal(newSet(), journal(), QStringLiteral("test")).ok());
    EXPECT_EQ(contents(), newContents());
    EXPECT_EQ(filesIn(dir_.path()).size(), 3);

    // A journal that cannot be read is left for a person.
    ASSERT_TRUE(writeFileAtomically(journal(), "markwell save journal 1\nfile only-a-name\n").ok());
    const Result<std::optional<FinishedJournal>> finished = finishJournal(journal());
    ASSERT_FALSE(finished.ok());
    EXPECT_TRUE(finished.message().contains(QStringLiteral("is damaged"))) << finished.message().toStdString();
    EXPECT_TRUE(QFileInfo::exists(journal()));
    EXPECT_EQ(contents(), newContents());
}
