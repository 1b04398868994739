// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "mail/sending/ReportMail.h"

#include "core/common/Cp1252.h"
#include "core/mail/MailAddress.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace markwell {
namespace {

struct ReportMailText {
    Q_DECLARE_TR_FUNCTIONS(ReportMail)
};

}  // namespace

QString defaultReportSubject() {
    return ReportMailText::tr("Grades of {name}");
}

QString defaultReportBody() {
    return ReportMailText::tr("Hello,\n\nattached is the current grade report of {name}.\n\nKind regards");
}

QString reportAttachmentName(const QString& student) {
    return QFileInfo(attachmentFileName(student)).completeBaseName() + QStringLiteral(".pdf");
}

std::vector<FamilyMail> reportMails(const ClassRecord& cls, const std::vector<int>& students,
                                    const ReportMailPlan& plan) {
    std::vector<FamilyMail> mails;
    mails.reserve(students.size());
    for (const int index : students) {
        const StudentInfo& student = cls.students[static_cast<std::size_t>(index)];
        FamilyMail mail;
        mail.student = cp1252::toUnicode(student.name);
        mail.addresses = familyAddresses(student, plan.to);
        mail.subject = plan.fill(plan.subject, index);
        mail.makeMessage = [plan, index, subject = mail.subject, student = mail.student,
                            recipients = mail.addresses.recipients]() -> Result<QByteArray> {
            Result<QByteArray> pdf = plan.reportPdf(index);
            if (!pdf) return pdf.error();
            MessageContent content;
            content.from = plan.from;
            for (const FamilyRecipient& r : recipients) content.to.push_back({r.name, r.address});
            content.subject = subject;
            content.body = plan.fill(plan.body, index);
            content.attachment = MessageAttachment{reportAttachmentName(student), std::move(*pdf)};
            content.date = QDateTime::currentDateTime();
            content.messageId = newMessageId(plan.from.address);
            return mimeMessageBytes(content);
        };
        mails.push_back(std::move(mail));
    }
    return mails;
}

}  // namespace markwell
