#include "cli/Commands.h"

namespace markwell::cli {

int runSort(const QStringList&, const Console& console) {
    console.error(QStringLiteral("sort: not available yet"));
    return kExitFailed;
}

}  // namespace markwell::cli
