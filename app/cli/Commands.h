#pragma once

#include "app/cli/Console.h"

#include <QStringList>

namespace markwell::cli {

// One subcommand: its arguments (after the subcommand's name) and the console.
// Returns the process exit code.
using CommandFunction = int (*)(const QStringList& args, const Console& console);

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    CommandFunction run;
    // Draws pages (PDF), which needs fonts and painting, though never a screen.
    bool drawsPages = false;
};

int runCheck(const QStringList& args, const Console& console);
int runConvert(const QStringList& args, const Console& console);
int runSample(const QStringList& args, const Console& console);
int runShow(const QStringList& args, const Console& console);
int runSort(const QStringList& args, const Console& console);
int runExport(const QStringList& args, const Console& console);
int runAttendance(const QStringList& args, const Console& console);
int runMerge(const QStringList& args, const Console& console);
int runSeats(const QStringList& args, const Console& console);
int runNew(const QStringList& args, const Console& console);
int runImportStudents(const QStringList& args, const Console& console);
int runAddAssignment(const QStringList& args, const Console& console);
int runSetPoints(const QStringList& args, const Console& console);
int runSetTotal(const QStringList& args, const Console& console);
int runStudent(const QStringList& args, const Console& console);
int runStats(const QStringList& args, const Console& console);
int runGraph(const QStringList& args, const Console& console);
int runMailto(const QStringList& args, const Console& console);
int runWeights(const QStringList& args, const Console& console);
int runDrop(const QStringList& args, const Console& console);
int runScale(const QStringList& args, const Console& console);
int runUseScale(const QStringList& args, const Console& console);
int runPassword(const QStringList& args, const Console& console);
int runVersions(const QStringList& args, const Console& console);

}  // namespace markwell::cli
