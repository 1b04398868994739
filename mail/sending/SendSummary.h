// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "mail/sending/FamilySender.h"

#include <QString>

namespace markwell {

// How a run ended, in one paragraph: how many addresses got their message,
// were refused, are unknown or were not sent, and how many students were
// skipped for want of an address; why it stopped early when it did.
QString sendSummaryText(const SendRun& run);

// Every address that did not get its message and every student skipped:
// Student, Address, Result, Reply (the reason), in the order of the run.
Sheet sendProblemsSheet(const SendRun& run);

}  // namespace markwell
