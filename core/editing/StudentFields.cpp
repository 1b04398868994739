// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/StudentFields.h"

#include "core/common/Cp1252.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct StudentFields {
    Q_DECLARE_TR_FUNCTIONS(StudentFields)
};

// The file has room for 255 characters of street; the editors take 99.
constexpr int kStreetCapacity = 100;

constexpr std::array<StudentFieldInfo, kStudentFieldCount> kFields = {{
    {StudentField::Name, "name", QT_TRANSLATE_NOOP("StudentFields", "name"), capacity::kStudentName,
     &StudentInfo::name},
    {StudentField::Id, "id", QT_TRANSLATE_NOOP("StudentFields", "ID"), capacity::kStudentId, &StudentInfo::id},
    {StudentField::Street, "street", QT_TRANSLATE_NOOP("StudentFields", "street"), kStreetCapacity,
     &StudentInfo::street},
    {StudentField::City, "city", QT_TRANSLATE_NOOP("StudentFields", "city"), capacity::kCity, &StudentInfo::city},
    {StudentField::State, "state", QT_TRANSLATE_NOOP("StudentFields", "state"), capacity::kState, &StudentInfo::state},
    {StudentField::Zip, "zip", QT_TRANSLATE_NOOP("StudentFields", "zip"), capacity::kZip, &StudentInfo::zip},
    {StudentField::MomName, "mom_name", QT_TRANSLATE_NOOP("StudentFields", "mother's name"), capacity::kParentName,
     &StudentInfo::mom_name},
    {StudentField::MomPhone, "mom_phone", QT_TRANSLATE_NOOP("StudentFields", "mother's phone"), capacity::kPhone,
     &StudentInfo::mom_phone},
    {StudentField::DadName, "dad_name", QT_TRANSLATE_NOOP("StudentFields", "father's name"), capacity::kParentName,
     &StudentInfo::dad_name},
    {StudentField::DadPhone, "dad_phone", QT_TRANSLATE_NOOP("StudentFields", "father's phone"), capacity::kPhone,
     &StudentInfo::dad_phone},
    {StudentField::StudentEmail, "student_email", QT_TRANSLATE_NOOP("StudentFields", "student's e-mail address"),
     capacity::kEmail, &StudentInfo::student_email},
    {StudentField::MomEmail, "mom_email", QT_TRANSLATE_NOOP("StudentFields", "mother's e-mail address"),
     capacity::kEmail, &StudentInfo::mom_email},
    {StudentField::DadEmail, "dad_email", QT_TRANSLATE_NOOP("StudentFields", "father's e-mail address"),
     capacity::kEmail, &StudentInfo::dad_email},
}};

}  // namespace

std::span<const StudentFieldInfo> studentFields() {
    return kFields;
}

const StudentFieldInfo& studentField(StudentField field) {
    return kFields[static_cast<std::size_t>(field)];
}

QString studentFieldLabel(StudentField field) {
    return StudentFields::tr(studentField(field).label);
}

StudentForm studentForm(const StudentInfo& student, std::string_view comment) {
    StudentForm form;
    for (const StudentFieldInfo& f : kFields) form[f.field] = cp1252::toUnicode(student.*f.member);
    form.comment = withLf(cp1252::toUnicode(comment));
    return form;
}

Result<StudentEntry> checkStudentForm(const StudentForm& form, std::optional<StudentField>* badField) {
    StudentEntry entry;
    for (const StudentFieldInfo& f : kFields) {
        Result<std::string> text = f.field == StudentField::Name
                                       ? studentNameText(form[f.field])
                                       : fieldText(form[f.field], f.capacity, studentFieldLabel(f.field));
        if (!text) {
            if (badField) *badField = f.field;
            return text.error();
        }
        entry.student.*f.member = std::move(*text);
    }
    Result<std::string> comment = multiLineText(form.comment, kCommentLength, StudentFields::tr("comment"), false);
    if (!comment) {
        if (badField) badField->reset();
        return comment.error();
    }
    entry.comment = CommentInfo{entry.student.name, std::move(*comment)};
    return entry;
}

}  // namespace markwell
