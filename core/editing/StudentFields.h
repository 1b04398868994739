// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Records.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace markwell {

// The thirteen details of a student, in the order of the student editor's
// boxes and of the file's record.
enum class StudentField {
    Name,
    Id,
    Street,
    City,
    State,
    Zip,
    MomName,
    MomPhone,
    DadName,
    DadPhone,
    StudentEmail,
    MomEmail,
    DadEmail,
};
inline constexpr std::size_t kStudentFieldCount = 13;

struct StudentFieldInfo {
    StudentField field;
    const char* column;  // its column in a student CSV file ("mom_phone")
    const char* label;   // how a message names it ("mother's phone"), untranslated
    // Bytes with the terminator, as the editor limits them: the file's field,
    // except the street, which the file gives 255 characters and every
    // editor 99.
    int capacity;
    std::string StudentInfo::*member;

    // The most characters an editor takes.
    int maxLength() const { return capacity - 1; }
};

// Every field, in StudentField order.
std::span<const StudentFieldInfo> studentFields();
const StudentFieldInfo& studentField(StudentField field);
// The field's label in the language of the program.
QString studentFieldLabel(StudentField field);

// A student as typed into the editor's boxes: the thirteen texts and the
// comment with LF line breaks.
struct StudentForm {
    std::array<QString, kStudentFieldCount> text;
    QString comment;

    QString& operator[](StudentField f) { return text[static_cast<std::size_t>(f)]; }
    const QString& operator[](StudentField f) const { return text[static_cast<std::size_t>(f)]; }
    bool operator==(const StudentForm&) const = default;
};

// A student and the comment as the class keeps them.
struct StudentEntry {
    StudentInfo student;
    CommentInfo comment;
};

// The boxes showing a student and their comment.
StudentForm studentForm(const StudentInfo& student, std::string_view comment);

// Checks every box: each text trimmed, storable and short enough for its
// field, the name as studentNameText wants it, the comment at most 999
// bytes. The comment's name is the student's. When `badField` is given, it
// tells which box a refusal is about (none: the comment).
Result<StudentEntry> checkStudentForm(const StudentForm& form, std::optional<StudentField>* badField = nullptr);

}  // namespace markwell
