#include "cli/Commands.h"

namespace markwell::cli {

int runSample(const QStringList&, const Console& console) {
    console.error(QStringLiteral("sample: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
