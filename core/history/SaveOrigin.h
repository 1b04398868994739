// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/StudentEditing.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace markwell {

// Where an entry of a class's history came from. The numbers are kept in
// the history database: never renumber them.
enum class HistorySource : std::uint8_t {
    Window = 1,   // a save in the window
    Command = 2,  // a markwell-cli command (detail: its name)
    Restore = 3,  // an earlier version written back (detail: its number)
    Import = 4,   // a class made from another file (detail: that file)
    Outside = 5,  // found changed by a program that is not Markwell
};

// Where a save comes from, as its history entry says.
struct SaveOrigin {
    HistorySource source = HistorySource::Window;
    QString detail = {};                      // the command, the version's number, the imported file
    QStringList steps = {};                   // the window's undo steps it saves
    std::vector<StudentRename> renames = {};  // as the change model made them, in order
};

}  // namespace markwell
