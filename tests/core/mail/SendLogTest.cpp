// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/SendLog.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace markwell;

namespace {

SendLogEntry entry(const QDateTime& time, const QString& student, DeliveryResult result, const QString& reply = {}) {
    return {time,
            student,
            student.section(QLatin1Char(' '), 0, 0).toLower() + QStringLiteral("@x.org"),
            QStringLiteral("Grades of ") + student,
            result,
            reply};
}

const QDateTime kNow = QDateTime(QDate(2026, 6, 20), QTime(14, 30), Qt::UTC);

}  // namespace

TEST(SendLog, EntriesComeBackAsWrittenWhateverTheyHold) {
    QTemporaryDir dir;
    const SendLog log(dir.filePath(QStringLiteral("log/send-log.txt")));
    const std::vector<SendLogEntry> entries{
        entry(kNow, QStringLiteral("Zoë Núñez"), DeliveryResult::Sent, QStringLiteral("250 2.0.0 Ok")),
        entry(kNow.addSecs(1), QStringLiteral("Tab\tand\nline \\n"), DeliveryResult::Refused,
              QStringLiteral("550 5.1.1 <x>:\tno such user\r\n")),
        entry(kNow.addSecs(2), QStringLiteral("Cleo"), DeliveryResult::MailProgram),
    };
    ASSERT_TRUE(log.append({entries[0]}));
    ASSERT_TRUE(log.append({entries[1], entries[2]}));
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, entries);
}

TEST(SendLog, IsPrivateInAPrivateFolderWhateverTheUmaskAndSkipsWhatDoesNotRead) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data/class"));
    const QString path = folder + QStringLiteral("/send-log.txt");
    const SendLog log(path);
    const mode_t old = ::umask(0);
    const bool made = static_cast<bool>(log.append({entry(kNow, QStringLiteral("Ann Lee"), DeliveryResult::Sent)}));
    const unsigned madeModes[] = {fileMode(dir.filePath(QStringLiteral("data"))), fileMode(folder), fileMode(path)};
    // A log left readable by others, with a damaged line and one half written.
    QFile file(path);
    const bool damaged = file.open(QIODevice::WriteOnly) &&
                         file.write("garbage line\n2026-06-20T10:00:00Z\tA\ta@x.org\tS\tsent\t250\n"
                                    "2026-06-20T10:00:01Z\tB\tb@x") > 0 &&
                         file.setPermissions(file.permissions() | QFileDevice::ReadOther) &&
                         QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ExeOther);
    file.close();
    const bool appended =
        static_cast<bool>(log.append({entry(kNow, QStringLiteral("Cleo Park"), DeliveryResult::Unknown)}));
    ::umask(old);
    ASSERT_TRUE(made && damaged && appended);
    EXPECT_EQ(madeModes[0], 0700u);
    EXPECT_EQ(madeModes[1], 0700u);
    EXPECT_EQ(madeModes[2], 0600u);
    EXPECT_EQ(fileMode(folder), 0700u);
    EXPECT_EQ(fileMode(path), 0600u);
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ(read->front().student, QStringLiteral("A"));
}

TEST(SendLog, EntriesOlderThan400DaysGoAndTheRestStay) {
    QTemporaryDir dir;
    const SendLog log(dir.filePath(QStringLiteral("send-log.txt")));
    const std::vector<SendLogEntry> entries{entry(kNow.addDays(-401), QStringLiteral("Old One"), DeliveryResult::Sent),
                                            entry(kNow.addDays(-399), QStringLiteral("Kept One"), DeliveryResult::Sent),
                                            entry(kNow, QStringLiteral("New One"), DeliveryResult::Deferred)};
    ASSERT_TRUE(log.append(entries));
    ASSERT_TRUE(log.removeOldEntries(kNow));
    const Result<std::vector<SendLogEntry>> read = log.read();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (std::vector<SendLogEntry>{entries[1], entries[2]}));
    EXPECT_EQ(fileMode(log.path()), 0600u);
}

TEST(SendLog, TheTableShowsTheNewestFirst) {
    const Sheet sheet = sendLogSheet(
        {entry(kNow, QStringLiteral("Ann Lee"), DeliveryResult::Sent),
         entry(kNow.addSecs(60), QStringLiteral("Bob Stone"), DeliveryResult::Refused, QStringLiteral("550 no"))});
    ASSERT_EQ(sheet.maxRow(), 3);
    EXPECT_EQ(sheet.toTsv(CellRange::rows(1, 1)), QStringLiteral("Time\tStudent\tAddress\tSubject\tResult\tReply\n"));
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral("Bob Stone"));
    EXPECT_EQ(sheet.text(2, 5), QStringLiteral("refused"));
    EXPECT_EQ(sheet.text(2, 6), QStringLiteral("550 no"));
    EXPECT_EQ(sheet.text(3, 1), kNow.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}
