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
#include "core/scores/RosterChanges.h"

namespace markwell::cli {
namespace {

constexpr char kTitleOption[] = "title";
constexpr char kDescriptionOption[] = "description";
constexpr char kTotalOption[] = "total";

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

// add-assignment FILE.grs --title T --type TYPE [--total N] [--description D] [-o OUT.grs]
int runAddAssignment(const CommandArguments& args, const Console& console) {
    // The type as the class keeps it, whatever the letter case typed.
    const int typeIndex = assignmentTypeIndexTyped(args.value(kTypeOption));
    if (typeIndex < 0) {
        return console.usage(QStringLiteral("add-assignment: --type takes Final, Test, Quiz, Homework, Lab or Other"));
    }
    const QString type = assignmentTypeName(typeIndex);
    const AssignmentForm form{args.value(kTitleOption), type, args.value(kDescriptionOption)};
    return runClassChange(
        args.command, args.positional[0], args.output, newAssignmentChange(form, args.value(kTotalOption)),
        [type](const Document& changed, const QString& saved) {
            const ClassRecord& cls = changed.classRecord;
            const std::size_t added = cls.assignments.size() - 1;
            return QStringLiteral("Added %1 to %2: %3, total %4.")
                .arg(assignmentName(cls, added), saved, type, generalQText(cls.assignments[added].total));
        },
        console);
}

constexpr OptionDeclaration kAddAssignmentOptions[] = {
    {kTitleOption, "T", "The title."},
    {kTypeOption, "TYPE", "Final, Test, Quiz, Homework, Lab or Other."},
    {kTotalOption, "N", "The possible points."},
    {kDescriptionOption, "D", "The description."},
};
constexpr const char* kTitleAndType[] = {kTitleOption, kTypeOption};
constexpr Requirement kAddAssignmentRequirements[] = {{Needs::All, kTitleAndType, "--title and --type are needed"}};
constexpr Command kAddAssignment{
    .name = "add-assignment",
    .usage = "add-assignment FILE.grs --title T --type Final|Test|Quiz|Homework|Lab|Other [--total N] "
             "[--description D] [-o OUT.grs]",
    .summary = "Add an assignment; every student starts with 0 points.",
    .run = runAddAssignment,
    .options = kAddAssignmentOptions,
    .arguments = kGradeFile,
    .output = OutputPlace::Option,
    .writesClass = true,
    .changesClass = true,
    .requirements = kAddAssignmentRequirements,
    .place = 110};
const CommandRegistration kAddAssignmentListed{kAddAssignment};

// set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]
int runSetPoints(const CommandArguments& args, const Console& console) {
    const AssignmentChoice& choice = *args.assignment;
    const QString path = args.positional[0];
    const QString csvPath = args.positional[1];
    std::optional<CsvTable> table = readCsvInput(csvPath, args.output.isEmpty() ? path : args.output, console);
    if (!table) return kExitFailed;
    const std::size_t rows = table->rows.size();
    return runClassChange(
        args.command, path, args.output, pointsImportChange(choice, std::move(*table), csvPath),
        [rows, &choice](const Document& changed, const QString& saved) {
            return QStringLiteral("Stored %1 of %2 in %3.")
                .arg(counted(static_cast<qint64>(rows), QStringLiteral("point"), QStringLiteral("points")),
                     assignmentName(changed.classRecord, chosenIn(changed.classRecord, choice)), saved);
        },
        console);
}

constexpr OptionDeclaration kSetPointsOptions[] = {
    kAssignmentTitle,
    kAssignmentIndex,
};
constexpr Requirement kSetPointsRequirements[] = {kNeedsAssignment};
constexpr Command kSetPoints{.name = "set-points",
                             .usage = "set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]",
                             .summary =
                                 "Store points from a CSV file with the columns name and points (a number, \"-\" or "
                                 "empty for 0).\n      Two students of one name take their rows in order. All or none.",
                             .run = runSetPoints,
                             .options = kSetPointsOptions,
                             .arguments = kGradeFileAndCsv,
                             .output = OutputPlace::Option,
                             .writesClass = true,
                             .changesClass = true,
                             .requirements = kSetPointsRequirements,
                             .place = 120};
const CommandRegistration kSetPointsListed{kSetPoints};

// set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]
int runSetTotal(const CommandArguments& args, const Console& console) {
    const AssignmentChoice& choice = *args.assignment;
    return runClassChange(
        args.command, args.positional[0], args.output, totalChange(choice, args.positional[1]),
        [&choice](const Document& changed, const QString& saved) {
            const ClassRecord& cls = changed.classRecord;
            const std::size_t index = chosenIn(cls, choice);
            return QStringLiteral("Set the total of %1 to %2 in %3.")
                .arg(assignmentName(cls, index), generalQText(cls.assignments[index].total), saved);
        },
        console);
}

constexpr OptionDeclaration kSetTotalOptions[] = {
    kAssignmentTitle,
    kAssignmentIndex,
};
constexpr const char* kSetTotalArguments[] = {"FILE.grs", "N"};
constexpr Requirement kSetTotalRequirements[] = {kNeedsAssignment};
constexpr Command kSetTotal{.name = "set-total",
                            .usage = "set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]",
                            .summary = "Set an assignment's possible points.",
                            .run = runSetTotal,
                            .options = kSetTotalOptions,
                            .arguments = kSetTotalArguments,
                            .output = OutputPlace::Option,
                            .writesClass = true,
                            .changesClass = true,
                            .requirements = kSetTotalRequirements,
                            .place = 140};
const CommandRegistration kSetTotalListed{kSetTotal};

}  // namespace

}  // namespace markwell::cli
