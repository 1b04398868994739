// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/ClassFromAnother.h"

namespace markwell {

ClassRecord newClassRecordFrom(const ClassRecord& model) {
    ClassRecord cls = newClassRecord(model.gradeScale);
    cls.gridProps = model.gridProps;
    cls.weightGrades = model.weightGrades;
    cls.lowScoreInfo = model.lowScoreInfo;
    cls.assignments.reserve(model.assignments.size());
    for (const AssignmentInfo& assignment : model.assignments) {
        AssignmentInfo copy;
        copy.title = assignment.title;
        copy.description = assignment.description;
        copy.assign_type = assignment.assign_type;
        copy.total = assignment.total;
        cls.assignments.push_back(std::move(copy));
    }
    return cls;
}

}  // namespace markwell
