// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// add-assignment, set-points and set-total: assignments and their points
// without windows, as the assignment list and grade entry change them.

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"
#include "core/editing/RosterChanges.h"

namespace markwell::cli {
namespace {

// How a summary names an assignment: "Quiz 1" (assignment 2).
QString assignmentName(const ClassRecord& cls, std::size_t index) {
    return QStringLiteral("\"%1\" (assignment %2)")
        .arg(cp1252::toUnicode(cls.assignments[index].title), QString::number(index + 1));
}

// The assignment a change chose, found again in the class it changed (the
// change keeps the titles and the order).
std::size_t chosenIn(const ClassRecord& cls, const AssignmentChoice& choice) {
    return chosenAssignment(cls, choice).value();
}

}  // namespace

// add-assignment FILE.grs --title T --type TYPE [--total N] [--description D] [-o OUT.grs]
int runAddAssignment(const CommandArguments& args, const Console& console) {
    if (!args.isSet(QStringLiteral("title")) || !args.isSet(QStringLiteral("type"))) {
        return console.usage(QStringLiteral("add-assignment: --title and --type are needed"));
    }
    // The type as the class keeps it, whatever the letter case typed.
    const int typeIndex = assignmentTypeIndexTyped(args.value(QStringLiteral("type")));
    if (typeIndex < 0) {
        return console.usage(QStringLiteral("add-assignment: --type takes Final, Test, Quiz, Homework, Lab or Other"));
    }
    const QString type = assignmentTypeName(typeIndex);
    const AssignmentForm form{args.value(QStringLiteral("title")), type, args.value(QStringLiteral("description"))};
    return runClassChange(
        args.command, args.positional[0], args.output, newAssignmentChange(form, args.value(QStringLiteral("total"))),
        [type](const Document& changed, const QString& saved) {
            const ClassRecord& cls = changed.classRecord;
            const std::size_t added = cls.assignments.size() - 1;
            return QStringLiteral("Added %1 to %2: %3, total %4.")
                .arg(assignmentName(cls, added), saved, type, generalQText(cls.assignments[added].total));
        },
        console);
}

// set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]
int runSetPoints(const CommandArguments& args, const Console& console) {
    const std::optional<AssignmentChoice> choice = assignmentChoiceOf(args, console);
    if (!choice) return kExitUsage;
    const QString path = args.positional[0];
    const QString csvPath = args.positional[1];
    if (!classOutputSparesInputs(args.output.isEmpty() ? path : args.output, {csvPath}, console)) return kExitFailed;
    Result<CsvTable> table = readCsvTable(csvPath);
    if (!table) {
        console.error(table.message());
        return kExitFailed;
    }
    const std::size_t rows = table->rows.size();
    return runClassChange(
        args.command, path, args.output, pointsImportChange(*choice, std::move(table).value(), csvPath),
        [rows, &choice](const Document& changed, const QString& saved) {
            return QStringLiteral("Stored %1 of %2 in %3.")
                .arg(counted(static_cast<qint64>(rows), QStringLiteral("point"), QStringLiteral("points")),
                     assignmentName(changed.classRecord, chosenIn(changed.classRecord, *choice)), saved);
        },
        console);
}

// set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]
int runSetTotal(const CommandArguments& args, const Console& console) {
    const std::optional<AssignmentChoice> choice = assignmentChoiceOf(args, console);
    if (!choice) return kExitUsage;
    return runClassChange(
        args.command, args.positional[0], args.output, totalChange(*choice, args.positional[1]),
        [&choice](const Document& changed, const QString& saved) {
            const ClassRecord& cls = changed.classRecord;
            const std::size_t index = chosenIn(cls, *choice);
            return QStringLiteral("Set the total of %1 to %2 in %3.")
                .arg(assignmentName(cls, index), generalQText(cls.assignments[index].total), saved);
        },
        console);
}

}  // namespace markwell::cli
