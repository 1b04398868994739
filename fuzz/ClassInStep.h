// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/data/PointEntry.h"

#include <cstddef>

// What every edit of a class keeps: a comment per student and, in every
// assignment's point list, an entry per student in class order bearing the
// student's name.
inline bool classInStep(const markwell::ClassRecord& cls) {
    if (cls.comments.size() != cls.students.size()) return false;
    for (const markwell::AssignmentInfo& a : cls.assignments) {
        if (a.namegrade.size() != cls.students.size()) return false;
        for (std::size_t i = 0; i < a.namegrade.size(); ++i) {
            if (markwell::splitPointEntry(a.namegrade[i]).name != cls.students[i].name) return false;
        }
    }
    return true;
}
