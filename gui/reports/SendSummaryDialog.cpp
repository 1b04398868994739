// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/SendSummaryDialog.h"

#include "gui/reports/ReportWindowParts.h"
#include "gui/shared/HelpTopics.h"
#include "gui/sheetview/SheetView.h"
#include "mail/sending/SendSummary.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwell {

SendSummaryDialog::SendSummaryDialog(const SendRun& run, bool canResend, QWidget* parent)
    : QDialog(parent), problems_(sendProblemsSheet(run)), summary_(new QLabel(sendSummaryText(run))),
      resend_(new QPushButton(tr("&Resend the Failed Ones"))) {
    setWindowTitle(tr("Messages Sent"));
    setObjectName(QStringLiteral("sendSummaryDialog"));
    setHelpTopic(this, HelpTopic::SendReports);
    summary_->setObjectName(QStringLiteral("sendSummary"));
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    resend_->setObjectName(QStringLiteral("resendButton"));
    resend_->setEnabled(canResend);
    resend_->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(resend_, QDialogButtonBox::AcceptRole);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    if (problems_.maxRow() > 1) {
        SheetView* view = ReportWindowParts::readOnlyView(QStringLiteral("sendProblems"));
        ReportWindowParts::show(view, &problems_);
        layout->addWidget(view, 1);
    }
    layout->addWidget(buttons);
    resize(640, problems_.maxRow() > 1 ? 360 : 160);
}

}  // namespace markwell
