// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/document/EarlierVersionsTable.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct VersionsCommand {
    Q_DECLARE_TR_FUNCTIONS(VersionsCommand)
};

// One version a line, newest first: number, date and time, students and
// assignments, separated by TABs.
int listVersions(const QString& path, const Console& console) {
    const Sheet table = earlierVersionsTable(earlierVersions(path));
    if (table.maxRow() >= 2) console.print(table.toTsv(CellRange::rows(2, table.maxRow())));
    return kExitOk;
}

int restoreVersion(const QString& path, const QString& numberText, const QString& output, const Console& console) {
    bool ok = false;
    const int number = numberText.toInt(&ok);
    if (!ok || number <= 0) return console.usage(VersionsCommand::tr("versions: --restore takes a version's number"));
    if (output.isEmpty()) return console.usage(VersionsCommand::tr("versions: --restore needs -o OUT.grs"));
    // The class stays as it is: the version goes beside it, under another name.
    if (isSameFile(path, output)) {
        console.error(VersionsCommand::tr("versions: %1 is the class itself; restore the version under another name")
                          .arg(output));
        return kExitFailed;
    }
    const std::optional<EarlierVersion> version = earlierVersion(path, number);
    if (!version) {
        console.error(VersionsCommand::tr("versions: %1 has no earlier version %2").arg(path, numberText));
        return kExitFailed;
    }
    const std::optional<ChangeLocks> locks = lockForChange({output}, console);
    if (!locks) return kExitFailed;
    keepEarlierVersionOf(output, console);
    if (const Result<void> restored = restoreEarlierVersion(*version, output); !restored) {
        console.error(restored.message());
        return kExitFailed;
    }
    console.printLine(VersionsCommand::tr("Restored version %1 of %2 to %3.").arg(numberText, path, output));
    return kExitOk;
}

}  // namespace

// versions FILE.grs [--restore N -o OUT.grs]
int runVersions(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    if (!isGradeFileName(path)) return console.usage(VersionsCommand::tr("versions: give a class's .grs file"));
    if (!args.isSet(QStringLiteral("restore"))) {
        if (!args.output.isEmpty()) return console.usage(VersionsCommand::tr("versions: -o goes with --restore"));
        return listVersions(path, console);
    }
    return restoreVersion(path, args.value(QStringLiteral("restore")), args.output, console);
}

}  // namespace markwell::cli
