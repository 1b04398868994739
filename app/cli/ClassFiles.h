#pragma once

#include "cli/Console.h"
#include "data/ClassRecord.h"
#include "sheet/Sheet.h"

#include <optional>

namespace markwell::cli {

// Opens a grade file as the desktop program does at start-up: with this
// user's scale store, where "<Default>" is created when missing, so the
// class's scale is refreshed by its name. Reports a refusal on stderr.
std::optional<ClassRecord> openClassFile(const QString& path, const Console& console);

// Opens a class to change it: the grade file as openClassFile does, with its
// seats. Reports a refusal on stderr.
std::optional<ClassRecord> openClassForEditing(const QString& path, const Console& console);

// Saves a changed class as the desktop program's Save does: to `output` (or
// back to `input` when it is empty), the attendance and seating files beside
// it, each written atomically; a class saved under a new name takes its
// attendance along. Reports a failure on stderr.
bool saveEditedClass(const ClassRecord& cls, const QString& input, const QString& output, const Console& console);

// Prints rows 1 to maxRow, each the texts of columns 1 to maxCol separated by
// one TAB; a TAB or line break inside a text is printed as a space.
void printSheet(const Sheet& sheet, const Console& console);

}  // namespace markwell::cli
