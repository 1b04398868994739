// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/SettingsStore.h"

namespace markwell {

std::optional<bool> SettingsStore::readBool(const SettingsGroup& group, const QString& name) const {
    if (const std::optional<std::int32_t> number = readInteger(group, name)) return *number != 0;
    const std::optional<QString> text = readString(group, name);
    if (!text) return std::nullopt;
    if (text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (text->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

}  // namespace markwell
