#pragma once

#include "app/cli/Console.h"
#include "core/data/ClassRecord.h"
#include "core/scales/ScaleStore.h"

#include <QStringList>

#include <functional>

namespace markwell::cli {

// Takes "-o OUT.grs" (or "--output OUT.grs") out of the arguments. The usage
// problem, or an empty string; `output` stays empty when none is given.
QString takeOutputOption(QStringList& args, QString& output);

// A change to a class: what it did, in one line, given the name of the file
// the class is saved to; or why it is refused.
using ClassChange = std::function<Result<QString>(ClassRecord& cls, const QString& savedName)>;

// The commands that change a class: opens it with its attendance and seats,
// makes the change and saves it as the desktop program's Save does, with its
// .ATD and .SEA files, in place or under `output` (which takes them along).
// A refused change is printed after `command` and nothing is written; on
// success the change's line is printed. Returns the exit code.
int changeClassFile(const QString& command, const QString& path, const QString& output, const ClassChange& change,
                    const Console& console);

}  // namespace markwell::cli
