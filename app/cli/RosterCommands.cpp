// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// new and import-students: a class made and filled with students without
// windows, as File > New and the student list make them.

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/data/ClassFromAnother.h"
#include "core/data/Tables.h"
#include "core/scales/ScaleStore.h"
#include "core/scores/RosterChanges.h"

namespace markwell::cli {
namespace {

// new FILE.grs [--from OTHER.grs] [--scale NAME] [--force]: the class File >
// New (or File > New from Class...) gives, saved with its (empty) attendance
// and seating files.
int runNew(const CommandArguments& args, const Console& console) {
    const std::unique_ptr<UserScales> scales = openUserScales(console);
    Document document;
    const QString model = args.value(kFromOption);
    if (!model.isEmpty()) {
        if (!classOutputSparesInputs(args.output, {model}, console)) return kExitFailed;
        const std::optional<ClassRecord> cls = openClassFile(model, console);
        if (!cls) return kExitFailed;
        document.classRecord = newClassRecordFrom(*cls);
    } else {
        document.classRecord = newClassRecord(CurrentGradeScale{});
    }
    if (model.isEmpty() || args.isSet(kScaleOption)) {
        const QString scaleName =
            args.isSet(kScaleOption) ? args.value(kScaleOption) : QString::fromLatin1(kDefaultScaleName);
        const std::optional<CurrentGradeScale> scale = scales->store.scaleNamed(scaleName);
        if (!scale) {
            console.error(QStringLiteral("new: this computer has no grade scale named \"%1\"").arg(scaleName));
            return kExitFailed;
        }
        document.classRecord.gradeScale = *scale;
    }
    if (!createClassFiles(args.command, args.output, args.isSet(kForceOption), document, console)) {
        return kExitFailed;
    }
    const QString scaleName = cp1252::toUnicode(document.classRecord.gradeScale.name);
    if (model.isEmpty()) {
        console.printLine(
            QStringLiteral("Created %1: a new class with the grade scale \"%2\".").arg(args.output, scaleName));
    } else {
        console.printLine(
            QStringLiteral("Created %1 from %2: %3 assignments, no students, the grade scale \"%4\".")
                .arg(args.output, model, QString::number(document.classRecord.assignments.size()), scaleName));
    }
    return kExitOk;
}

constexpr OptionDeclaration kNewOptions[] = {
    {kFromOption, "OTHER.grs", "Take the assignments, rules, scale and look of this class (no students)."},
    {kScaleOption, "NAME", "The grade scale, by its name."},
    {kForceOption, nullptr, "Replace an existing class."},
};
constexpr Command kNew{.name = "new",
                       .usage = "new FILE.grs [--from OTHER.grs] [--scale NAME] [--force]",
                       .summary = "Write a new, empty class (File > New) with its .ATD and .SEA files; --from sets it "
                                  "up as\n      another class (File > New from Class...).",
                       .run = runNew,
                       .options = kNewOptions,
                       .arguments = kNewClassArguments,
                       .output = OutputPlace::OptionOrLastArgument,
                       .writesClass = true,
                       .place = 80};
const CommandRegistration kNewListed{kNew};

// import-students FILE.grs IN.csv [-o OUT.grs]: every row of the file added
// as the student list's Add adds a student, or none at all.
int runImportStudents(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const QString csvPath = args.positional[1];
    const QString saved = args.output.isEmpty() ? path : args.output;
    std::optional<CsvTable> table = readCsvInput(csvPath, saved, console);
    if (!table) return kExitFailed;
    const std::size_t rows = table->rows.size();
    return runClassChange(
        args.command, path, args.output, studentImportChange(std::move(*table), csvPath),
        [rows](const Document& changed, const QString& savedPath) {
            return QStringLiteral("Imported %1 into %2, which now has %3.")
                .arg(counted(static_cast<qint64>(rows), QStringLiteral("student"), QStringLiteral("students")),
                     savedPath, QString::number(changed.classRecord.students.size()));
        },
        console);
}

constexpr Command kImportStudents{
    .name = "import-students",
    .usage = "import-students FILE.grs IN.csv [-o OUT.grs]",
    .summary = "Add the students of a CSV file (header: name, id, street, city, state, zip, mom_name, "
               "mom_phone,\n      dad_name, dad_phone, student_email, mom_email, dad_email, comment; "
               "name is needed). All or none.",
    .run = runImportStudents,
    .arguments = kGradeFileAndCsv,
    .output = OutputPlace::Option,
    .writesClass = true,
    .changesClass = true,
    .place = 90};
const CommandRegistration kImportStudentsListed{kImportStudents};

}  // namespace

}  // namespace markwell::cli
