#pragma once

// What the commands that change a class share: their options, the CSV files
// they read, how they name an assignment and how they report refused rows.

#include "app/cli/Console.h"
#include "core/data/ClassRecord.h"
#include "core/editing/RowProblem.h"
#include "core/files/CsvReader.h"

#include <QCommandLineParser>

#include <optional>
#include <vector>

namespace markwell::cli {

// Parses the arguments of `command`: the options given plus -o/--output;
// exactly `positional` arguments. Prints the problem and gives nothing on a
// usage error.
bool parseEditArguments(QCommandLineParser& parser, const QString& command, const QStringList& args,
                        qsizetype positional, const Console& console);

// The -o/--output value, empty for none.
QString outputOf(const QCommandLineParser& parser);

// Reads and parses a CSV file; reports a refusal on stderr.
std::optional<CsvTable> readCsvFile(const QString& path, const Console& console);

// Prints each refused row ("IN.csv: line 3: why") and that nothing was written.
void reportRows(const QString& path, const std::vector<RowProblem>& problems, const Console& console);

// The options that name an assignment: --assignment TITLE or --index K.
void addAssignmentOptions(QCommandLineParser& parser);
// The assignment the options name, or a usage problem (exit 2) or refusal (exit 1) already printed.
struct ChosenAssignment {
    std::optional<std::size_t> index;
    int exitCode = kExitOk;
};
ChosenAssignment chosenAssignment(const QCommandLineParser& parser, const QString& command, const ClassRecord& cls,
                                  const Console& console);

// How a summary names an assignment: "Quiz 1" (assignment 2).
QString assignmentName(const ClassRecord& cls, std::size_t index);

}  // namespace markwell::cli
