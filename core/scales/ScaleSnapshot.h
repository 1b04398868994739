// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QHash>
#include <QString>

#include <optional>

namespace markwell {

class ScaleStore;

// This computer's grade scales as they stood when it was taken: many classes
// can then be read on another thread than the settings store's, each with
// its scale refreshed by name as opening a class does.
class ScaleSnapshot {
public:
    explicit ScaleSnapshot(const ScaleStore& store);

    // As ScaleStore::scaleNamed: the name as given, matched without regard
    // to letter case.
    std::optional<CurrentGradeScale> scaleNamed(const QString& name) const;

private:
    QHash<QString, CurrentGradeScale> byFoldedName_;
};

}  // namespace markwell
