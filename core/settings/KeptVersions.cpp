// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/KeptVersions.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct KeptVersions {
    Q_DECLARE_TR_FUNCTIONS(KeptVersions)
};

const SettingsGroup& versionsGroup() {
    static const SettingsGroup group{QStringLiteral("Versions")};
    return group;
}

QString keepName() {
    return QStringLiteral("Keep");
}

bool inRange(int count) {
    return count >= 0 && count <= kMostKeptVersions;
}

}  // namespace

int keptVersionCount(const SettingsStore& settings) {
    const std::optional<std::int32_t> stored = settings.readInteger(versionsGroup(), keepName());
    return stored && inRange(*stored) ? *stored : kDefaultKeptVersions;
}

Result<void> setKeptVersionCount(SettingsStore& settings, int count) {
    if (!inRange(count)) {
        return fail(KeptVersions::tr("The number of earlier versions to keep is from 0 to %1.").arg(kMostKeptVersions));
    }
    settings.writeInteger(versionsGroup(), keepName(), count);
    return settings.flush();
}

}  // namespace markwell
