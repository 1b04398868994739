// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// attendance FILE --year Y --student NAME: one student's attendance over a
// year, month by month, as the Attendance Analysis window shows it.

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/editing/StudentEditing.h"
#include "core/reports/AttendanceAnalysis.h"

namespace markwell::cli {
namespace {

constexpr char kYearOption[] = "year";

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The first student of the roster whose name is `wanted`, letter case aside.
const StudentInfo* findStudent(const ClassRecord& cls, const QString& wanted) {
    const Result<std::string> name = cp1252::fromUnicode(wanted);
    const std::optional<std::size_t> index = name ? findStudentNamed(cls, *name) : std::nullopt;
    return index ? &cls.students[*index] : nullptr;
}

int runAttendance(const CommandArguments& args, const Console& console) {
    bool ok = false;
    const int year = args.value(kYearOption).toInt(&ok);
    if (!ok || year < kFirstYear || year > kLastYear) {
        return console.usage(
            QStringLiteral("attendance: --year takes a year from %1 to %2").arg(kFirstYear).arg(kLastYear));
    }

    const QString path = args.positional[0];
    const std::optional<Document> document = args.theClass.wholeClass();
    if (!document) return kExitFailed;
    // Zeros from an attendance file that cannot be read would look like a
    // spotless year.
    if (!document->attendanceDamage.isEmpty()) {
        console.error(document->attendanceDamage);
        return kExitFailed;
    }
    const QString name = args.value(kStudentOption);
    const StudentInfo* student = findStudent(document->classRecord, name);
    if (!student) {
        console.error(QStringLiteral("attendance: %1 has no student named \"%2\"").arg(path, name));
        return kExitFailed;
    }
    printSheet(buildAttendanceAnalysis(document->attendance, year, student->name, document->markwellFile), console);
    return kExitOk;
}

constexpr OptionDeclaration kAttendanceOptions[] = {
    {kYearOption, "Y", "The year counted."},
    {kStudentOption, "NAME", "The student's name."},
};
constexpr const char* kYearAndStudent[] = {kYearOption, kStudentOption};
constexpr Requirement kAttendanceRequirements[] = {{Needs::All, kYearAndStudent, "give --year and --student"}};
constexpr Command kAttendance{.name = "attendance",
                              .usage = "attendance FILE.grs --year Y --student NAME",
                              .summary = "Print a student's tardies and absences of each month of a year.",
                              .run = runAttendance,
                              .options = kAttendanceOptions,
                              .arguments = kGradeFile,
                              .readsClass = true,
                              .requirements = kAttendanceRequirements,
                              .place = 150};
const CommandRegistration kAttendanceListed{kAttendance};

}  // namespace

}  // namespace markwell::cli
