// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Any text reads as some list without a fault, and any list read that way
// comes back unchanged through writing and reading.

#include "fuzz/FuzzCheck.h"

#include "core/common/CommaText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace markwell;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> items = parseCommaText(text);
    FUZZ_CHECK(parseCommaText(formatCommaText(items)) == items);
    return 0;
}
