// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/export/SheetFile.h"
#include "core/grading/GradesTable.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/IndividualReport.h"

namespace markwell::cli {
namespace {

// student FILE NAME [--type] [-o OUT]: the individual report of the first
// student of that name: the Overall table, or by type; -o also writes the
// workbook the window's E-mail attaches (.xls, .xlsx or .csv).
int runStudent(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const QString output = args.output;
    if (!output.isEmpty() && (!outputIsASpreadsheet("student", output, console) ||
                              !outputSparesInputs(output, classFilePathsFor(path), console))) {
        return kExitFailed;
    }
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const std::optional<int> student = chosenStudent(*cls, args.positional[1], path, console);
    if (!student) return kExitFailed;
    const GradesTable grades = buildGradesTable(*cls);
    const Sheet overall = individualOverallSheet(*cls, grades.sheet, *student);
    printSheet(args.isSet(kTypeOption) ? individualTypeSheet(*cls, *student) : overall, console);

    if (output.isEmpty()) return kExitOk;
    // The workbook the window's E-mail attaches: the Overall table and, when
    // there is a grade to explain, the explanation.
    const std::optional<Sheet> why = studentExplanationSheet(*cls, grades.sheet, *student);
    NamedSheets workbook{{QStringLiteral("Overall"), &overall}};
    if (why) workbook.push_back({QStringLiteral("Why"), &*why});
    if (const Result<void> written = writeSheetFile(workbook, output); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

constexpr OptionDeclaration kStudentOptions[] = {
    {kTypeOption, nullptr, "The table by assignment type."},
};
constexpr Command kStudent{.name = "student",
                           .usage = "student FILE.grs NAME [--type] [-o OUT.(xls|xlsx|csv)]",
                           .summary = "Print a student's individual report (or its table by type); -o also writes it.",
                           .run = runStudent,
                           .options = kStudentOptions,
                           .arguments = kGradeFileAndName,
                           .output = OutputPlace::Option,
                           .readsClass = true,
                           .place = 220};
const CommandRegistration kStudentListed{kStudent};

}  // namespace

}  // namespace markwell::cli
