// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/Curve.h"
#include "core/sheet/Sheet.h"

#include <cstddef>

namespace markwell {

// What a curve would do, worked out before anything changes: the class as
// the curve would leave it and the scores it moves.
struct CurvePreview {
    ClassRecord curved;
    CurvedColumn column;
};
Result<CurvePreview> previewCurve(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule);

// Every student's score before and after: "Student", "Old", "New", then a
// row per student in class order, the scores as the class stores them.
Sheet curvedScoresSheet(const CurvedColumn& column);

// The class before and after the curve: "", "Before", "After"; "Mean score"
// and "Median score" of the assignment's counted scores (as Grade
// Information shows them), then "Grade A" ...: how many students earn each
// letter of the scale as the Grade column shows it.
Sheet curveEffectSheet(const ClassRecord& before, const CurvePreview& preview, std::size_t assignment);

}  // namespace markwell
