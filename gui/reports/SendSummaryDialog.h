// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "mail/sending/FamilyMail.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace markwell {

class SheetView;

// How a send ended: the counts, every address that did not get its message
// with the reason, the students skipped, and "Resend the failed ones"
// (accept) when any address may still get its message.
class SendSummaryDialog : public QDialog {
    Q_OBJECT
public:
    SendSummaryDialog(const SendRun& run, bool canResend, QWidget* parent = nullptr);

    QLabel* summaryLabel() const { return summary_; }
    QPushButton* resendButton() const { return resend_; }
    const Sheet& problems() const { return problems_; }

private:
    Sheet problems_;
    QLabel* summary_;
    QPushButton* resend_;
};

}  // namespace markwell
