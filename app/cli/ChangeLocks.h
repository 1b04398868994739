// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/Console.h"
#include "core/document/ClassLock.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace markwell::cli {

// How long a command waits for another program to finish changing a class.
inline constexpr std::chrono::milliseconds kChangeLockWait{5000};

// The change locks of the classes a command reads and writes, held until it
// ends, so that two commands changing one class never lose each other's work.
using ChangeLocks = std::vector<std::unique_ptr<ClassLock>>;

// Takes the change lock of each class (a path given twice, or by another
// name, is locked once), waiting up to kChangeLockWait for another program
// to let go. Prints the refusal and gives nothing when another program still
// holds one, or when a lock cannot be made at all: no lock, no change.
std::optional<ChangeLocks> lockForChange(const QStringList& gradePaths, const Console& console);

}  // namespace markwell::cli
