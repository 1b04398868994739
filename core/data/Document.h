// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/AttendanceBook.h"
#include "core/data/ClassRecord.h"

#include <QString>

namespace markwell {

// The open document: the class (its seats included) and its attendance, where
// its three files live and whether it is saved. Everything the teacher
// changes lives here until a save writes it.
struct Document {
    ClassRecord classRecord;
    AttendanceBook attendance;
    QString markwellFile;  // absolute; empty while untitled
    QString attendFile;
    QString seatingFile;
    bool modified = false;
    // Why the attendance or the seating file could not be used when the class
    // was opened (the message names the file); empty when it was fine. The
    // class then has no attendance or no seats, and a save never writes over
    // that file while it is there.
    QString attendanceDamage;
    QString seatingDamage;
    // Set when the attendance file ended inside a record: the whole records
    // before it were read and are the attendance; the message names the file
    // and says what was left unread. A save writes the records it has.
    QString attendanceNote;
    // Bytes after the end of the class in its grade file, skipped when it
    // was read: a save over that file would drop them, so it needs the
    // teacher's word first. 0 once the class is saved.
    qint64 skippedBytes = 0;
    // An interrupted save of the class that was finished when it was
    // opened: said once, with the other notes of opening.
    QString finishedSaveNote;

    bool isTitled() const { return !markwellFile.isEmpty(); }
};

}  // namespace markwell
