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

// Prints rows 1 to maxRow, each the texts of columns 1 to maxCol separated by
// one TAB; a TAB or line break inside a text is printed as a space.
void printSheet(const Sheet& sheet, const Console& console);

}  // namespace markwell::cli
