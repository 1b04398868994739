// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// overview: a teacher's classes side by side, as View > My Classes... shows them.

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/reports/ClassOverview.h"
#include "core/scales/ScaleSnapshot.h"

#include <QFileInfo>

#include <algorithm>

namespace markwell::cli {
namespace {

constexpr char kGradeAtMostOption[] = "grade-at-most";

// The classes named: a folder stands for its grade files.
QStringList classPathsOf(const QStringList& arguments) {
    QStringList paths;
    for (const QString& argument : arguments) {
        if (QFileInfo(argument).isDir()) {
            paths << classFilesIn(argument);
        } else {
            paths << argument;
        }
    }
    return paths;
}

// The sheet's rows without the empty cells at their ends: a damaged class's
// line stops after its reason.
void printRows(const Sheet& sheet, const Console& console) {
    const QStringList lines = sheet.toTsv(CellRange::all()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString line : lines) {
        while (line.endsWith(QLatin1Char('\t'))) line.chop(1);
        console.printLine(line);
    }
}

// overview (FILE.grs... | DIR) [--grade-at-most LETTER]
int runOverview(const CommandArguments& args, const Console& console) {
    const std::unique_ptr<UserScales> scales = openUserScales(console);
    const std::vector<ClassSummary> classes =
        summariseClassFiles(classPathsOf(args.positional), ScaleSnapshot(scales->store));
    printRows(overviewSheet(classes, args.value(kGradeAtMostOption), false), console);
    const bool damaged =
        std::any_of(classes.begin(), classes.end(), [](const ClassSummary& c) { return !c.damage.isEmpty(); });
    return damaged ? kExitFailed : kExitOk;
}

constexpr OptionDeclaration kOverviewOptions[] = {
    {kGradeAtMostOption, "LETTER", "Count the students at this letter or below."},
};
constexpr const char* kOverviewArguments[] = {"FILE.grs|DIR", "[FILE.grs|DIR...]"};
constexpr Command kOverview{.name = "overview",
                            .usage = "overview (FILE.grs... | DIR) [--grade-at-most LETTER]",
                            .summary =
                                "Print a line per class: students, assignments, class average, missing work and the "
                                "students\n      at or below a letter (View > My Classes...).",
                            .run = runOverview,
                            .options = kOverviewOptions,
                            .arguments = kOverviewArguments,
                            .place = 260};
const CommandRegistration kOverviewListed{kOverview};

}  // namespace

}  // namespace markwell::cli
