// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/Change.h"

#include <utility>

namespace markwell {
namespace {

std::size_t heldBytesOf(const std::string& text) {
    // Short texts live inside the string itself.
    return sizeof(std::string) + (text.capacity() > 15 ? text.capacity() + 1 : 0);
}

// Undo and redo of a replaced class are one swap: the step holds the class
// that is not in the document.
class ClassSwap final : public ChangeStep {
public:
    explicit ClassSwap(ClassRecord other) : other_(std::move(other)), bytes_(heldBytesOf(other_)) {}
    void undo(Document& document) override { std::swap(document.classRecord, other_); }
    void redo(Document& document) override { std::swap(document.classRecord, other_); }
    std::size_t heldBytes() const override { return bytes_; }

private:
    ClassRecord other_;
    std::size_t bytes_;
};

class ClassAndAttendanceSwap final : public ChangeStep {
public:
    ClassAndAttendanceSwap(ClassRecord cls, AttendanceBook attendance)
        : cls_(std::move(cls)), attendance_(std::move(attendance)),
          bytes_(heldBytesOf(cls_) + heldBytesOf(attendance_)) {}
    void undo(Document& document) override { swap(document); }
    void redo(Document& document) override { swap(document); }
    std::size_t heldBytes() const override { return bytes_; }

private:
    void swap(Document& document) {
        std::swap(document.classRecord, cls_);
        std::swap(document.attendance, attendance_);
    }
    ClassRecord cls_;
    AttendanceBook attendance_;
    std::size_t bytes_;
};

}  // namespace

bool ChangeStep::absorb(const ChangeStep& later) {
    (void)later;
    return false;
}

Change::Change(QString name, Edit edit) : name_(std::move(name)), edit_(std::move(edit)) {}

Result<ChangeMade> Change::applyTo(Document& document) const {
    return edit_(document);
}

Change classChange(QString name, ClassRecordEdit edit) {
    return Change(std::move(name), [edit = std::move(edit)](Document& document) -> Result<ChangeMade> {
        ClassRecord changed = document.classRecord;
        if (const Result<void> edited = edit(changed); !edited) return fail(edited.message());
        if (changed == document.classRecord) return ChangeMade{nullptr};
        std::swap(document.classRecord, changed);
        return ChangeMade{std::make_unique<ClassSwap>(std::move(changed))};
    });
}

Change classAndAttendanceChange(QString name, ClassAndAttendanceEdit edit) {
    return Change(std::move(name), [edit = std::move(edit)](Document& document) -> Result<ChangeMade> {
        ClassRecord cls = document.classRecord;
        AttendanceBook attendance = document.attendance;
        if (const Result<void> edited = edit(cls, attendance); !edited) return fail(edited.message());
        if (cls == document.classRecord && attendance.records() == document.attendance.records()) {
            return ChangeMade{nullptr};
        }
        std::swap(document.classRecord, cls);
        std::swap(document.attendance, attendance);
        return ChangeMade{std::make_unique<ClassAndAttendanceSwap>(std::move(cls), std::move(attendance))};
    });
}

std::size_t heldBytesOf(const ClassRecord& cls) {
    std::size_t bytes = sizeof(ClassRecord);
    for (const StudentInfo& student : cls.students) {
        bytes += sizeof(StudentInfo);
        for (const std::string* text :
             {&student.name, &student.id, &student.street, &student.city, &student.state, &student.zip,
              &student.mom_name, &student.mom_phone, &student.dad_name, &student.dad_phone, &student.student_email,
              &student.mom_email, &student.dad_email}) {
            bytes += heldBytesOf(*text) - sizeof(std::string);
        }
    }
    for (const AssignmentInfo& assignment : cls.assignments) {
        bytes += sizeof(AssignmentInfo) + heldBytesOf(assignment.description);
        bytes += (assignment.namegrade.capacity() - assignment.namegrade.size()) * sizeof(std::string);
        for (const std::string& entry : assignment.namegrade) bytes += heldBytesOf(entry);
    }
    for (const CommentInfo& comment : cls.comments) bytes += sizeof(CommentInfo) + heldBytesOf(comment.desc);
    bytes += cls.Seats.size() * sizeof(SeatingInfo);
    return bytes;
}

std::size_t heldBytesOf(const AttendanceBook& attendance) {
    return attendance.records().size() * sizeof(AttendanceInfo);
}

}  // namespace markwell
