// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// convert IN.grs OUT.grs: reads a grade file of any known version and writes
// it in the current one.

#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/files/GradeFile.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct ConvertCommand {
    Q_DECLARE_TR_FUNCTIONS(ConvertCommand)
};

}  // namespace

int runConvert(const CommandArguments& args, const Console& console) {
    const QString& in = args.positional[0];
    const QString& out = args.output;

    GradeFileInfo info;
    const Result<ClassRecord> cls = readGradeFile(in, &info);
    if (!cls) {
        console.error(aboutFile(in, cls.message()));
        return kExitFailed;
    }
    if (const Result<void> written = writeGradeFile(out, cls.value()); !written) {
        console.error(aboutFile(out, written.message()));
        return kExitFailed;
    }
    console.printLine(ConvertCommand::tr("Converted %1 (version %2) to %3 (version %4)")
                          .arg(in, versionText(info.version), out, versionText(kGradeFileVersion)));
    return kExitOk;
}

}  // namespace markwell::cli
