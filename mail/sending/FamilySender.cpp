// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/sending/FamilySender.h"

#include "mail/smtp/SmtpSession.h"

#include <QCoreApplication>

#include <algorithm>
#include <thread>

namespace markwell {
namespace {

struct FamilySenderText {
    Q_DECLARE_TR_FUNCTIONS(FamilySender)
};

using Clock = std::chrono::steady_clock;
using Kind = DeliveryReply::Kind;

QString replyText(const DeliveryReply& reply) {
    if (!reply.reply.isEmpty()) return reply.reply.text;
    return reply.message;
}

// An address that said "not now", waiting for its second try.
struct Deferral {
    std::size_t family;
    std::size_t address;
    Clock::time_point due;
};

class Run {
public:
    Run(SmtpSession& session, QString sender, const SendTimings& timings, SendWatcher& watcher)
        : session_(session), sender_(std::move(sender)), timings_(timings), watcher_(watcher) {
        session_.setCancelCheck([this] { return watcher_.cancelRequested(); });
    }

    SendRun sendAll(const std::vector<FamilyMail>& families) {
        for (const FamilyMail& family : families) run_.families.push_back(resultFor(family));
        for (std::size_t f = 0; f < families.size() && going(); ++f) {
            watcher_.familyStarting(static_cast<int>(f), static_cast<int>(families.size()), families[f].student);
            const bool sends = !families[f].addresses.recipients.empty();
            if (sends && sentBefore_ && timings_.pause.count() > 0 && !wait(timings_.pause)) break;
            sendFamily(families[f], run_.families[f], f);
            sentBefore_ = sentBefore_ || sends;
        }
        retryDeferred();
        return std::move(run_);
    }

private:
    static FamilyResult resultFor(const FamilyMail& family) {
        FamilyResult result{family.student, family.subject, {}, family.message};
        for (const FamilyRecipient& r : family.addresses.recipients) result.addresses.push_back({r.address, {}, {}});
        for (const QString& unusable : family.addresses.unusable) {
            result.addresses.push_back(
                {unusable, DeliveryResult::Refused, FamilySenderText::tr("not an e-mail address"), true});
        }
        return result;
    }

    bool going() const { return !run_.cancelled && run_.stoppedBecause.isEmpty(); }

    bool wait(std::chrono::milliseconds time) {
        const bool waited = timings_.wait ? timings_.wait(time) : sleepUnlessCancelled(time);
        if (!waited || watcher_.cancelRequested()) run_.cancelled = true;
        return !run_.cancelled;
    }

    bool sleepUnlessCancelled(std::chrono::milliseconds time) {
        const Clock::time_point end = Clock::now() + time;
        while (Clock::now() < end) {
            if (watcher_.cancelRequested()) return false;
            std::this_thread::sleep_for(std::min<Clock::duration>(std::chrono::milliseconds(50), end - Clock::now()));
        }
        return true;
    }

    void sendFamily(const FamilyMail& family, FamilyResult& result, std::size_t f) {
        if (family.addresses.recipients.empty()) return;
        if (result.message.isEmpty()) {
            Result<QByteArray> made = family.makeMessage();
            if (!made) {
                run_.stoppedBecause = made.message();
                return;
            }
            result.message = std::move(*made);
        }
        for (std::size_t a = 0; a < family.addresses.recipients.size() && going(); ++a) {
            if (watcher_.cancelRequested()) {
                run_.cancelled = true;
                break;
            }
            if (tryAddress(result, result.addresses[a]) == Kind::Deferred) {
                deferred_.push_back({f, a, Clock::now() + timings_.retryAfter});
            }
        }
        if (std::all_of(result.addresses.begin(), result.addresses.end(),
                        [](const AddressResult& a) { return a.delivered() || a.unusable; })) {
            result.message.clear();  // nobody needs it again
        }
    }

