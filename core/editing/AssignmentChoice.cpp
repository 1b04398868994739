// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/AssignmentChoice.h"

#include "core/common/Cp1252.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct AssignmentChoosing {
    Q_DECLARE_TR_FUNCTIONS(AssignmentChoosing)
};

}  // namespace

Result<std::size_t> chosenAssignment(const ClassRecord& cls, const AssignmentChoice& choice) {
    const std::size_t count = cls.assignments.size();
    if (const std::optional<int> number = choice.number) {
        if (*number >= 1 && static_cast<std::size_t>(*number) <= count) return static_cast<std::size_t>(*number - 1);
        return fail(AssignmentChoosing::tr("there is no assignment %1 (the class has %2)")
                        .arg(QString::number(*number), QString::number(count)));
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (cp1252::toUnicode(cls.assignments[i].title) == choice.title) return i;
    }
    return fail(AssignmentChoosing::tr("no assignment is called \"%1\"").arg(choice.title));
}

}  // namespace markwell
