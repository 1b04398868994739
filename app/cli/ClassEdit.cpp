#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassEdit.h"

#include "app/cli/ClassFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace markwell::cli {
namespace {

struct ClassEdit {
    Q_DECLARE_TR_FUNCTIONS(ClassEdit)
};

}  // namespace

QString takeOutputOption(QStringList& args, QString& output) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString value;
        if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
            if (i + 1 >= args.size()) return ClassEdit::tr("%1 needs a file name").arg(arg);
            value = args[i + 1];
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--output="))) {
            value = arg.mid(9);
            args.remove(i);
        } else {
            continue;
        }
        if (!output.isEmpty()) return ClassEdit::tr("only one output file can be given");
        // The .ATD and .SEA files take the place of the last three characters.
        if (!isGradeFileName(value)) return ClassEdit::tr("the output file must end in .grs");
        output = value;
        --i;
    }
    return {};
}

int changeClassFile(const QString& command, const QString& path, const QString& output, const ClassChange& change,
                    const Console& console) {
    const QString saved = output.isEmpty() ? path : output;
    const std::optional<ChangeLocks> locks = lockForChange({path, saved}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    const Result<QString> summary = change(document->classRecord, QFileInfo(saved).fileName());
    if (!summary) {
        console.error(QStringLiteral("%1: %2").arg(command, summary.message()));
        return kExitFailed;
    }
    if (!saveClassDocument(*document, saved, console)) return kExitFailed;
    console.printLine(*summary);
    return kExitOk;
}

}  // namespace markwell::cli
