// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/export/NamedSheet.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace markwell {

class Sheet;

// Writes a student's report (a workbook of one or more tables, one worksheet
// each) as the attachment of a message: into a new folder of its own that
// only this user can open (a fresh "mail-XXXXXX" under `parentFolder`, which
// is made when missing), named by attachmentFileName(studentName). The
// folder is kept afterwards, as the mail program reads the file after we
// hand it over, until a later attachment finds it older than
// kMailAttachmentDays; a new folder for each message means no earlier file
// is ever written over.
//
// Gives the written file's path, or why nothing could be written.
Result<QString> writeMailAttachment(const NamedSheets& report, const QString& studentName, const QString& parentFolder);

// The same for a file already made (a report as PDF), under `fileName`.
Result<QString> writeMailAttachment(const QByteArray& bytes, const QString& fileName, const QString& parentFolder);

// The attachments are kept for the mail program to read, but not for ever:
// removes the folders of `parentFolder` made for them more than `days` days
// before `now` (none other).
inline constexpr int kMailAttachmentDays = 30;
void removeOldMailAttachments(const QString& parentFolder, const QDateTime& now, int days = kMailAttachmentDays);

// Where attachments go: the user's cache folder for the program.
QString mailAttachmentFolder();

}  // namespace markwell
