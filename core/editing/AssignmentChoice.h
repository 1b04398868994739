// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace markwell {

// How a person names one assignment of a class without pointing at it: by
// its title, exactly as typed (letter case counts), or by its place in the
// list, counting from 1.
struct AssignmentChoice {
    QString title;
    std::optional<int> number;  // from 1; none when the title names it
};

// The assignment the choice names, as an index from 0: the first of that
// title, or the one at that place. Refused when none is.
Result<std::size_t> chosenAssignment(const ClassRecord& cls, const AssignmentChoice& choice);

}  // namespace markwell
