#include "cli/Commands.h"

namespace markwell::cli {

int runShow(const QStringList&, const Console& console) {
    console.error(QStringLiteral("show: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
