#include "cli/Commands.h"

namespace markwell::cli {

int runExport(const QStringList&, const Console& console) {
    console.error(QStringLiteral("export: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
