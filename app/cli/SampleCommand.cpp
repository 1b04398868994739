// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// sample OUT.grs [--students N] [--assignments M] ... [--force]: writes a realistic demonstration class with its
// attendance and seating files beside it; an existing class only with --force.

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <variant>

namespace markwell::cli {
namespace {

constexpr char kStudentsOption[] = "students";
constexpr char kAssignmentsOption[] = "assignments";
constexpr char kSeedOption[] = "seed";
constexpr char kWeightedOption[] = "weighted";
constexpr char kSeatsOption[] = "seats";
constexpr char kDropOption[] = "drop";

constexpr int kMaxStudents = 100000;
constexpr int kMaxAssignments = 2000;
constexpr qint64 kMaxPointEntries = 20'000'000;

std::optional<int> wholeNumber(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::int32_t> dropRule(const QString& name) {
    if (name == QLatin1String("none")) return droprule::kNone;
    if (name == QLatin1String("overall")) return droprule::kLowestOverall;
    if (name == QLatin1String("type")) return droprule::kLowestPerType;
    return std::nullopt;
}

// The options, or the usage problem.
std::variant<SampleOptions, QString> sampleOptions(const CommandArguments& args) {
    SampleOptions options;
    if (args.isSet(kStudentsOption)) {
        const auto n = wholeNumber(args.value(kStudentsOption), 0, kMaxStudents);
        if (!n) return QStringLiteral("--students takes a whole number from 0 to %1").arg(kMaxStudents);
        options.students = *n;
    }
    if (args.isSet(kAssignmentsOption)) {
        const auto n = wholeNumber(args.value(kAssignmentsOption), 0, kMaxAssignments);
        if (!n) return QStringLiteral("--assignments takes a whole number from 0 to %1").arg(kMaxAssignments);
        options.assignments = *n;
    }
    if (static_cast<qint64>(options.students) * options.assignments > kMaxPointEntries) {
        return QStringLiteral("a class of %1 students and %2 assignments is too large for a sample")
            .arg(options.students)
            .arg(options.assignments);
    }
    if (args.isSet(kSeedOption)) {
        bool ok = false;
        options.seed = args.value(kSeedOption).toULongLong(&ok);
        if (!ok) return QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615");
    }
    options.weighted = args.isSet(kWeightedOption);
    options.seats = args.isSet(kSeatsOption);
    if (args.isSet(kDropOption)) {
        const auto rule = dropRule(args.value(kDropOption));
        if (!rule) return QStringLiteral("--drop takes none, overall or type");
        options.dropType = *rule;
    }
    return options;
}

int runSample(const CommandArguments& args, const Console& console) {
    const auto options = sampleOptions(args);
    if (const QString* problem = std::get_if<QString>(&options))
        return console.usage(QStringLiteral("sample: ") + *problem);
    const QString path = args.output;
    const SampleOptions& chosen = std::get<SampleOptions>(options);
    Document document;
    document.classRecord = makeSampleClass(chosen, builtInDefaultGradeScale());
    document.attendance = AttendanceBook(makeSampleAttendance(document.classRecord, chosen.seed));
    if (!createClassFiles(args.command, path, args.isSet(kForceOption), document, console)) {
        return kExitFailed;
    }

    const ClassRecord& cls = document.classRecord;
    const QString attendPath = attendancePathFor(path);
    const QString seatingPath = seatingPathFor(path);
    const auto size = [](std::size_t n) { return static_cast<qint64>(n); };
    console.printLine(
        QStringLiteral("Wrote %1 (%2, %3)")
            .arg(path, counted(size(cls.students.size()), QStringLiteral("student"), QStringLiteral("students")),
                 counted(size(cls.assignments.size()), QStringLiteral("assignment"), QStringLiteral("assignments"))));
    console.printLine(QStringLiteral("Wrote %1 (%2, September to December 2026)")
                          .arg(attendPath, counted(size(document.attendance.records().size()), QStringLiteral("record"),
                                                   QStringLiteral("records"))));
    console.printLine(
        QStringLiteral("Wrote %1 (%2)")
            .arg(seatingPath, counted(size(cls.Seats.size()), QStringLiteral("seat"), QStringLiteral("seats"))));
    return kExitOk;
}

constexpr OptionDeclaration kSampleOptions[] = {
    {kStudentsOption, "N", "Number of students."},
    {kAssignmentsOption, "M", "Number of assignments."},
    {kSeedOption, "S", "Seed of the made-up names and marks."},
    {kWeightedOption, nullptr, "Turn weighted averages on."},
    {kSeatsOption, nullptr, "A seat per student on the seating chart."},
    {kDropOption, "RULE", "Dropping rule: none, overall or type."},
    {kForceOption, nullptr, "Replace an existing class."},
};
constexpr Command kSample{
    .name = "sample",
    .usage = "sample OUT.grs --students N --assignments M [--seed S] [--weighted] [--drop none|overall|type] [--seats] "
             "[--force]",
    .summary = "Write a realistic demonstration class with its .ATD and .SEA files "
               "(--seats: a seat per student).",
    .run = runSample,
    .options = kSampleOptions,
    .arguments = kNewClassArguments,
    .output = OutputPlace::OptionOrLastArgument,
    .writesClass = true,
    .place = 30};
const CommandRegistration kSampleListed{kSample};

}  // namespace

}  // namespace markwell::cli
