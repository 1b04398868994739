// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scales/ScaleSnapshot.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/scales/ScaleStore.h"

namespace markwell {

ScaleSnapshot::ScaleSnapshot(const ScaleStore& store) {
    QStringList names = store.scaleNames();
    // The default scale stands in for a missing one, as the store says.
    names << QString::fromLatin1(kDefaultScaleName);
    for (const QString& name : names) {
        if (std::optional<CurrentGradeScale> scale = store.scaleNamed(name)) {
            byFoldedName_.insert(name.toCaseFolded(), *scale);
        }
    }
}

std::optional<CurrentGradeScale> ScaleSnapshot::scaleNamed(const QString& name) const {
    const auto found = byFoldedName_.constFind(name.toCaseFolded());
    if (found == byFoldedName_.constEnd()) return std::nullopt;
    CurrentGradeScale scale = *found;
    Result<std::string> stored = cp1252::fromUnicode(name);
    if (stored) scale.name = std::move(stored).value();
    return scale;
}

}  // namespace markwell
