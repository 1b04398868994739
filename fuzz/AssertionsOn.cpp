// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Compiled into the core of the fuzz build only: the readers' assertions
// are part of what the fuzzers check.
#ifdef NDEBUG
#error "the fuzz build compiles the core with assertions on (-UNDEBUG)"
#endif

namespace markwell::fuzz {
// Something to compile, so that no compiler calls this file empty.
[[maybe_unused]] constexpr bool kAssertionsOn = true;
}  // namespace markwell::fuzz
