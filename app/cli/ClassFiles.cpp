#include "cli/ClassFiles.h"

#include "cli/CommandSupport.h"

#include "document/ClassFiles.h"
#include "files/GradeFile.h"
#include "scales/ScaleStore.h"
#include "settings/QSettingsStore.h"

namespace markwell::cli {

namespace {

template <class Open>
std::optional<ClassRecord> openWithScales(const QString& path, const Console& console, Open open) {
    QSettingsStore settings;
    ScaleStore store(settings);
    if (const Result<void> created = store.CreateDefaultScale(); !created) {
        // The built-in default stands in; the table can still be shown.
        console.error(QStringLiteral("warning: %1").arg(created.message()));
    }
    Result<ClassRecord> cls = open(path, store);
    if (!cls) {
        console.error(aboutFile(path, cls.message()));
        return std::nullopt;
    }
    return std::move(cls).value();
}

}  // namespace

std::optional<ClassRecord> openClassFile(const QString& path, const Console& console) {
    return openWithScales(path, console,
                          [](const QString& p, const ScaleStore& store) { return openGradeFile(p, store); });
}

std::optional<ClassRecord> openClassForEditing(const QString& path, const Console& console) {
    return openWithScales(path, console,
                          [](const QString& p, const ScaleStore& store) { return openClassFiles(p, store); });
}

bool saveEditedClass(const ClassRecord& cls, const QString& input, const QString& output, const Console& console) {
    const QString target = output.isEmpty() ? input : output;
    const SavePlan plan = planSave(input, target, std::nullopt);
    if (const Result<void> saved = saveClassFiles(cls, plan); !saved) {
        console.error(saved.message());
        return false;
    }
    return true;
}

void printSheet(const Sheet& sheet, const Console& console) {
    console.print(sheet.toTsv(CellRange::all()));
}

}  // namespace markwell::cli
