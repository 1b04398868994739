// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/ListMoves.h"

#include <QString>

#include <optional>
#include <vector>

namespace markwell {

// Editing the assignments of a class. A new or imported assignment starts
// with a point list of name~0 for every student in class order and a total
// of 0; changing an assignment's title, type or description keeps its points
// and total. Two assignments may share a title.

inline constexpr int kTitleLength = capacity::kTitle - 1;
inline constexpr int kDescriptionLength = capacity::kDescription - 1;

// An assignment as typed into the editor: the description with LF line
// breaks; the type as one of the six type names, or empty for none chosen.
struct AssignmentForm {
    QString title;
    QString type;
    QString description;
    bool operator==(const AssignmentForm&) const = default;
};

AssignmentForm assignmentForm(const AssignmentInfo& assignment);

// The boxes of the form, for saying which one a refusal is about.
enum class AssignmentField { Title, Type, Description };

// Checks the form: a title ("Invalid assignment title!"), one of the six
// types ("Invalid assignment type!"), texts storable and short enough. The
// title and description are trimmed. The point list is left empty. When
// `badField` is given, it receives the field of a refusal.
Result<AssignmentInfo> checkAssignmentForm(const AssignmentForm& form,
                                           std::optional<AssignmentField>* badField = nullptr);

// The point list of a new assignment: name~0 for every student.
std::vector<std::string> zeroPointList(const ClassRecord& cls);

// Adds the assignment at the end; gives its index.
Result<std::size_t> addAssignment(ClassRecord& cls, const AssignmentForm& form);
Result<void> updateAssignment(ClassRecord& cls, std::size_t index, const AssignmentForm& form);
bool deleteAssignment(ClassRecord& cls, std::size_t index);
bool moveAssignment(ClassRecord& cls, std::size_t index, MoveDirection direction);
void clearAssignments(ClassRecord& cls);

// Appends the assignments with their title, type and description as they
// are, a total of 0 and zero points for every student of this class.
void importAssignments(ClassRecord& cls, const std::vector<AssignmentInfo>& assignments);

}  // namespace markwell
