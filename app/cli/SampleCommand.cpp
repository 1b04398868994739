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
    if (args.isSet(QStringLiteral("students"))) {
        const auto n = wholeNumber(args.value(QStringLiteral("students")), 0, kMaxStudents);
        if (!n) return QStringLiteral("--students takes a whole number from 0 to %1").arg(kMaxStudents);
        options.students = *n;
    }
    if (args.isSet(QStringLiteral("assignments"))) {
        const auto n = wholeNumber(args.value(QStringLiteral("assignments")), 0, kMaxAssignments);
        if (!n) return QStringLiteral("--assignments takes a whole number from 0 to %1").arg(kMaxAssignments);
        options.assignments = *n;
    }
    if (static_cast<qint64>(options.students) * options.assignments > kMaxPointEntries) {
        return QStringLiteral("a class of %1 students and %2 assignments is too large for a sample")
            .arg(options.students)
            .arg(options.assignments);
    }
    if (args.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        options.seed = args.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) return QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615");
    }
    options.weighted = args.isSet(QStringLiteral("weighted"));
    options.seats = args.isSet(QStringLiteral("seats"));
    if (args.isSet(QStringLiteral("drop"))) {
        const auto rule = dropRule(args.value(QStringLiteral("drop")));
        if (!rule) return QStringLiteral("--drop takes none, overall or type");
        options.dropType = *rule;
    }
    return options;
}

}  // namespace

int runSample(const CommandArguments& args, const Console& console) {
    const auto options = sampleOptions(args);
    if (const QString* problem = std::get_if<QString>(&options))
        return console.usage(QStringLiteral("sample: ") + *problem);
    const QString path = args.output;
    const SampleOptions& chosen = std::get<SampleOptions>(options);
    Document document;
    document.classRecord = makeSampleClass(chosen, builtInDefaultGradeScale());
    document.attendance = AttendanceBook(makeSampleAttendance(document.classRecord, chosen.seed));
    if (!createClassFiles(args.command, path, args.isSet(QStringLiteral("force")), document, console)) {
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

}  // namespace markwell::cli
