// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

namespace markwell::testing {

// How long a window test waits for what the event loop, a timer or another
// process brings about (a window shown, a click after a button's letter, a
// file written, a program started). Far longer than any of it takes, even in
// the sanitizer build on a busy machine, and spent in full only by a test
// that fails anyway. Qt's own default of 5 s is not enough there.
inline constexpr int kWaitLimitMs = 30000;

}  // namespace markwell::testing
