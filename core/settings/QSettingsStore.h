// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/settings/SettingsStore.h"

#include <memory>

class QSettings;

namespace markwell {

// The settings store as an INI file kept by QSettings: by default the user's
// own, $XDG_CONFIG_HOME/Larkhaven/Grades.ini (~/.config/Larkhaven/Grades.ini).
// It holds the password's verifier: the file is the user's alone (0600, in a
// 0700 folder), whatever the umask.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();                                 // the user's store
    explicit QSettingsStore(const QString& iniPath);  // a store in the given file
    ~QSettingsStore() override;

    QString fileName() const;

    QStringList childGroups(const SettingsGroup& group) const override;
    QStringList valueNames(const SettingsGroup& group) const override;
    std::optional<QString> readString(const SettingsGroup& group, const QString& name) const override;
    std::optional<std::int32_t> readInteger(const SettingsGroup& group, const QString& name) const override;
    void writeString(const SettingsGroup& group, const QString& name, const QString& value) override;
    void writeInteger(const SettingsGroup& group, const QString& name, std::int32_t value) override;
    void removeValue(const SettingsGroup& group, const QString& name) override;
    void removeGroup(const SettingsGroup& group) override;
    Result<void> flush() override;

private:
    // The names QSettings lists inside a group (its groups or its keys).
    QStringList namesIn(const SettingsGroup& group, QStringList (QSettings::*list)() const) const;
    // Before the first write: the file made private, so that QSettings keeps it so.
    void prepareWrite();

    std::unique_ptr<QSettings> settings_;
    bool filePrivate_ = false;
};

}  // namespace markwell
