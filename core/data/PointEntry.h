#pragma once

#include <string>
#include <string_view>

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

}  // namespace markwell
