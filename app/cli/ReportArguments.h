#pragma once

#include "app/cli/Console.h"
#include "core/common/Result.h"
#include "core/data/ClassRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace markwell::cli {

// The arguments of a report command: its positional arguments and the
// options it knows, each given at most once.
struct ReportArguments {
    QStringList positional;
    QHash<QString, QString> options;  // a flag maps to an empty value

    bool has(const QString& option) const { return options.contains(option); }
    QString value(const QString& option) const { return options.value(option); }
    // How many of these options were given.
    int countOf(const QStringList& names) const;
};

// Splits `args`: `flags` stand alone, `valued` take the argument after
// them. Fails (a usage error) on an unknown or repeated option, a missing
// value, or a number of positional arguments other than `positionals`.
Result<ReportArguments> parseReportArguments(const QString& command, const QStringList& args, int positionals,
                                             const QStringList& flags, const QStringList& valued);

// The first student whose name is exactly `name` (letter case counts), as
// an index into the class; nothing after saying on stderr that there is none.
std::optional<int> chooseStudent(const ClassRecord& cls, const QString& name, const QString& path,
                                 const Console& console);

// The assignment --assignment TITLE (the first of that exact title) or
// --index N (counting from 1) names, as an index from 0; nothing after
// saying why not, with the exit code in `exitCode`: a title or number that
// names no assignment is refused, an index that is not a number is a usage
// error.
std::optional<int> chooseAssignment(const QString& command, const ClassRecord& cls, const ReportArguments& args,
                                    const QString& path, const Console& console, int& exitCode);

}  // namespace markwell::cli
