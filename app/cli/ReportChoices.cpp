// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ReportChoices.h"

#include "app/cli/CommandSupport.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/ReportStudents.h"

#include <QDate>

namespace markwell::cli {
namespace {

// The contents the options ask for; the default: Overall and Why.
std::optional<ReportContents> contentsOf(const CommandArguments& args, const Document& document, const QString& command,
                                         const Console& console) {
    ReportContents base;
    base.note = args.value(kNoteOption);
    base.months = defaultMonthSpan(document.attendance, QDate::currentDate());
    if (args.isSet(kMonthsOption)) {
        const Result<MonthSpan> months = parseMonthSpan(args.value(kMonthsOption));
        if (!months) {
            console.error(command + QStringLiteral(": --months: ") + months.message());
            return std::nullopt;
        }
        base.months = *months;
    }
    if (!args.isSet(kContentsOption)) return base;
    const Result<ReportContents> contents = contentsFromList(args.value(kContentsOption), base);
    if (!contents) {
        console.error(command + QStringLiteral(": --contents: ") + contents.message());
        return std::nullopt;
    }
    return *contents;
}

std::optional<StudentChoice> choiceOf(const CommandArguments& args, const Console& console) {
    StudentChoice choice;
    if (args.isSet(kNamesOption)) {
        const Result<QStringList> names = readNameList(args.value(kNamesOption));
        if (!names) {
            console.error(names.message());
            return std::nullopt;
        }
        choice.kind = StudentChoice::Kind::Named;
        choice.names = *names;
    } else if (args.isSet(kGradeAtMostOption)) {
        choice.kind = StudentChoice::Kind::GradeAtMost;
        choice.letter = args.value(kGradeAtMostOption);
    }
    return choice;
}

}  // namespace

std::optional<ChosenReports> chooseReports(const CommandArguments& args, const QString& path, const Document& document,
                                           const Sheet& grades, const QString& command, const Console& console) {
    std::optional<ReportContents> contents = contentsOf(args, document, command, console);
    if (!contents) return std::nullopt;
    // Zeros from an attendance file that cannot be read would look like a spotless term.
    if (contents->attendance && !document.attendanceDamage.isEmpty()) {
        console.error(document.attendanceDamage);
        return std::nullopt;
    }
    for (const QString& unknown : unknownPlaceholders(contents->note)) {
        console.error(QStringLiteral("warning: the note's %1 is not one of %2: it is printed as typed")
                          .arg(unknown, notePlaceholders().join(QStringLiteral(", "))));
    }
    const std::optional<StudentChoice> choice = choiceOf(args, console);
    if (!choice) return std::nullopt;
    Result<std::vector<int>> students = chooseStudents(document.classRecord, grades, *choice);
    if (!students) {
        console.error(aboutFile(path, students.message()));
        return std::nullopt;
    }
    if (students->empty()) {
        console.error(QStringLiteral("%1: %2: no student is chosen; nothing was done").arg(command, path));
        return std::nullopt;
    }
    return ChosenReports{std::move(*contents), std::move(*students)};
}

}  // namespace markwell::cli
