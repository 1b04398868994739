// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

class QWidget;

namespace markwell {

class UserDialogs;

// Asked when Cancel, Escape or the close button of an editing dialog would
// throw away what was typed in it: Discard or Keep editing (the default).
// True when the teacher chose to discard.
bool confirmDiscard(UserDialogs& dialogs, QWidget* dialog);

}  // namespace markwell
