// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/Console.h"
#include "core/data/ClassRecord.h"
#include "core/data/Document.h"
#include "core/document/ClassWriter.h"
#include "core/files/CsvReader.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"
#include "core/sheet/Sheet.h"

#include <memory>
#include <optional>

namespace markwell::cli {

// This user's scale store, with "<Default>" made when it is missing (a store
// that cannot be written is reported as a warning: the built-in default
// stands in for it).
struct UserScales {
    QSettingsStore settings;
    ScaleStore store{settings};
};
std::unique_ptr<UserScales> openUserScales(const Console& console);

// Opens a class as the desktop program does: its three files through the
// core's document functions, with this user's scale store (where "<Default>"
// is created when missing), so the class's scale is refreshed by its name.
// Reports a refused grade file on stderr. An interrupted save that was
// finished first and bytes of the grade file that were skipped are always
// warnings; a damaged attendance or seating file is one when `warnDamaged`:
// it matters to commands that save the class, which leave such a file as
// it is.
std::optional<Document> openClassDocument(const QString& path, const Console& console, bool warnDamaged);
// Before a file of a class (its .grs, .ATD or .SEA) is read: finishes an
// interrupted save of the class and warns of it. False, said on stderr,
// when that cannot be done now.
bool finishSaveOfClassOf(const QString& path, const Console& console);
// The class alone, for commands that only read it: the .ATD and .SEA are
// not read. Warns as openClassDocument does.
std::optional<ClassRecord> openClassFile(const QString& path, const Console& console);

// Saves the class under `path` (its own or a new name, which must end in
// .grs) as the desktop program's Save does, through the one writer of
// classes (saveClass): the grade file with its .ATD and .SEA files, checked
// whole before anything is written, written as one set; a class it replaces
// is kept as an earlier version (as many as this user's settings say).
// Reports a failure, a version that could not be kept and each damaged file
// kept as a warning, on stderr; true when the files were written. `origin`
// names what saved it (the command).
bool saveClassDocument(Document& document, const QString& path, const Console& console,
                       const QString& origin = QString());

// The warnings of a class written as `path`: a version that could not be
// kept, an interrupted save finished first, a damaged file kept.
void reportWritten(const ClassWritten& written, const QString& path, const Console& console);

// How many earlier versions this user's settings keep of a class.
int keptVersionsSetting();

// Whether a save may drop the bytes the grade file's reader skipped: set
// once by the runner from --drop-skipped, read by every save.
void allowDroppingSkippedBytes(bool allowed);
bool droppingSkippedBytesAllowed();

// Whether any of the three files of a class at `path` is there already (an
// attendance or seating file without its grade file is somebody's work too);
// when one is, says so on stderr, as `command`, with the --force that
// replaces it.
bool classExistsAt(const QString& command, const QString& path, const Console& console);

// Whether `output` may be written: not when it is the same file (links of
// either kind count) as one of `inputs`, which it would destroy. Says so on
// stderr when it may not.
bool outputSparesInputs(const QString& output, const QStringList& inputs, const Console& console);
// Whether `output` names a spreadsheet markwell-cli writes (.xls, .xlsx,
// .csv); says so on stderr, as `command`, when it does not. Asked before
// anything is printed or written, so a refused name leaves nothing behind.
bool outputIsASpreadsheet(const char* command, const QString& output, const Console& console);
// The same for each of the three files a class saved as `output` writes.
bool classOutputSparesInputs(const QString& output, const QStringList& inputs, const Console& console);
// The rows of the CSV file a command takes into the class it saves as
// `saved`: none after saying why on stderr (the save would overwrite the
// file, or it cannot be read).
std::optional<CsvTable> readCsvInput(const QString& csvPath, const QString& saved, const Console& console);
// Whether a name can take a class with its sibling files: it ends in .grs,
// as the .ATD and .SEA files take the place of those three characters.
bool isGradeFileName(const QString& path);

// Prints rows 1 to maxRow, each the texts of columns 1 to maxCol separated by
// one TAB; a TAB or line break inside a text is printed as a space.
void printSheet(const Sheet& sheet, const Console& console);

}  // namespace markwell::cli
