// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/GradeFileOpening.h"

#include "core/common/Cp1252.h"
#include "core/document/ClassWriter.h"
#include "core/scales/ScaleStore.h"

#include <optional>

namespace markwell {

Result<ClassRecord> openGradeFile(const QString& path, const ScaleStore& store, GradeFileInfo* info) {
    return openGradeFile(
        path, [&store](const QString& name) { return store.scaleNamed(name); }, info);
}

Result<ClassRecord> openGradeFile(const QString& path, const ScaleLookup& scaleNamed, GradeFileInfo* info) {
    if (Result<QString> finished = finishInterruptedSaveNote(path); !finished) return finished.error();
    Result<ClassRecord> cls = readGradeFile(path, info);
    if (!cls) return cls;
    CurrentGradeScale& scale = cls->gradeScale;
    if (const std::optional<CurrentGradeScale> stored = scaleNamed(cp1252::toUnicode(scale.name))) {
        scale.scale_type = stored->scale_type;
        scale.num_values = stored->num_values;
    }
    return cls;
}

}  // namespace markwell
