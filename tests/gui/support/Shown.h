// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Shows a window and waits until the desktop has drawn it (showExposed) or given
// it the keyboard (showActive): mouse clicks need the one, keys the other.

#include "tests/gui/support/WaitLimit.h"

#include <QTest>
#include <QWidget>

namespace markwell::testing {

inline bool showExposed(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window, kWaitLimitMs);
}

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, kWaitLimitMs);
}

}  // namespace markwell::testing
