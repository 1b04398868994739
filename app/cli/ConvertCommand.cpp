#include "cli/Commands.h"

namespace markwell::cli {

int runConvert(const QStringList&, const Console& console) {
    console.error(QStringLiteral("convert: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
