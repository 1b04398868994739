// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/document/ClassWriter.h"
#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/reports/EarlierVersionsTable.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace markwell::cli {
namespace {

constexpr char kRestoreOption[] = "restore";

// One version a line, newest first: number, date and time, students and
// assignments, separated by TABs.
int listVersions(const QString& path, const Console& console) {
    const Sheet table = earlierVersionsTable(earlierVersions(path));
    if (table.maxRow() >= 2) console.print(table.toTsv(CellRange::rows(2, table.maxRow())));
    return kExitOk;
}

// A version's number as it is listed: digits only, no sign or spaces.
std::optional<int> versionNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    const int number = text.toInt();
    return number > 0 ? std::optional<int>(number) : std::nullopt;
}

int restoreVersion(const QString& path, const QString& numberText, const QString& output, const Console& console) {
    const std::optional<int> number = versionNumber(numberText);
    if (!number) return console.usage(QStringLiteral("versions: --restore takes a version's number"));
    if (output.isEmpty()) return console.usage(QStringLiteral("versions: --restore needs -o OUT.grs"));
    // The class stays as it is: the version goes beside it, under another name.
    if (isSameFile(path, output)) {
        console.error(
            QStringLiteral("versions: %1 is the class itself; restore the version under another name").arg(output));
        return kExitFailed;
    }
    const std::optional<EarlierVersion> version = earlierVersion(path, *number);
    if (!version) {
        console.error(QStringLiteral("versions: %1 has no earlier version %2").arg(path, numberText));
        return kExitFailed;
    }
    const std::optional<ChangeLocks> locks = lockForChange({path, output}, console);
    if (!locks) return kExitFailed;
    const Result<ClassFileBytes> files = readEarlierVersion(*version);
    if (!files) {
        console.error(files.message());
        return kExitFailed;
    }
    ClassWrite request;
    request.target = output;
    request.content = ClassContent{files->grade, files->attendance, files->seating};
    // Not a save of the live class: none of its files may be the output's.
    request.inputClasses = {path};
    request.source = version->gradeFile;
    request.origin = QStringLiteral("versions --restore %1").arg(*number);
    request.recordAs = {HistorySource::Restore, QString::number(*number)};
    request.historyOf = path;
    request.keepVersions = keptVersionsSetting();
    request.lockWait = kChangeLockWait;
    const Result<ClassWritten> written = writeClass(request);
    if (!written) {
        console.error(written.message());
        return kExitFailed;
    }
    reportWritten(*written, output, console);
    console.printLine(QStringLiteral("Restored version %1 of %2 to %3.").arg(numberText, path, output));
    return kExitOk;
}

// versions FILE.grs [--restore N -o OUT.grs]
int runVersions(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    if (!isGradeFileName(path)) return console.usage(QStringLiteral("versions: give a class's .grs file"));
    // A class that is gone may still have versions to give back.
    if (QFileInfo(path).isDir() || (!QFileInfo(path).isFile() && earlierVersions(path).empty())) {
        const QString why = QFileInfo(path).isDir()
                                ? QStringLiteral("it is a folder")
                                : QStringLiteral("there is no such class, and no earlier version of it is kept");
        console.error(QStringLiteral("versions: %1: %2").arg(path, why));
        return kExitFailed;
    }
    if (!args.isSet(kRestoreOption)) {
        if (!args.output.isEmpty()) return console.usage(QStringLiteral("versions: -o goes with --restore"));
        return listVersions(path, console);
    }
    return restoreVersion(path, args.value(kRestoreOption), args.output, console);
}

constexpr OptionDeclaration kVersionsOptions[] = {
    {kRestoreOption, "N", "Write version N (with -o)."},
};
constexpr Command kVersions{.name = "versions",
                            .usage = "versions FILE.grs [--restore N -o OUT.grs]",
                            .summary =
                                "List the earlier versions kept of a class, newest first: number, date and time, "
                                "students,\n      assignments; --restore writes version N with its .ATD and .SEA "
                                "files to OUT.grs.",
                            .run = runVersions,
                            .options = kVersionsOptions,
                            .arguments = kGradeFile,
                            .output = OutputPlace::Option,
                            .writesClass = true,
                            .place = 310};
const CommandRegistration kVersionsListed{kVersions};

}  // namespace

}  // namespace markwell::cli
