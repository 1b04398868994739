// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The one way markwell-cli changes a class, and the one way it makes one.

#include "app/cli/Console.h"
#include "core/data/Document.h"
#include "core/editing/Change.h"

#include <QString>

#include <functional>
#include <variant>

namespace markwell::cli {

// A change a command cannot make of the class it opened: why was said
// already; the exit code says how.
struct Refused {
    int exitCode = kExitFailed;
};

// The change a command makes, known once the class is open (sort names a
// column of the table the class shows), or its refusal.
using ChangeFor = std::function<std::variant<Change, Refused>(const Document& document)>;

// What a command prints once its change is saved: its line (or the table
// sort prints), given the class as changed and the grade file it went to.
using SummaryOf = std::function<QString(const Document& changed, const QString& savedPath)>;

// Takes the change locks of the class and of `output`, opens the class with
// its .ATD and .SEA files, applies the change, saves the class with its
// files in place (or, as Save As does, under `output`) and prints the
// summary. A refused change writes nothing: a refusal of one line is printed
// after the command's name; one of several lines is a list of refused rows,
// each naming its file and line (see rowProblemLines), printed as it is.
// Returns the exit code.
int runClassChange(const QString& command, const QString& path, const QString& output, const ChangeFor& changeFor,
                   const SummaryOf& summaryOf, const Console& console);
int runClassChange(const QString& command, const QString& path, const QString& output, const Change& change,
                   const SummaryOf& summaryOf, const Console& console);

// Writes a new class at `path` with its .ATD and .SEA files, under its change
// lock; an existing class (any of its three files) is replaced only when
// `force`. Says why not on stderr; true when the files were written.
bool createClassFiles(const QString& command, const QString& path, bool force, Document& document,
                      const Console& console);

}  // namespace markwell::cli