    // One address, with the one reconnection a closed or lost connection gets.
    Kind tryAddress(FamilyResult& family, AddressResult& address) {
        DeliveryReply reply = session_.deliver(sender_, address.address, family.message);
        if (reply.kind == Kind::ServerClosing || reply.kind == Kind::Dropped) {
            record(family, address, DeliveryResult::Failed, lostConnectionText(reply));
            session_.reconnect();
            reply = session_.deliver(sender_, address.address, family.message);
            if (reply.kind == Kind::ServerClosing || reply.kind == Kind::Dropped) {
                record(family, address, DeliveryResult::Failed, lostConnectionText(reply));
                run_.stoppedBecause =
                    FamilySenderText::tr("The connection to the mail server was lost again after reconnecting: %1")
                        .arg(lostConnectionText(reply));
                return reply.kind;
            }
        }
        switch (reply.kind) {
        case Kind::Accepted: record(family, address, DeliveryResult::Sent, replyText(reply)); break;
        case Kind::Refused: record(family, address, DeliveryResult::Refused, replyText(reply)); break;
        case Kind::Deferred: record(family, address, DeliveryResult::Deferred, replyText(reply)); break;
        case Kind::Unknown:
            record(family, address, DeliveryResult::Unknown,
                   FamilySenderText::tr("the connection was lost after the message was sent: %1").arg(reply.message));
            session_.reconnect();
            break;
        case Kind::SessionFailed: run_.stoppedBecause = reply.message; break;
        case Kind::Cancelled: run_.cancelled = true; break;
        case Kind::ServerClosing:
        case Kind::Dropped: break;
        }
        return reply.kind;
    }

    static QString lostConnectionText(const DeliveryReply& reply) {
        if (!reply.reply.isEmpty()) return reply.reply.text;
        return FamilySenderText::tr("the connection was lost before the message was sent: %1").arg(reply.message);
    }

    void record(const FamilyResult& family, AddressResult& address, DeliveryResult result, const QString& reply) {
        address.result = result;
        address.reply = reply;
        watcher_.attempted(
            {QDateTime::currentDateTimeUtc(), family.student, address.address, family.subject, result, reply});
    }

    void retryDeferred() {
        if (deferred_.empty() || !going()) return;
        watcher_.waitingToRetry(static_cast<int>(deferred_.size()));
        for (const Deferral& d : deferred_) {
            if (!going()) break;
            if (const Clock::duration left = d.due - Clock::now(); left > Clock::duration::zero()) {
                if (!wait(std::chrono::ceil<std::chrono::milliseconds>(left))) break;
            }
            if (watcher_.cancelRequested()) {
                run_.cancelled = true;
                break;
            }
            FamilyResult& family = run_.families[d.family];
            tryAddress(family, family.addresses[d.address]);
        }
    }

    SmtpSession& session_;
    QString sender_;
    const SendTimings& timings_;
    SendWatcher& watcher_;
    SendRun run_;
    std::vector<Deferral> deferred_;
    bool sentBefore_ = false;
};

}  // namespace

int SendRun::count(DeliveryResult result) const {
    int n = 0;
    for (const FamilyResult& f : families) {
        for (const AddressResult& a : f.addresses) n += a.result == result ? 1 : 0;
    }
    return n;
}

int SendRun::skippedCount() const {
    return static_cast<int>(
        std::count_if(families.begin(), families.end(), [](const FamilyResult& f) { return f.skipped(); }));
}

int SendRun::notTriedCount() const {
    int n = 0;
    for (const FamilyResult& f : families) {
        for (const AddressResult& a : f.addresses) n += a.result ? 0 : 1;
    }
    return n;
}

std::vector<FamilyMail> failedFamilies(const std::vector<FamilyMail>& sent, const SendRun& run, bool includeUnknown) {
    std::vector<FamilyMail> again;
    for (std::size_t i = 0; i < run.families.size() && i < sent.size(); ++i) {
        const FamilyResult& f = run.families[i];
        FamilyMail mail{f.student, {}, f.subject, sent[i].makeMessage, f.message};
        for (const AddressResult& a : f.addresses) {
            if (a.delivered() || a.unusable) continue;
            if (a.result == DeliveryResult::Unknown && !includeUnknown) continue;
            mail.addresses.recipients.push_back({{}, a.address});
        }
        if (!mail.addresses.recipients.empty()) again.push_back(std::move(mail));
    }
    return again;
}

SendRun sendFamilyMail(SmtpSession& session, const QString& senderAddress, const std::vector<FamilyMail>& families,
                       const SendTimings& timings, SendWatcher& watcher) {
    return Run(session, senderAddress, timings, watcher).sendAll(families);
}

}  // namespace markwell
