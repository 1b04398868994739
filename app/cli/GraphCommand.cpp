// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/grading/GradesTable.h"
#include "core/reports/BarGraph.h"
#include "core/reports/ReportCells.h"

namespace markwell::cli {
namespace {

constexpr char kPercentOption[] = "percent";

// The title, the axis titles, then a line per bar: its label and its value
// in the shortest form that reads back exactly.
void printGraph(const BarGraph& graph, const Console& console) {
    QString text = graph.title + QLatin1Char('\n') + graph.valueAxisTitle + QLatin1Char('\t') +
                   graph.categoryAxisTitle + QLatin1Char('\n');
    for (const GraphBar& bar : graph.bars) {
        text += bar.label + QLatin1Char('\t') + QString::fromStdString(shortestText(bar.value)) + QLatin1Char('\n');
    }
    console.print(text);
}

// graph FILE (--student NAME | --assignment TITLE | --index N | --overall)
// [--percent]: what the graph window charts.
int runGraph(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const Sheet grades = buildGradesTable(*cls).sheet;
    const GraphValues values = args.isSet(kPercentOption) ? GraphValues::Percentage : GraphValues::Points;

    if (args.isSet(kOverallOption)) {
        printGraph(overallGraph(grades, values), console);
        return kExitOk;
    }
    if (args.isSet(kStudentOption)) {
        const std::optional<int> student = chosenStudent(*cls, args.value(kStudentOption), path, console);
        if (!student) return kExitFailed;
        const QString name = cp1252::toUnicode(cls->students[static_cast<std::size_t>(*student)].name);
        printGraph(studentGraph(grades, gradesRowOf(grades, name).value_or(0), values), console);
        return kExitOk;
    }
    const std::optional<AssignmentChoice> choice = assignmentChoiceOf(args, console);
    if (!choice) return kExitUsage;
    const Result<std::size_t> assignment = chosenAssignment(*cls, *choice);
    if (!assignment) {
        console.error(QStringLiteral("graph: %1").arg(assignment.message()));
        return kExitFailed;
    }
    printGraph(assignmentGraph(grades, static_cast<int>(*assignment), values), console);
    return kExitOk;
}

constexpr OptionDeclaration kGraphOptions[] = {
    {kStudentOption, "NAME", "A student's scores."},
    kAssignmentTitle,
    kAssignmentIndex,
    {kOverallOption, nullptr, "The class's overall grades."},
    {kPercentOption, nullptr, "Percentages in place of points."},
};
constexpr const char* kWhatIsCharted[] = {kStudentOption, kAssignmentOption, kIndexOption, kOverallOption};
constexpr Requirement kGraphRequirements[] = {
    {Needs::ExactlyOne, kWhatIsCharted, "choose one of --student NAME, --assignment TITLE, --index N, --overall"}};
constexpr Command kGraph{
    .name = "graph",
    .usage = "graph FILE.grs (--student NAME | --assignment TITLE | --index N | --overall) [--percent]",
    .summary = "Print what the graph charts: its title, axis titles and bars.",
    .run = runGraph,
    .options = kGraphOptions,
    .arguments = kGradeFile,
    .readsClass = true,
    .requirements = kGraphRequirements,
    .place = 270};
const CommandRegistration kGraphListed{kGraph};

}  // namespace

}  // namespace markwell::cli
