// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwell {

// One entry of a point list: "name~points". The name part is everything
// before the first "~", the points text everything after it.
struct PointEntry {
    std::string_view name;
    std::string_view points;
    bool hasSeparator = false;  // false only in damaged or foreign files
};

inline constexpr std::string_view kNotCounted = "-";  // the does-not-count mark

PointEntry splitPointEntry(std::string_view entry);
std::string makePointEntry(std::string_view name, std::string_view points);

// The entry of the student at `studentIndex` whose name is `name`: the entry
// at the same position when its name matches (so two students of one name
// keep their own), else the first entry of that name, else none. Lists from
// damaged or old files may be short or out of step; nothing past their end
// is ever read.
std::optional<std::size_t> findStudentEntry(const std::vector<std::string>& namegrade, std::size_t studentIndex,
                                            std::string_view name);

}  // namespace markwell
