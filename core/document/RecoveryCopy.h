// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Document.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace markwell {

class ScaleStore;

// The recovery copy of a class with unsaved changes: its three files as a
// save would write them, kept in the class's folder of the program's data
// folder (never beside the class), so that the changes outlive a crash.
//
// Each copy is written whole into a fresh folder of its own; only then does
// the note that names it replace the old note, atomically, so a kill at any
// moment leaves the previous copy or the new one, never a mixture.

// Where the recovery copy of the class `gradePath` is kept.
QString recoveryFolderFor(const QString& gradePath);

// The lock a running window holds in `recoveryFolder` while it keeps the
// copy there: a copy whose lock is held by a living program is not left over.
QString recoveryLockPath(const QString& recoveryFolder);

// Writes the titled document's class, attendance and seats as the copy of
// its class, made at `madeAt`. The class's own files are never touched.
Result<void> writeRecoveryCopy(const Document& document, const QDateTime& madeAt);

// Removes the class's recovery copy; nothing when there is none.
void removeRecoveryCopy(const QString& gradePath);

struct RecoveryCopy {
    QString folder;     // the recovery folder
    QString classPath;  // the class's grade file
    QDateTime madeAt;
};

// The copies left behind by programs that ended without closing their class
// (a crash, a kill, a power cut): every whole copy in the data folder whose
// lock no running program holds, newest first.
std::vector<RecoveryCopy> findLeftRecoveryCopies();

// Removes a copy that was left behind.
void discardRecoveryCopy(const RecoveryCopy& copy);

// Reads a copy back as its class with the changes unsaved: the document is
// named after the class's own files and is dirty. A damaged or missing copy
// gives its message.
Result<Document> readRecoveryCopy(const RecoveryCopy& copy, const ScaleStore& store);

}  // namespace markwell
