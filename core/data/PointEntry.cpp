// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/PointEntry.h"

namespace markwell {

PointEntry splitPointEntry(std::string_view entry) {
    const std::size_t tilde = entry.find('~');
    if (tilde == std::string_view::npos) return PointEntry{entry, {}, false};
    return PointEntry{entry.substr(0, tilde), entry.substr(tilde + 1), true};
}

std::string makePointEntry(std::string_view name, std::string_view points) {
    std::string entry;
    entry.reserve(name.size() + 1 + points.size());
    entry.append(name);
    entry.push_back('~');
    entry.append(points);
    return entry;
}

std::optional<std::size_t> findStudentEntry(const std::vector<std::string>& namegrade, std::size_t studentIndex,
                                            std::string_view name) {
    if (studentIndex < namegrade.size() && splitPointEntry(namegrade[studentIndex]).name == name) return studentIndex;
    for (std::size_t i = 0; i < namegrade.size(); ++i) {
        if (splitPointEntry(namegrade[i]).name == name) return i;
    }
    return std::nullopt;
}

}  // namespace markwell
