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

const QString kStudent = QStringLiteral("student");
const QString kAssignment = QStringLiteral("assignment");
const QString kIndex = QStringLiteral("index");
const QString kOverall = QStringLiteral("overall");
const QString kPercent = QStringLiteral("percent");

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

}  // namespace

// graph FILE (--student NAME | --assignment TITLE | --index N | --overall)
// [--percent]: what the graph window charts.
int runGraph(const CommandArguments& args, const Console& console) {
    if (args.countOf({kStudent, kAssignment, kIndex, kOverall}) != 1) {
        return console.usage(
            QStringLiteral("graph: choose one of --student NAME, --assignment TITLE, --index N, --overall"));
    }
    const QString path = args.positional[0];
    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const Sheet grades = buildGradesTable(*cls).sheet;
    const GraphValues values = args.isSet(kPercent) ? GraphValues::Percentage : GraphValues::Points;

    if (args.isSet(kOverall)) {
        printGraph(overallGraph(grades, values), console);
        return kExitOk;
    }
    if (args.isSet(kStudent)) {
        const std::optional<int> student = chosenStudent(*cls, args.value(kStudent), path, console);
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

}  // namespace markwell::cli
