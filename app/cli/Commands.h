// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/CommandArguments.h"
#include "app/cli/Console.h"

#include <span>

namespace markwell::cli {

// A command's function: its parsed arguments and the console. Returns the
// process exit code.
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

// One subcommand, as the table of markwell-cli lists it. The runner parses
// its arguments with these options and argument names and hands it the
// values; `writesClass` says its output is a class (a .grs name, whose .ATD
// and .SEA files are named after it).
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
    // Draws pages (PDF), which needs fonts and painting, though never a screen.
    bool drawsPages = false;
};

int runCheck(const CommandArguments& args, const Console& console);
int runConvert(const CommandArguments& args, const Console& console);
int runSample(const CommandArguments& args, const Console& console);
int runShow(const CommandArguments& args, const Console& console);
int runSort(const CommandArguments& args, const Console& console);
int runExport(const CommandArguments& args, const Console& console);
int runAttendance(const CommandArguments& args, const Console& console);
int runMerge(const CommandArguments& args, const Console& console);
int runSeats(const CommandArguments& args, const Console& console);
int runNew(const CommandArguments& args, const Console& console);
int runImportStudents(const CommandArguments& args, const Console& console);
int runImportScores(const CommandArguments& args, const Console& console);
int runAddAssignment(const CommandArguments& args, const Console& console);
int runSetPoints(const CommandArguments& args, const Console& console);
int runSetTotal(const CommandArguments& args, const Console& console);
int runCurve(const CommandArguments& args, const Console& console);
int runOverview(const CommandArguments& args, const Console& console);
int runStudent(const CommandArguments& args, const Console& console);
int runExplain(const CommandArguments& args, const Console& console);
int runWhatIf(const CommandArguments& args, const Console& console);
int runStats(const CommandArguments& args, const Console& console);
int runGraph(const CommandArguments& args, const Console& console);
int runMailto(const CommandArguments& args, const Console& console);
int runWeights(const CommandArguments& args, const Console& console);
int runDrop(const CommandArguments& args, const Console& console);
int runScale(const CommandArguments& args, const Console& console);
int runUseScale(const CommandArguments& args, const Console& console);
int runPassword(const CommandArguments& args, const Console& console);
int runVersions(const CommandArguments& args, const Console& console);
int runHistory(const CommandArguments& args, const Console& console);
int runReports(const CommandArguments& args, const Console& console);
int runSendReports(const CommandArguments& args, const Console& console);

}  // namespace markwell::cli
