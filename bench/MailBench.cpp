// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Families' messages, each built with a 50 KB report attached, sent through
// a real mail server on 127.0.0.1 (python3 -m aiosmtpd, as the tests start
// it) over one connection, with no pause between messages. 30 families must
// take well under 5 s; items_per_second is messages per second. The second
// argument 1 has the server throw each message away instead of writing it
// and reading it back as the tests do: the time left is the sending side's.
//
//   build/bench/markwell_bench --benchmark_filter=SendFamilies

#include "mail/message/MimeMessage.h"
#include "mail/sending/FamilySender.h"
#include "mail/smtp/SmtpSession.h"
#include "tests/support/SmtpTestServer.h"

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

class QuietWatcher : public SendWatcher {
public:
    void familyStarting(int, int, const QString&) override {}
    void attempted(const SendLogEntry&) override {}
    void waitingToRetry(int) override {}
    bool cancelRequested() override { return false; }
};

std::vector<FamilyMail> families(int count) {
    const QByteArray report(50 * 1024, 'x');
    std::vector<FamilyMail> list;
    for (int i = 0; i < count; ++i) {
        FamilyMail mail;
        mail.student = QStringLiteral("Student %1").arg(i + 1);
        mail.addresses.recipients.push_back({mail.student, QStringLiteral("s%1@x.org").arg(i + 1)});
        mail.subject = QStringLiteral("Grades of ") + mail.student;
        mail.makeMessage = [mail, report]() -> Result<QByteArray> {
            MessageContent content;
            content.from = {QStringLiteral("Teacher"), QStringLiteral("teacher@school.example")};
            content.to = {{mail.student, mail.addresses.recipients[0].address}};
            content.subject = mail.subject;
            content.body = QStringLiteral("The report of %1 is attached.").arg(mail.student);
            content.attachment = MessageAttachment{mail.student + QStringLiteral(".pdf"), report};
            content.date = QDateTime::currentDateTime();
            content.messageId = newMessageId(content.from.address);
            return mimeMessageBytes(content);
        };
        list.push_back(std::move(mail));
    }
    return list;
}

void BM_SendFamilies(benchmark::State& state) {
    test::SmtpTestServer server({state.range(1) ? QStringList{QStringLiteral("discard=1")} : QStringList{}});
    if (!server.problem().isEmpty()) {
        state.SkipWithError(server.problem().toStdString().c_str());
        return;
    }
    const std::vector<FamilyMail> mails = families(static_cast<int>(state.range(0)));
    SendTimings timings;
    timings.pause = std::chrono::milliseconds(0);
    QuietWatcher watcher;
    for (auto _ : state) {
        SmtpSession session({QStringLiteral("127.0.0.1"), server.port(), MailSecurity::None, {}, {}, {}});
        const SendRun run = sendFamilyMail(session, QStringLiteral("teacher@school.example"), mails, timings, watcher);
        if (run.count(DeliveryResult::Sent) != state.range(0)) state.SkipWithError("not every message was taken");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_SendFamilies)->Args({30, 0})->Args({30, 1})->Args({200, 1})->Unit(benchmark::kMillisecond)->UseRealTime();
