// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/files/GradeFile.h"

#include <QString>

#include <functional>
#include <optional>

namespace markwell {

class ScaleStore;

// Opening a class: read, then refresh the class's scale kind and bounds from
// this computer's scale store by the scale's name (the name stays). A scale
// the store does not have keeps the kind and bounds read from the file. The
// grade file itself only turns bytes into a class; which scales this computer
// keeps belongs to the document. An interrupted save of the class is
// finished first (see finishInterruptedSave).
Result<ClassRecord> openGradeFile(const QString& path, const ScaleStore& store, GradeFileInfo* info = nullptr);

// The same with the scales found by `scaleNamed` (a copy of the store taken
// earlier, so that classes can be read on another thread than the store's).
using ScaleLookup = std::function<std::optional<CurrentGradeScale>(const QString& name)>;
Result<ClassRecord> openGradeFile(const QString& path, const ScaleLookup& scaleNamed, GradeFileInfo* info = nullptr);

}  // namespace markwell
