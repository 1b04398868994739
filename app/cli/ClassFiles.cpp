#include "cli/ClassFiles.h"

#include "cli/CommandSupport.h"

#include "files/GradeFile.h"
#include "scales/ScaleStore.h"
#include "settings/QSettingsStore.h"

namespace markwell::cli {

std::optional<ClassRecord> openClassFile(const QString& path, const Console& console) {
    QSettingsStore settings;
    ScaleStore store(settings);
    if (const Result<void> created = store.CreateDefaultScale(); !created) {
        // The built-in default stands in; the table can still be shown.
        console.error(QStringLiteral("warning: %1").arg(created.message()));
    }
    Result<ClassRecord> cls = openGradeFile(path, store);
    if (!cls) {
        console.error(aboutFile(path, cls.message()));
        return std::nullopt;
    }
    return std::move(cls).value();
}

void printSheet(const Sheet& sheet, const Console& console) {
    console.print(sheet.toTsv(CellRange::all()));
}

}  // namespace markwell::cli
