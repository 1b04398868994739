// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/sending/SendSummary.h"

#include "core/reports/ReportStyle.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct SendSummaryText {
    Q_DECLARE_TR_FUNCTIONS(SendSummary)
};

constexpr int kColumns = 4;

}  // namespace

QString sendSummaryText(const SendRun& run) {
    QString text = SendSummaryText::tr("Sent: %1. Refused: %2. Deferred: %3. Unknown: %4. Not sent: %5. Skipped "
                                       "(no address): %6.")
                       .arg(run.count(DeliveryResult::Sent))
                       .arg(run.count(DeliveryResult::Refused))
                       .arg(run.count(DeliveryResult::Deferred))
                       .arg(run.count(DeliveryResult::Unknown))
                       .arg(run.count(DeliveryResult::Failed) + run.notTriedCount())
                       .arg(run.skippedCount());
    if (run.cancelled) text += QLatin1Char('\n') + SendSummaryText::tr("Sending was cancelled.");
    if (!run.stoppedBecause.isEmpty()) {
        text += QLatin1Char('\n') + SendSummaryText::tr("Sending stopped: %1").arg(run.stoppedBecause);
    }
    if (run.count(DeliveryResult::Unknown) > 0) {
        text += QLatin1Char('\n') + SendSummaryText::tr("Where the result is unknown, the connection was lost after "
                                                        "the message was sent: it may have arrived.");
    }
    return text;
}

Sheet sendProblemsSheet(const SendRun& run) {
    Sheet sheet;
    sheet.setMaxCol(kColumns);
    const QString headings[] = {SendSummaryText::tr("Student"), SendSummaryText::tr("Address"),
                                SendSummaryText::tr("Result"), SendSummaryText::tr("Reply")};
    for (int c = 0; c < kColumns; ++c) sheet.setText(1, c + 1, headings[c]);
    int row = 1;
    const auto addRow = [&sheet, &row](const QString& student, const QString& address, const QString& result,
                                       const QString& reply) {
        ++row;
        sheet.setMaxRow(row);
        sheet.setText(row, 1, student);
        sheet.setText(row, 2, address);
        sheet.setText(row, 3, result);
        sheet.setText(row, 4, reply);
    };
    for (const FamilyResult& family : run.families) {
        if (family.skipped())
            addRow(family.student, {}, SendSummaryText::tr("skipped"), SendSummaryText::tr("no address"));
        for (const AddressResult& a : family.addresses) {
            if (a.delivered()) continue;
            addRow(family.student, a.address,
                   a.result ? deliveryResultText(*a.result) : deliveryResultText(DeliveryResult::Failed),
                   a.result ? a.reply : SendSummaryText::tr("not tried"));
        }
    }
    sheet.setMaxRow(row);
    applyReportStyle(sheet, kColumns + 1);
    return sheet;
}

}  // namespace markwell
