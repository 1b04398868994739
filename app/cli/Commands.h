// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// How a markwell-cli command declares itself, beside its body: the runner
// parses, checks and opens from the declaration, and the help and usage
// lines are made from it.

#include "app/cli/CommandArguments.h"
#include "app/cli/Console.h"

#include <span>
#include <vector>

namespace markwell::cli {

// A command's body: its parsed arguments (with the class it reads) and the
// console. Returns the process exit code.
using CommandFunction = int (*)(const CommandArguments& args, const Console& console);

// An option as a command declares it: its names ("o,output": one letter for
// a short name), the name of its value (none for a switch) and what it does.
struct OptionDeclaration {
    const char* names;
    const char* valueName;
    const char* description;
};

// Where a command's output file is named.
enum class OutputPlace {
    None,                  // it writes no file named on the command line
    Option,                // -o OUT, only when given
    OptionOrLastArgument,  // -o OUT, or else its last argument
};

// Options a command cannot run without, checked by the runner in the order
// declared, before the body runs; `problem` is the usage error said after
// the command's name. An assignment choice also takes --index as a number
// and hands the choice to the body (CommandArguments::assignment).
enum class Needs { All, ExactlyOne, AssignmentChoice };
struct Requirement {
    Needs needs;
    std::span<const char* const> options = {};
    const char* problem = nullptr;
};
inline constexpr Requirement kNeedsAssignment{Needs::AssignmentChoice};

// One subcommand. The runner parses its arguments with these options and
// argument names and hands it the values; `writesClass` says its output is
// a class (a .grs name, whose .ATD and .SEA files are named after it).
struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    CommandFunction run;
    std::span<const OptionDeclaration> options = {};
    // Argument names; one in brackets may be left out ("[NAME]"), and one
    // ending in "..." may be given any number of times ("[FILE...]").
    std::span<const char* const> arguments = {};
    OutputPlace output = OutputPlace::None;
    bool writesClass = false;
    // The first argument is a class the body reads: the runner opens it
    // when the body first asks (CommandArguments::theClass), after the
    // body's own checks of the command line.
    bool readsClass = false;
    // The body changes that class and saves it in place unless -o names
    // another (through runClassChange).
    bool changesClass = false;
    // Draws pages (PDF), which needs fonts and painting, though never a screen.
    bool drawsPages = false;
    std::span<const Requirement> requirements = {};
    // Where --help lists it: by this number, lowest first.
    int place = 0;
};

// Lists a command for the runner and the help; one of these stands beside
// each command's body.
class CommandRegistration {
public:
    explicit CommandRegistration(const Command& command);
};

// Every registered command, in the order --help lists them.
const std::vector<const Command*>& registeredCommands();
// The command of this name, or none.
const Command* commandNamed(const char* name);

// The options that name an assignment, as every command taking one declares them.
inline constexpr OptionDeclaration kAssignmentTitle{kAssignmentOption, "TITLE",
                                                    "The assignment of this exact title (the first of them)."};
inline constexpr OptionDeclaration kAssignmentIndex{kIndexOption, "K",
                                                    "The assignment at this place, counting from 1."};
// The runner's name of the output file, which a requirement may name.
inline constexpr char kOutputOption[] = "output";

// Argument lists many commands share.
inline constexpr const char* kOneFile[] = {"FILE"};
inline constexpr const char* kGradeFile[] = {"FILE.grs"};
inline constexpr const char* kGradeFileAndName[] = {"FILE.grs", "NAME"};
inline constexpr const char* kNewClassArguments[] = {"OUT.grs"};
inline constexpr const char* kGradeFileAndCsv[] = {"FILE.grs", "IN.csv"};

}  // namespace markwell::cli
