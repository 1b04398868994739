// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/CellFormat.h"

#include <QHash>

#include <functional>

namespace markwell {

std::size_t hashFormat(const CellFormat& f) {
    std::size_t h = qHash(f.font.name);
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    mix(std::hash<double>{}(f.font.size));
    mix((f.font.bold ? 1u : 0u) | (f.font.italic ? 2u : 0u) | (f.font.underline ? 4u : 0u) |
        (f.font.strikeOut ? 8u : 0u));
    mix(static_cast<std::size_t>(f.font.color));
    mix(static_cast<std::size_t>(f.fill.pattern));
    mix(static_cast<std::size_t>(f.fill.foreground));
    mix(static_cast<std::size_t>(f.fill.background));
    mix(static_cast<std::size_t>(f.alignment.horizontal) | (f.alignment.wrap ? 16u : 0u) |
        (static_cast<std::size_t>(f.alignment.vertical) << 8));
    mix(qHash(f.numberFormat));
    return h;
}

}  // namespace markwell
