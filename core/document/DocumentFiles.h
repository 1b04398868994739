#pragma once

#include "common/Result.h"
#include "document/Document.h"

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
// goes without its attendance or seats.
Result<Document> openDocument(const QString& gradePath, const ScaleStore& store);

// The one warning to show after opening a document with a damaged sibling
// file: each such file, why, and that it is kept. Empty when there is none.
QString damagedFilesWarning(const Document& document);

// Saves the document under `gradePath` (the document's own name or another):
// the grade file, the whole attendance and the seats. Every file is turned
// into bytes before any is written, so a field that does not fit writes
// nothing at all; the refusal reads "Unable to create " + the path of the
// file + the reason. Each file is then written atomically; when a later one
// fails, the files this save created anew are removed again.
//
// A damaged sibling file of the document that is still there is never
// written over: it is kept as it is and the returned notes say so. Under a
// new name the document's attendance and seats are written fresh beside the
// new grade file.
//
// On success the document carries the new name and is clean; on failure it
// is unchanged.
Result<QStringList> saveDocument(Document& document, const QString& gradePath);

// Whether two paths name the same file (the second need not exist yet).
bool isSameFile(const QString& a, const QString& b);

}  // namespace markwell
