// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/AssignmentEditing.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct AssignmentEditing {
    Q_DECLARE_TR_FUNCTIONS(AssignmentEditing)
};

}  // namespace

AssignmentForm assignmentForm(const AssignmentInfo& assignment) {
    return {cp1252::toUnicode(assignment.title), cp1252::toUnicode(assignment.assign_type),
            withLf(cp1252::toUnicode(assignment.description))};
}

Result<AssignmentInfo> checkAssignmentForm(const AssignmentForm& form, std::optional<AssignmentField>* badField) {
    const auto refuse = [badField](AssignmentField field, const Error& error) -> Result<AssignmentInfo> {
        if (badField) *badField = field;
        return error;
    };
    if (trimmedText(form.title).isEmpty()) {
        return refuse(AssignmentField::Title, Error{AssignmentEditing::tr("Invalid assignment title!")});
    }
    const QString type = trimmedText(form.type);
    if (assignmentTypeIndex(type.toStdString()) < 0) {
        return refuse(AssignmentField::Type, Error{AssignmentEditing::tr("Invalid assignment type!")});
    }

    AssignmentInfo assignment;
    Result<std::string> title = fieldText(form.title, capacity::kTitle, AssignmentEditing::tr("title"));
    if (!title) return refuse(AssignmentField::Title, title.error());
    Result<std::string> description =
        multiLineText(form.description, kDescriptionLength, AssignmentEditing::tr("description"), true);
    if (!description) return refuse(AssignmentField::Description, description.error());
    assignment.title = std::move(*title);
    assignment.description = std::move(*description);
    assignment.assign_type = type.toStdString();
    return assignment;
}

std::vector<std::string> zeroPointList(const ClassRecord& cls) {
    std::vector<std::string> list;
    list.reserve(cls.students.size());
    for (const StudentInfo& student : cls.students) list.push_back(makePointEntry(student.name, "0"));
    return list;
}

Result<std::size_t> addAssignment(ClassRecord& cls, const AssignmentForm& form) {
    Result<AssignmentInfo> assignment = checkAssignmentForm(form);
    if (!assignment) return assignment.error();
    assignment->namegrade = zeroPointList(cls);
    cls.assignments.push_back(std::move(*assignment));
    return cls.assignments.size() - 1;
}

Result<void> updateAssignment(ClassRecord& cls, std::size_t index, const AssignmentForm& form) {
    if (index >= cls.assignments.size()) return fail(AssignmentEditing::tr("Choose the assignment to change first."));
    Result<AssignmentInfo> checked = checkAssignmentForm(form);
    if (!checked) return checked.error();
    AssignmentInfo& assignment = cls.assignments[index];
    assignment.title = std::move(checked->title);
    assignment.assign_type = std::move(checked->assign_type);
    assignment.description = std::move(checked->description);
    return {};
}

bool deleteAssignment(ClassRecord& cls, std::size_t index) {
    if (index >= cls.assignments.size()) return false;
    cls.assignments.erase(cls.assignments.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool moveAssignment(ClassRecord& cls, std::size_t index, MoveDirection direction) {
    const auto to = movedIndex(index, cls.assignments.size(), direction);
    if (!to) return false;
    swapItems(cls.assignments, index, *to);
    return true;
}

void clearAssignments(ClassRecord& cls) {
    cls.assignments.clear();
}

void importAssignments(ClassRecord& cls, const std::vector<AssignmentInfo>& assignments) {
    for (const AssignmentInfo& original : assignments) {
        AssignmentInfo assignment;
        assignment.title = original.title;
        assignment.description = original.description;
        assignment.assign_type = original.assign_type;
        assignment.namegrade = zeroPointList(cls);
        cls.assignments.push_back(std::move(assignment));
    }
}

}  // namespace markwell
