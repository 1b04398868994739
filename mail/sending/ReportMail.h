// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/mail/FamilyAddresses.h"
#include "mail/message/MimeMessage.h"
#include "mail/sending/FamilyMail.h"

#include <functional>
#include <vector>

namespace markwell {

// What every family's message is made of: typed once, filled in for each
// student, with that student's report attached.
struct ReportMailPlan {
    Mailbox from;
    AddressChoice to;
    QString subject;  // with the placeholders of the class reports
    QString body;
    // The text with the student's placeholders filled in.
    std::function<QString(const QString& text, int student)> fill;
    // The student's report as PDF, made when the message is.
    std::function<Result<QByteArray>(int student)> reportPdf;
};

// The subject and text a message has unless the teacher types others.
QString defaultReportSubject();
QString defaultReportBody();

// One message per chosen student (indexes into cls.students), each to that
// student's chosen addresses only, made when it is needed.
std::vector<FamilyMail> reportMails(const ClassRecord& cls, const std::vector<int>& students,
                                    const ReportMailPlan& plan);

// The name a student's report is attached under: "Zoë Núñez.pdf".
QString reportAttachmentName(const QString& student);

}  // namespace markwell
