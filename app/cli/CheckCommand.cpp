#include "cli/Commands.h"

namespace markwell::cli {

int runCheck(const QStringList&, const Console& console) {
    console.error(QStringLiteral("check: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
