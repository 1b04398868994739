// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Document.h"
#include "core/editing/StudentEditing.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace markwell {

// What a change did to a document, kept so that it can be taken back and
// made again exactly: undo() leaves the class, its attendance and its seats
// byte for byte as they were before the change, redo() as they were after.
// A step is only ever applied to the document it was made on, in stack order.
class ChangeStep {
public:
    virtual ~ChangeStep() = default;
    virtual void undo(Document& document) = 0;
    virtual void redo(Document& document) = 0;
    // The memory the step holds, so that a history can be kept within bounds.
    virtual std::size_t heldBytes() const = 0;
    // Takes in `later`, the step made right after this one, when the two are
    // one change to the teacher (arrow-key nudges of one seat); then this step
    // undoes both. False, and nothing taken, otherwise.
    virtual bool absorb(const ChangeStep& later);
};

// A change made: the step that takes it back (none when nothing differed, so
// that there is nothing to undo or save) and the students it renamed, in
// order, so that the grade history keeps each one's marks together.
struct ChangeMade {
    std::unique_ptr<ChangeStep> step;
    std::vector<StudentRename> renames = {};
};

// A change of a class document: its name as the teacher sees it in Edit >
// Undo ("Sort by Average", "Typed Points") and the edit that makes it. The
// window and markwell-cli make every change of a class through this type. A
// refusal leaves the document exactly as it was.
class Change {
public:
    using Edit = std::function<Result<ChangeMade>(Document& document)>;

    Change(QString name, Edit edit);

    const QString& name() const { return name_; }
    Result<ChangeMade> applyTo(Document& document) const;

private:
    QString name_;
    Edit edit_;
};

// The usual change: an edit of a copy of the class that replaces the class
// when it succeeds and differs. The step keeps the class as it was, so it
// holds one whole copy.
using ClassRecordEdit = std::function<Result<void>(ClassRecord& cls)>;
Change classChange(QString name, ClassRecordEdit edit);

// The same for an edit that may also change the attendance (a renamed
// student's months take the new name): both are copied and replaced.
using ClassAndAttendanceEdit = std::function<Result<void>(ClassRecord& cls, AttendanceBook& attendance)>;
Change classAndAttendanceChange(QString name, ClassAndAttendanceEdit edit);

// About how many bytes a class or an attendance book holds in memory.
std::size_t heldBytesOf(const ClassRecord& cls);
std::size_t heldBytesOf(const AttendanceBook& attendance);

}  // namespace markwell
