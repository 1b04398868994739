// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace markwell {

// Comma text: a list of 8-bit strings joined with ",", as a point list is kept
// in the grade file and a scale's bounds in `num_values`.
//
// Writing: an item holding a space, a control character, a double quote or a
// comma is enclosed in double quotes with each inner double quote doubled;
// any other item is written as it is. An empty last item is written as two
// double quotes (so a list whose only item is empty is `""`), because a
// trailing comma would read back as no item at all.
//
// Reading: blanks and control characters (codes 1 to 32) between items are
// skipped. A quoted item runs to the next double quote that is not doubled, or
// to the end of the text when the quotes are unbalanced; any other item runs
// up to the next blank, control character or comma. Two commas in a row give
// an empty item; a trailing comma gives none. There is no length limit.
std::vector<std::string> parseCommaText(std::string_view text);
std::string formatCommaText(const std::vector<std::string>& items);

}  // namespace markwell
