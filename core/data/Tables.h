// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>

#include <array>
#include <span>
#include <string_view>

namespace markwell {

// The six assignment types in their fixed order: the order of the type choice,
// of the weights and of the drop flags.
inline constexpr int kAssignmentTypeCount = 6;
inline constexpr std::array<std::string_view, kAssignmentTypeCount> kAssignmentTypes = {"Final",    "Test", "Quiz",
                                                                                        "Homework", "Lab",  "Other"};

// Index 0..5 of a type name (exact spelling), or -1 for none.
int assignmentTypeIndex(std::string_view typeName);
// Index 0..5 of a type name as a person types it (any letter case), or -1.
int assignmentTypeIndexTyped(const QString& typed);
// The name of type 0..5, as the class keeps it.
QString assignmentTypeName(int typeIndex);
// The name of type 0..5 as a person reads it: in the window's language, in
// English where no translation is installed (markwell-cli). Never stored.
QString assignmentTypeLabel(int typeIndex);

// Letter tables. The letters are used exactly as stored, spaces included:
// they name the values of a scale in the settings store and are the letter
// grades shown in the grades table.
inline constexpr std::array<std::string_view, 5> kStandardScaleLetter = {"A", "B", "C", "D", "F"};
inline constexpr std::array<std::string_view, 12> kExpandedScaleLetter = {"A ", "A-", " B+", "B ", "B-", " C+",
                                                                          "C ", "C-", " D+", "D ", "D-", "F "};
inline constexpr std::array<std::string_view, 2> kPassFailScaleLetter = {"Pass", "Fail"};

// Default bounds (low, high) per letter, as text, in letter order.
struct ScaleBounds {
    std::string_view low;
    std::string_view high;
};
inline constexpr std::array<ScaleBounds, 5> kStandardScaleNum = {
    {{"90", "100"}, {"80", "89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}}};
inline constexpr std::array<ScaleBounds, 12> kExpandedScaleNum = {{{"94", "100"},
                                                                   {"90", "93.9"},
                                                                   {"87", "89.9"},
                                                                   {"83", "86.9"},
                                                                   {"80", "82.9"},
                                                                   {"77", "79.9"},
                                                                   {"73", "76.9"},
                                                                   {"70", "72.9"},
                                                                   {"67", "69.9"},
                                                                   {"63", "66.9"},
                                                                   {"60", "62.9"},
                                                                   {"0", "59.9"}}};
inline constexpr std::array<ScaleBounds, 2> kPassFailScaleNum = {{{"75", "100"}, {"0", "74"}}};

// The letters and default bounds of a scale kind. An unknown `scale_type` is
// treated as a standard scale.
std::span<const std::string_view> scaleLetters(std::uint8_t scaleType);
std::span<const ScaleBounds> scaleDefaultBounds(std::uint8_t scaleType);

inline constexpr const char* kDefaultScaleName = "<Default>";

}  // namespace markwell
