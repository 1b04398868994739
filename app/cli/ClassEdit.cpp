#include "cli/ClassEdit.h"

#include "cli/CommandSupport.h"
#include "document/ClassFiles.h"
#include "settings/QSettingsStore.h"

namespace markwell::cli {

void makeDefaultScale(ScaleStore& store, const Console& console) {
    if (const Result<void> created = store.CreateDefaultScale(); !created) {
        console.error(QStringLiteral("warning: %1").arg(created.message()));
    }
}

std::optional<ClassRecord> openClassForEditing(const QString& path, const Console& console) {
    QSettingsStore settings;
    ScaleStore store(settings);
    makeDefaultScale(store, console);
    Result<ClassRecord> cls = openClassFiles(path, store);
    if (!cls) {
        console.error(aboutFile(path, cls.message()));
        return std::nullopt;
    }
    return std::move(cls).value();
}

bool saveEditedClass(const ClassRecord& cls, const QString& from, const QString& to, const Console& console) {
    if (const Result<void> saved = saveClassFiles(cls, planSave(from, to, std::nullopt)); !saved) {
        console.error(saved.message());
        return false;
    }
    return true;
}

QString takeOutputOption(QStringList& args, QString& output) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString value;
        if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
            if (i + 1 >= args.size()) return QStringLiteral("%1 needs a file name").arg(arg);
            value = args[i + 1];
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--output="))) {
            value = arg.mid(9);
            args.remove(i);
        } else {
            continue;
        }
        if (!output.isEmpty()) return QStringLiteral("only one output file can be given");
        // The .ATD and .SEA files take the place of the last three characters.
        if (fileKindOf(value) != FileKind::Grades) return QStringLiteral("the output file must end in .grs");
        output = value;
        --i;
    }
    return {};
}

}  // namespace markwell::cli
