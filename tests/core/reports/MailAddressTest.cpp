// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The e-mail command's addresses and attachment files: what the class
// holds may name a recipient or a file, never more.

#include "core/mail/MailAddress.h"
#include "core/mail/MailAttachment.h"
#include "core/sheet/Sheet.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace markwell;

TEST(MailAddress, EverythingButTheSafeCharactersIsPercentEncoded) {
    const struct {
        std::string field;  // Windows-1252 bytes
        const char* url;
    } cases[] = {
        {"", "mailto:?subject=Grades&body="},
        {"  ann@school.org ", "mailto:ann@school.org?subject=Grades&body="},
        {"ann lee@school.org", "mailto:ann%20lee@school.org?subject=Grades&body="},
        {"ren\xE9@school.org", "mailto:ren%C3%A9@school.org?subject=Grades&body="},  // é as UTF-8
        {"a&b@x.org", "mailto:a%26b@x.org?subject=Grades&body="},
        {"x@y.org?bcc=all@z.org", "mailto:x@y.org%3Fbcc%3Dall@z.org?subject=Grades&body="},
        {"x@y.org#frag", "mailto:x@y.org%23frag?subject=Grades&body="},
        {"100%@y.org", "mailto:100%25@y.org?subject=Grades&body="},
        // A comma or a semicolon would start a second recipient.
        {"a@x.org, b@y.org", "mailto:a@x.org%2C%20b@y.org?subject=Grades&body="},
        {"a@b.c,evil@x.y", "mailto:a@b.c%2Cevil@x.y?subject=Grades&body="},
        {"a@b.c;evil@x.y", "mailto:a@b.c%3Bevil@x.y?subject=Grades&body="},
        {"o'neil+1~!$()*:@x.org", "mailto:o'neil+1~!$()*:@x.org?subject=Grades&body="},
        {"a<b>\"c\\d", "mailto:a%3Cb%3E%22c%5Cd?subject=Grades&body="},
    };
    for (const auto& c : cases) {
        const QByteArray url = gradesMailtoUrl(c.field);
        EXPECT_EQ(url, QByteArray(c.url)) << c.field;
        // The address reaches the mail program exactly so.
        const QUrl parsed = QUrl::fromEncoded(url, QUrl::StrictMode);
        EXPECT_TRUE(parsed.isValid()) << c.field;
        EXPECT_EQ(parsed.toEncoded(), url) << c.field;
        EXPECT_EQ(parsed.query(QUrl::FullyEncoded), QStringLiteral("subject=Grades&body=")) << c.field;
    }
    EXPECT_EQ(recipientUrl("x@y.org?bcc=z"), QByteArray("mailto:x@y.org%3Fbcc%3Dz"));
    EXPECT_EQ(recipientUrl("x@y.org,z@w.org"), QByteArray("mailto:x@y.org%2Cz@w.org"));
    EXPECT_EQ(recipientUrl("   "), QByteArray());
}

TEST(MailAttachment, NamesKeepOnlyLettersDigitsSpacesDashesAndUnderscores) {
    EXPECT_EQ(attachmentFileName(QStringLiteral("Zoë Brandt-Lee_2")), QStringLiteral("Zoë Brandt-Lee_2.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("../../.profile")), QStringLiteral("_______profile.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("a/b")), QStringLiteral("a_b.xls"));
    EXPECT_EQ(attachmentFileName(QStringLiteral("..")), QStringLiteral("__.xls"));
    EXPECT_EQ(attachmentFileName(QString()), QStringLiteral("student.xls"));
    EXPECT_EQ(attachmentFileName(QString(150, QLatin1Char('x'))),
              QString(100, QLatin1Char('x')) + QStringLiteral(".xls"));
}

TEST(MailAttachment, EachReportGoesIntoANewPrivateFolderAndOverwritesNothing) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    const QString parent = cache.filePath(QStringLiteral("not/yet/there"));
    Sheet report;
    report.setText(1, 1, QStringLiteral("Assignments"));

    QStringList written;
    for (const QString& name : {QStringLiteral("../../x"), QStringLiteral("a/b"), QStringLiteral(".."), QString(),
                                QStringLiteral("../../x")}) {
        const Result<QString> path = writeMailAttachment({{QStringLiteral("Overall"), &report}}, name, parent);
        ASSERT_TRUE(path.ok()) << path.message().toStdString();
        const QFileInfo file(*path);
        EXPECT_TRUE(file.isFile());
        // Directly inside a folder of its own, directly inside the parent.
        EXPECT_EQ(QFileInfo(file.absolutePath()).absolutePath(), QFileInfo(parent).absoluteFilePath());
        EXPECT_EQ(fileMode(file.absolutePath()), 0700u);
        EXPECT_FALSE(written.contains(*path));
        written << *path;
    }
    // Nothing was written anywhere else.
    EXPECT_EQ(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 5);
    EXPECT_EQ(QDir(cache.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"not"});
}

TEST(MailAttachment, AFailedWriteSaysWhyAndLeavesNoFolder) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    // The parent is a file: nothing can be made in it.
    const QString blocker = cache.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeWholeFile(blocker, {}));
    const Sheet empty;
    const Result<QString> path =
        writeMailAttachment({{QStringLiteral("Overall"), &empty}}, QStringLiteral("Ann"), blocker);
    ASSERT_FALSE(path.ok());
    EXPECT_TRUE(path.message().contains(blocker)) << path.message().toStdString();

    // A report too large for the file type: refused, and its new folder removed again.
    Sheet huge;
    huge.setMaxRow(70000);
    huge.setText(70000, 1, QStringLiteral("x"));
    const QString parent = cache.filePath(QStringLiteral("mail"));
    EXPECT_FALSE(writeMailAttachment({{QStringLiteral("Overall"), &huge}}, QStringLiteral("Ann"), parent).ok());
    EXPECT_TRUE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}
