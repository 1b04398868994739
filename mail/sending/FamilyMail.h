// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/mail/FamilyAddresses.h"
#include "core/mail/SendLog.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace markwell {

// One family's message before it goes: the student it is about, the
// addresses it goes to, and the message itself, made only when its turn
// comes (a report is drawn for it), or made already when it is sent again.
struct FamilyMail {
    QString student;
    FamilyAddresses addresses;
    QString subject;  // as the log records it
    std::function<Result<QByteArray>()> makeMessage;
    QByteArray message;  // when already made: sent as it is
};

// What became of one address: its last attempt's result, or none when the
// run ended before it was tried.
struct AddressResult {
    QString address;
    std::optional<DeliveryResult> result;
    QString reply;
    bool unusable = false;  // not an address: refused without asking a server

    bool delivered() const { return result == DeliveryResult::Sent || result == DeliveryResult::MailProgram; }
};

// What became of one family's message.
struct FamilyResult {
    QString student;
    QString subject;
    std::vector<AddressResult> addresses;  // the unusable ones too, refused without asking a server
    QByteArray message;                    // kept while an address lacks it, to send the same message again
    bool skipped() const { return addresses.empty(); }
};

// A whole run: every family in order, and why it stopped early, if it did.
struct SendRun {
    std::vector<FamilyResult> families;
    bool cancelled = false;
    QString stoppedBecause;  // a connection or a report that failed; empty when it ran to its end

    // Counts for the summary.
    int count(DeliveryResult result) const;
    int skippedCount() const;
    int notTriedCount() const;
};

// For "Resend the failed ones": the families of `sent` with the addresses
// that did not get their message in `run` (refused, deferred or never tried;
// the unknown ones only when `includeUnknown`; never what is no address),
// each with the message made the first time, so that a resend is the same
// message.
std::vector<FamilyMail> failedFamilies(const std::vector<FamilyMail>& sent, const SendRun& run, bool includeUnknown);

}  // namespace markwell
