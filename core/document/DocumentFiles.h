// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/document/Document.h"
#include "core/files/FileBytes.h"

#include <QString>
#include <QStringList>

namespace markwell {

class ScaleStore;

// Reading and writing a class as one document of three files: the grade file
// and, beside it, the attendance (.ATD) and seating (.SEA) files. The desktop
// program and markwell-cli open and save through these.

// Reads the three files into a new document (titled, clean), so that the
// class in use stays as it was until the caller takes the new one. A grade
// file that is refused gives its message and no document. A missing sibling
// file reads as empty; one that cannot be read or is damaged does not stop
// the class: the document records why (attendanceDamage, seatingDamage) and
// goes without its attendance or seats. An attendance file that ends inside
// a record gives the whole records before it and a note (attendanceNote).
Result<Document> openDocument(const QString& gradePath, const ScaleStore& store);

// The one warning to show after opening a document with a damaged sibling
// file: each such file, why, and that it is kept; and the attendance read
// only in part. Empty when there is none.
QString damagedFilesWarning(const Document& document);

// Saves the document under `gradePath` (the document's own name or another):
// the grade file, the whole attendance and the seats. Every file is turned
// into bytes before any is written, so a field that does not fit writes
// nothing at all; the refusal reads "Unable to create " + the path of the
// file + the reason. So is a file larger than `maxFileBytes`, the most the
// reader takes (a class that could never be opened again). The three files
// are then written as one set (see writeFilesAsSet), the grade file last: a
// failure leaves all three as they were, and a kill during a save under a
// new name leaves no grade file there or one with both its siblings.
//
// Under another name, none of the three new files may be one of the class's
// own files by a link: that is refused as checkOutputSparesInputs says.
//
// A damaged sibling file of the document that is still there is never
// written over: it is kept as it is and the returned notes say so. Under a
// new name the document's attendance and seats are written fresh beside the
// new grade file.
//
// On success the document carries the new name and is clean; on failure it
// is unchanged.
Result<QStringList> saveDocument(Document& document, const QString& gradePath,
                                 qint64 maxFileBytes = kMaxClassFileBytes);

// Refuses an output that is the same file as one of `inputs` (see
// isSameFile), which writing it would destroy: "Unable to create " + output
// + ": it is the same file as " + the input.
Result<void> checkOutputSparesInputs(const QString& output, const QStringList& inputs);

// Whether two paths name the same file: the same device and inode, so that
// links of either kind count; when either does not exist, the same path.
bool isSameFile(const QString& a, const QString& b);

}  // namespace markwell
