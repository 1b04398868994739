// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/document/ClassOnDisk.h"
#include "core/files/FileBytes.h"
#include "core/history/GradeHistory.h"
#include "core/history/HistoryTable.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace markwell::cli {
namespace {

constexpr char kForgetOption[] = "forget";
constexpr char kSinceOption[] = "since";
constexpr char kUntilOption[] = "until";

// A day as YYYY-MM-DD and nothing else, or none after saying why.
std::optional<QDate> dayOption(const CommandArguments& args, const QString& option, const Console& console,
                               bool& refused) {
    if (!args.isSet(option)) return std::nullopt;
    const QString text = args.value(option);
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!shape.match(text).hasMatch() || !day.isValid()) {
        console.usage(QStringLiteral("history: --%1 takes a day as YYYY-MM-DD, not \"%2\"").arg(option, text));
        refused = true;
    }
    return day;
}

// The history cannot stop anything: what went wrong with it is a warning.
void warnAbout(GradeHistory& history, const Console& console) {
    if (const QString notice = history.takeNotice(); !notice.isEmpty())
        console.error(QStringLiteral("warning: %1").arg(notice));
}

int forgetStudent(GradeHistory& history, const QString& path, const QString& name, const Console& console) {
    const Result<int> forgotten = history.forgetStudent(path, name);
    if (!forgotten) {
        console.error(forgotten.message());
        return kExitFailed;
    }
    console.printLine(*forgotten == 1 ? QStringLiteral("Forgot 1 line of %1 in the history of %2.").arg(name, path)
                                      : QStringLiteral("Forgot %1 lines of %2 in the history of %3.")
                                            .arg(QString::number(*forgotten), name, path));
    return kExitOk;
}

// history FILE.grs [--student NAME] [--assignment TITLE] [--since DAY] [--until DAY] | --forget NAME
int runHistory(const CommandArguments& args, const Console& console) {
    const QString& path = args.positional[0];
    if (!isGradeFileName(path)) return console.usage(QStringLiteral("history: give a class's .grs file"));
    const bool forgetting = args.isSet(kForgetOption);
    if (forgetting && args.countOf({kStudentOption, kAssignmentOption, kSinceOption, kUntilOption}) > 0) {
        return console.usage(QStringLiteral("history: --forget goes alone"));
    }
    bool refused = false;
    HistoryFilter filter;
    filter.student = args.value(kStudentOption);
    filter.assignment = args.value(kAssignmentOption);
    filter.since = dayOption(args, kSinceOption, console, refused);
    filter.until = dayOption(args, kUntilOption, console, refused);
    if (refused) return kExitUsage;
    if (!QFileInfo(path).isFile()) {
        console.error(unableToOpen(path, QStringLiteral("there is no such class")));
        return kExitFailed;
    }

    if (!finishSaveOfClassOf(path, console)) return kExitFailed;
    GradeHistory history;
    // What changed since the history last looked is recorded first.
    const Result<void> looked = lookAtClassOnDisk(history, path);
    warnAbout(history, console);
    if (!looked) console.error(QStringLiteral("warning: %1").arg(looked.message()));
    if (forgetting) return forgetStudent(history, path, args.value(kForgetOption), console);

    const Result<std::vector<HistoryLine>> lines = history.lines(path, filter);
    if (!lines) {
        console.error(lines.message());
        return kExitFailed;
    }
    printSheet(historyTable(*lines), console);
    return kExitOk;
}

constexpr OptionDeclaration kHistoryOptions[] = {
    {kStudentOption, "NAME", "Only the lines of this student (letter case ignored)."},
    {kAssignmentOption, "TITLE", "Only the lines of this assignment (letter case ignored)."},
    {kSinceOption, "YYYY-MM-DD", "Only what changed on this day or later."},
    {kUntilOption, "YYYY-MM-DD", "Only what changed on this day or earlier."},
    {kForgetOption, "NAME", "Remove every line of this student from the history."},
};
constexpr Command kHistory{
    .name = "history",
    .usage = "history FILE.grs [--student NAME] [--assignment TITLE] [--since YYYY-MM-DD] [--until YYYY-MM-DD] "
             "[--forget NAME]",
    .summary = "Print the class's grade history, newest first: when, from where, student, assignment, "
               "old,\n      new and what changed; --forget removes a student's lines.",
    .run = runHistory,
    .options = kHistoryOptions,
    .arguments = kGradeFile,
    .place = 320};
const CommandRegistration kHistoryListed{kHistory};

}  // namespace

}  // namespace markwell::cli
