// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/Console.h"
#include "core/data/ClassRecord.h"
#include "core/data/Document.h"
#include "core/editing/AssignmentChoice.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace markwell::cli {

// The class a command's first argument names, opened when the command asks
// as the desktop program opens it; why it cannot be is said on stderr.
class ClassToRead {
public:
    ClassToRead() = default;
    ClassToRead(QString path, const Console& console) : path_(std::move(path)), console_(&console) {}

    const QString& path() const { return path_; }
    // The grade file alone: its .ATD and .SEA stay unread.
    std::optional<ClassRecord> gradeFile() const;
    // With its .ATD and .SEA files; a damaged one is a warning when
    // `warnDamaged` (a seating printout without its seats would mislead).
    std::optional<Document> wholeClass(bool warnDamaged = false) const;

private:
    QString path_;
    const Console* console_ = nullptr;
};

// A command's arguments as the runner parsed them: each option given at most
// once, by its long name without dashes ("assignment"; a switch has an empty
// value), and the output file apart from the other arguments.
struct CommandArguments {
    QString command;
    QStringList positional;
    QString output;  // empty when none is named
    QHash<QString, QString> options;
    // The assignment of a command that declares it needs one.
    std::optional<AssignmentChoice> assignment = std::nullopt;
    // The class of a command that declares it reads one.
    ClassToRead theClass = {};

    bool isSet(const QString& option) const { return options.contains(option); }
    QString value(const QString& option) const { return options.value(option); }
    // How many of these options were given.
    int countOf(const QStringList& names) const;
};

// The options that name an assignment.
inline constexpr char kAssignmentOption[] = "assignment";
inline constexpr char kIndexOption[] = "index";

// Options more than one command takes, each named once.
inline constexpr char kDryRunOption[] = "dry-run";
inline constexpr char kForceOption[] = "force";
inline constexpr char kFromOption[] = "from";
inline constexpr char kIdsOption[] = "ids";
inline constexpr char kMapOption[] = "map";
inline constexpr char kOverallOption[] = "overall";
inline constexpr char kScaleOption[] = "scale";
inline constexpr char kStudentOption[] = "student";
inline constexpr char kTypeOption[] = "type";

// The assignment that --assignment TITLE or --index K names. Prints the usage
// problem and gives nothing when neither or both are given, or K is not a
// number (a number that names no assignment is the class's to refuse).
std::optional<AssignmentChoice> assignmentChoiceOf(const CommandArguments& args, const Console& console);

// The first student whose name is exactly `name` (letter case counts), as
// an index into the class; nothing after saying on stderr that there is none.
std::optional<int> chosenStudent(const ClassRecord& cls, const QString& name, const QString& path,
                                 const Console& console);

}  // namespace markwell::cli
