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

int runConvert(const QStringList& args, const Console& console) {
    const std::optional<QStringList> files = exactArguments(args, 2);
    if (!files) return console.usage(ConvertCommand::tr("convert takes an input and an output grade file"));
    const QString& in = files->at(0);
    const QString& out = files->at(1);

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
