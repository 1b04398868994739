// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/ClassRecord.h"

namespace markwell {

ClassRecord newClassRecord(const CurrentGradeScale& defaultScale) {
    ClassRecord record;
    record.gradeScale = defaultScale;
    return record;
}

QString siblingPath(const QString& gradeFile, const QString& suffix) {
    return gradeFile.left(std::max<qsizetype>(0, gradeFile.size() - 3)) + suffix;
}

}  // namespace markwell
