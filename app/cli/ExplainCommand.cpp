// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/common/Cp1252.h"
#include "core/editing/AssignmentChoice.h"
#include "core/grading/GradesTable.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/ReportCells.h"
#include "core/reports/WhatItTakes.h"

#include <algorithm>

namespace markwell::cli {
namespace {

constexpr char kGradeOption[] = "grade";

// One row a line, its cells tab-separated and the empty ones at its end
// left out; an empty row is an empty line, between the blocks.
QString explanationLines(const Sheet& sheet) {
    QString text;
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        QStringList cells;
        for (int col = 1; col <= sheet.maxCol(); ++col) cells << sheet.text(row, col);
        while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

// explain FILE.grs NAME: how the student's average and letter came out.
int runExplain(const CommandArguments& args, const Console& console) {
    const QString& path = args.positional[0];
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const std::optional<int> student = chosenStudent(*cls, args.positional[1], path, console);
    if (!student) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    const QString name = cp1252::toUnicode(cls->students[static_cast<std::size_t>(*student)].name);
    const std::optional<int> row = gradesRowOf(grades.sheet, name);
    const std::optional<GradeExplanation> explanation = row ? explainGrade(*cls, grades, *row) : std::nullopt;
    if (!explanation) {
        console.error(QStringLiteral("explain: %1 has no assignments to explain a grade by").arg(path));
        return kExitFailed;
    }
    console.print(explanationLines(explanationSheet(*explanation)));
    return kExitOk;
}

constexpr Command kExplain{.name = "explain",
                           .usage = "explain FILE.grs NAME",
                           .summary = "Print how a student's average and letter came out: each assignment's part, the "
                                      "weighted types,\n      the sums, the rounding and the scale's range.",
                           .run = runExplain,
                           .arguments = kGradeFileAndName,
                           .readsClass = true,
                           .place = 230};
const CommandRegistration kExplainListed{kExplain};

// what-if FILE.grs NAME (--assignment TITLE | --index K) --grade LETTER:
// the fewest points on the assignment that give the letter or a better one.
int runWhatIf(const CommandArguments& args, const Console& console) {
    const QString& path = args.positional[0];
    const AssignmentChoice& choice = *args.assignment;
    const QString letter = args.value(kGradeOption);
    // A letter of a scale never holds a line break or a tab: such a value is a mistake of the script.
    if (std::any_of(letter.begin(), letter.end(), [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return console.usage(QStringLiteral("what-if: --grade takes a letter of the grade scale, without control "
                                            "characters"));
    }
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const std::optional<int> student = chosenStudent(*cls, args.positional[1], path, console);
    if (!student) return kExitFailed;
    const Result<std::size_t> assignment = chosenAssignment(*cls, choice);
    if (!assignment) {
        console.error(QStringLiteral("what-if: ") + assignment.message());
        return kExitFailed;
    }
    const Result<WhatItTakes> answer =
        whatItTakes(*cls, cls->students[static_cast<std::size_t>(*student)].name, *assignment, letter);
    if (!answer) {
        console.error(QStringLiteral("what-if: ") + answer.message());
        return kExitFailed;
    }
    console.printLine(whatItTakesSentence(*answer));
    return kExitOk;
}

constexpr OptionDeclaration kWhatIfOptions[] = {
    kAssignmentTitle,
    kAssignmentIndex,
    {kGradeOption, "LETTER", "The letter wanted (or a better one)."},
};
constexpr const char* kLetterWanted[] = {kGradeOption};
constexpr Requirement kWhatIfRequirements[] = {kNeedsAssignment,
                                               {Needs::All, kLetterWanted, "--grade LETTER is needed"}};
constexpr Command kWhatIf{.name = "what-if",
                          .usage = "what-if FILE.grs NAME (--assignment TITLE | --index K) --grade LETTER",
                          .summary =
                              "Print the fewest points a student needs on an assignment for a letter or a better "
                              "one.",
                          .run = runWhatIf,
                          .options = kWhatIfOptions,
                          .arguments = kGradeFileAndName,
                          .readsClass = true,
                          .requirements = kWhatIfRequirements,
                          .place = 240};
const CommandRegistration kWhatIfListed{kWhatIf};

}  // namespace

}  // namespace markwell::cli
