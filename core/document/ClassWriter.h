// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/document/ClassFileBytes.h"
#include "core/files/SaveJournal.h"
#include "core/history/SaveOrigin.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

namespace markwell {

// The one way a class is written, by every caller: the window's Save and
// Save As, every markwell-cli command that writes a class (in place or to
// an output), a restored version, a converted file, a new or sample class.
// In this order it
// 1. refuses a target that is not the class saved in place when any of its
//    three files is one of the three files of the live class or of an input
//    class (links and other capitals count: the same device and inode, or
//    the same path);
// 2. takes the class's change lock, and refuses when it cannot: no lock, no
//    write;
// 3. finishes an interrupted save of the target first, and keeps an earlier
//    version of the class it replaces;
// 4. writes the three files as one set under the class's save journal
//    (".period1.grs.journal" beside it), the grade file last. A replaced
//    file keeps its mode; a new one follows the umask. Leftovers of killed
//    writes are removed on the way.
// The grade history records the write as one entry around step 4 (see
// SaveRecording): under way before the journal, kept once the files are in.

// The new content of a class's files. A sibling without content is left as
// it is (a damaged file the class could not use is never written over).
struct ClassContent {
    QByteArray grade;
    std::optional<QByteArray> attendance;
    std::optional<QByteArray> seating;
};

// What a write put on disk, for those who record saves.
struct ClassWritten {
    QString target;                        // the grade file written (absolute)
    QString source;                        // where the content came from: the class saved, a version, a converted file
    QString origin;                        // what wrote it: "Save", a markwell-cli command
    std::optional<ClassFileBytes> before;  // the class replaced; none when there was none
    ClassFileBytes after;
    QString versionNotKept;  // why no earlier version could be kept; empty when it was, or none was due
    QStringList notes;       // an interrupted save that was finished first; what went wrong with the history
};

using ClassWriteObserver = std::function<void(const ClassWritten&)>;

struct ClassWrite {
    QString target;  // the grade file; its .ATD and .SEA beside it
    ClassContent content;
    QString liveClass;         // the class saved, in place when it is the target; empty for a new class
    QStringList inputClasses;  // other classes read to make it
    QString source;            // see ClassWritten
    QString origin;
    int keepVersions = 0;  // earlier versions kept of a class replaced
    std::chrono::milliseconds lockWait{0};
    ClassWriteObserver observer;  // told once the files are in place
    SaveOrigin recordAs;          // the write as the grade history records it
    QString historyOf;            // the class whose history the target continues, when another (Save As, a restore)
};

Result<ClassWritten> writeClass(const ClassWrite& request);

// How long a read waits for a save of another program that its journal
// says is under way.
inline constexpr std::chrono::milliseconds kInterruptedSaveWait{5000};

// The journal of a save of the class at `gradePath` (for tests and for a
// person looking for it).
QString saveJournalPath(const QString& gradePath);

struct FinishedSave {
    FinishedJournal journal;  // what the save was, and whether it was kept
    QString message;          // what to tell the teacher, once
};

// Whatever reads a class calls this first: a journal beside it is a save
// that was interrupted, which is finished (under the class's change lock)
// before the files are read. The only write a read ever makes. Nothing when
// there is no journal; an error when it cannot be finished now (another
// program is still saving, or the folder cannot be written).
Result<std::optional<FinishedSave>> finishInterruptedSave(const QString& gradePath,
                                                          std::chrono::milliseconds wait = kInterruptedSaveWait);
// The same, giving only what to tell the teacher (empty when nothing).
Result<QString> finishInterruptedSaveNote(const QString& gradePath);

}  // namespace markwell
