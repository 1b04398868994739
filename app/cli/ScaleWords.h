// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>

#include <optional>

namespace markwell::cli {

// The kinds of grade scale as markwell-cli names them.
inline QString kindWord(ScaleKind kind) {
    switch (kind) {
    case ScaleKind::Expanded: return QStringLiteral("expanded");
    case ScaleKind::PassFail: return QStringLiteral("pass-fail");
    case ScaleKind::Standard: break;
    }
    return QStringLiteral("standard");
}

inline std::optional<ScaleKind> kindNamed(const QString& word) {
    for (ScaleKind kind : {ScaleKind::Standard, ScaleKind::Expanded, ScaleKind::PassFail}) {
        if (word == kindWord(kind)) return kind;
    }
    return std::nullopt;
}

}  // namespace markwell::cli
