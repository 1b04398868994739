#pragma once

#include "cli/Console.h"
#include "data/ClassRecord.h"
#include "scales/ScaleStore.h"

#include <QStringList>

#include <optional>

namespace markwell::cli {

// The commands that change a class: they open it with its seats, change it,
// and save it as the desktop program's Save does, with its .ATD and .SEA
// files, in place or under `-o OUT.grs`.

// Makes "<Default>" in this user's scale store when it is missing, as the
// desktop program does at start-up; a failure is only a warning.
void makeDefaultScale(ScaleStore& store, const Console& console);

// The class with everything Save writes back; reports a refusal on stderr.
std::optional<ClassRecord> openClassForEditing(const QString& path, const Console& console);

// Saves the class opened from `from` under `to` (the same file or another
// .grs name, which takes the attendance along); reports a failure on stderr.
bool saveEditedClass(const ClassRecord& cls, const QString& from, const QString& to, const Console& console);

// Takes "-o OUT.grs" (or "--output OUT.grs") out of the arguments. The usage
// problem, or an empty string; `output` stays empty when none is given.
QString takeOutputOption(QStringList& args, QString& output);

// The file an edited class is saved to: the output when given, else the input.
inline QString savedPath(const QString& input, const QString& output) { return output.isEmpty() ? input : output; }

}  // namespace markwell::cli
