// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/document/ClassWriter.h"
#include "core/document/Document.h"
#include "core/files/FileBytes.h"

#include <QString>
#include <QStringList>

#include <chrono>

namespace markwell {

class ScaleStore;

// Reading and writing a class as one document of three files: the grade file
// and, beside it, the attendance (.ATD) and seating (.SEA) files. The desktop
// program and markwell-cli open and save through these.

// Reads the three files into a new document (titled, clean), so that the
// class in use stays as it was until the caller takes the new one. An
// interrupted save of the class is finished first (finishedSaveNote says
// how), and a save by another program while the files are read has them
// read again, so that the three always belong together. A grade file that
// is refused gives its message and no document. A missing sibling file
// reads as empty; one that cannot be read or is damaged does not stop the
// class: the document records why (attendanceDamage, seatingDamage) and
// goes without its attendance or seats. An attendance file that ends inside
// a record gives the whole records before it and a note (attendanceNote).
// Bytes after the end of the class in the grade file are skipped and
// counted (skippedBytes).
Result<Document> openDocument(const QString& gradePath, const ScaleStore& store);

// The one warning to show after opening a document: an interrupted save
// that was finished, bytes of the grade file that were skipped, each
// damaged sibling file, why, and that it is kept; and the attendance read
// only in part. Empty when there is none.
QString damagedFilesWarning(const Document& document);

// What the window and markwell-cli say of a grade file that holds `bytes`
// bytes after the end of the class, skipped when it was read.
QString skippedBytesNote(const QString& path, qint64 bytes);

// How a document is saved, besides where.
struct SaveOptions {
    int keepVersions = 0;  // earlier versions kept of the class replaced
    std::chrono::milliseconds lockWait{0};
    // The teacher agreed that a save over the grade file drops the bytes
    // its reader skipped; without it such a save is refused.
    bool dropSkipped = false;
    QStringList inputClasses;  // other classes the change was made from (see ClassWrite)
    QString origin;            // what saves it, for the record
    SaveOrigin recordAs;       // the save as the grade history records it
    QString historyOf;         // the class an untitled document came from (a restored version)
    ClassWriteObserver observer;
    qint64 maxFileBytes = kMaxClassFileBytes;  // the most the reader takes
};

// The three files of the document as a save under `gradePath` would write
// them, or why one cannot be: "Unable to create " + that file + the reason
// (a field that does not fit, a file larger than `maxFileBytes`).
Result<ClassFileBytes> serializeDocument(const Document& document, const QString& gradePath,
                                         qint64 maxFileBytes = kMaxClassFileBytes);

// Saves the document under `gradePath` (the document's own name or another)
// through writeClass: the grade file, the whole attendance and the seats.
// Every file is turned into bytes before any is written, so a field that
// does not fit writes nothing at all; the refusal reads "Unable to create "
// + the path of the file + the reason. So is a file larger than
// `maxFileBytes` (a class that could never be opened again).
//
// A damaged sibling file of the document that is still there is never
// written over: it is kept as it is and a note of the result says so. Under
// a new name the document's attendance and seats are written fresh beside
// the new grade file.
//
// On success the document carries the new name and is clean; on failure it
// is unchanged.
Result<ClassWritten> saveClass(Document& document, const QString& gradePath, const SaveOptions& options);

// saveClass with no earlier version kept and no wait for the lock; gives the notes.
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
