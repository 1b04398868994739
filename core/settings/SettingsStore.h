// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace markwell {

// A group of settings, addressed by the names of the groups that lead to it
// from the top: {"Scale", "<Default>"}. Names are taken literally (spaces,
// angle brackets, slashes and all); an empty name addresses nothing.
using SettingsGroup = QStringList;

// The per-user settings store: named values (text, 32-bit integers and
// Booleans) in named groups that can hold further groups. Grade scales and
// the password settings live here.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The groups directly inside `group`, and the names of its values.
    virtual QStringList childGroups(const SettingsGroup& group) const = 0;
    virtual QStringList valueNames(const SettingsGroup& group) const = 0;

    // A missing value, or one that does not read as the type asked for,
    // gives no value. Booleans are kept as the integers 1 and 0.
    virtual std::optional<QString> readString(const SettingsGroup& group, const QString& name) const = 0;
    virtual std::optional<std::int32_t> readInteger(const SettingsGroup& group, const QString& name) const = 0;
    std::optional<bool> readBool(const SettingsGroup& group, const QString& name) const;

    virtual void writeString(const SettingsGroup& group, const QString& name, const QString& value) = 0;
    virtual void writeInteger(const SettingsGroup& group, const QString& name, std::int32_t value) = 0;
    void writeBool(const SettingsGroup& group, const QString& name, bool value) {
        writeInteger(group, name, value ? 1 : 0);
    }

    virtual void removeValue(const SettingsGroup& group, const QString& name) = 0;
    // Removes the group with every value and group inside it.
    virtual void removeGroup(const SettingsGroup& group) = 0;

    // Makes the changes so far permanent; says why when they cannot be.
    virtual Result<void> flush() = 0;
};

}  // namespace markwell
