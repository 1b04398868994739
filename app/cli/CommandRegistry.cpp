// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/Commands.h"

#include <algorithm>
#include <cstring>

namespace markwell::cli {
namespace {

// Filled before main runs, by each command's registration; a function's
// static, so that it exists before the first command file registers.
std::vector<const Command*>& registry() {
    static std::vector<const Command*> commands;
    return commands;
}

}  // namespace

CommandRegistration::CommandRegistration(const Command& command) {
    std::vector<const Command*>& commands = registry();
    // Kept in help order as they come, whatever order the files are linked in.
    const auto at = std::upper_bound(commands.begin(), commands.end(), command.place,
                                     [](int place, const Command* listed) { return place < listed->place; });
    commands.insert(at, &command);
}

const std::vector<const Command*>& registeredCommands() {
    return registry();
}

const Command* commandNamed(const char* name) {
    for (const Command* command : registry()) {
        if (std::strcmp(name, command->name) == 0) return command;
    }
    return nullptr;
}

}  // namespace markwell::cli
