// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace markwell {

enum class MoveDirection { Up, Down };

// The position an item at `index` moves to, one place up or down; none at
// either end or past the list.
inline std::optional<std::size_t> movedIndex(std::size_t index, std::size_t count, MoveDirection direction) {
    if (index >= count) return std::nullopt;
    if (direction == MoveDirection::Up) return index == 0 ? std::nullopt : std::optional<std::size_t>(index - 1);
    return index + 1 < count ? std::optional<std::size_t>(index + 1) : std::nullopt;
}

// Exchanges two items when both exist.
template <class T>
void swapItems(std::vector<T>& list, std::size_t a, std::size_t b) {
    if (a < list.size() && b < list.size()) std::swap(list[a], list[b]);
}

}  // namespace markwell
