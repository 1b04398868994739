// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "mail/message/MimeMessage.h"
#include "mail/sending/FamilyMail.h"

#include <chrono>
#include <functional>

namespace markwell {

class SmtpSession;

// Told of a run as it goes, and asked whether to stop.
class SendWatcher {
public:
    virtual ~SendWatcher() = default;
    // Family `index` (from 0) of `count` is next.
    virtual void familyStarting(int index, int count, const QString& student) = 0;
    // One attempt ended: the line for the send log.
    virtual void attempted(const SendLogEntry& entry) = 0;
    // `addresses` said "not now": they are tried once more after a wait.
    virtual void waitingToRetry(int addresses) = 0;
    virtual bool cancelRequested() = 0;
};

struct SendTimings {
    std::chrono::milliseconds pause{500};         // between two families' messages
    std::chrono::milliseconds retryAfter{30000};  // before a deferred address is tried again
    // Waits for that long; false when the run was cancelled meanwhile. Tests
    // put one in that does not wait; by default it sleeps and asks the
    // watcher now and then.
    std::function<bool(std::chrono::milliseconds)> wait;
};

// Sends each family its message, one transaction per address, through one
// connection kept open:
// - a refusal (5xx) is final; "not now" (4xx) is tried once more after
//   retryAfter, once every family has had its turn;
// - a connection closed by the server (421) or lost before the message
//   went is opened again once and the address tried again; when that fails
//   too, the run stops;
// - a connection lost after the message went leaves the address unknown
//   (it may have arrived) and the next one starts on a new connection;
// - a family without an address is skipped; what a field holds that is no
//   address is refused without asking the server.
// Cancel stops before the next address; what went is exactly what the
// watcher was told of.
SendRun sendFamilyMail(SmtpSession& session, const QString& senderAddress, const std::vector<FamilyMail>& families,
                       const SendTimings& timings, SendWatcher& watcher);

}  // namespace markwell
