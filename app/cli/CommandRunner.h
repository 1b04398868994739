// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/Commands.h"

#include <QStringList>

namespace markwell::cli {

// markwell-cli's help: every command's usage line and summary, in order.
QString helpText();

// Parses `args` (what follows the command's name) as `command` declares them
// and runs it with the values. A usage error (an unknown or repeated option,
// a missing value, a wrong number of arguments, two outputs, a class output
// not ending in .grs) is said with the command's usage line and gives
// kExitUsage; so is a requirement the command declares and the line
// misses. --help prints the command's help.
int runCommand(const Command& command, const QStringList& args, const Console& console);

// The command's usage line, summary and options.
QString commandHelp(const Command& command);

}  // namespace markwell::cli
