#include "app/cli/ReportArguments.h"

#include "core/common/Cp1252.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct ReportArgumentsText {
    Q_DECLARE_TR_FUNCTIONS(ReportArguments)
};

}  // namespace

int ReportArguments::countOf(const QStringList& names) const {
    int count = 0;
    for (const QString& name : names) count += has(name) ? 1 : 0;
    return count;
}

Result<ReportArguments> parseReportArguments(const QString& command, const QStringList& args, int positionals,
                                             const QStringList& flags, const QStringList& valued) {
    ReportArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool isOption = arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (!isOption) {
            parsed.positional << arg;
            continue;
        }
        if (!flags.contains(arg) && !valued.contains(arg)) {
            return fail(ReportArgumentsText::tr("%1: unknown option \"%2\"").arg(command, arg));
        }
        if (parsed.has(arg)) return fail(ReportArgumentsText::tr("%1: %2 given twice").arg(command, arg));
        QString value;
        if (valued.contains(arg)) {
            if (i + 1 >= args.size()) return fail(ReportArgumentsText::tr("%1: %2 needs a value").arg(command, arg));
            value = args[++i];
        }
        parsed.options.insert(arg, value);
    }
    if (parsed.positional.size() != positionals) {
        return fail(ReportArgumentsText::tr("%1: expected %2 argument(s) besides the options")
                        .arg(command, QString::number(positionals)));
    }
    return parsed;
}

std::optional<int> chooseStudent(const ClassRecord& cls, const QString& name, const QString& path,
                                 const Console& console) {
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (cp1252::toUnicode(cls.students[i].name) == name) return static_cast<int>(i);
    }
    console.error(ReportArgumentsText::tr("%1: no student is named \"%2\"").arg(path, name));
    return std::nullopt;
}

std::optional<int> chooseAssignment(const QString& command, const ClassRecord& cls, const ReportArguments& args,
                                    const QString& path, const Console& console, int& exitCode) {
    const int count = static_cast<int>(cls.assignments.size());
    exitCode = kExitFailed;
    if (args.has(QStringLiteral("--index"))) {
        bool isNumber = false;
        const int number = args.value(QStringLiteral("--index")).toInt(&isNumber);
        if (!isNumber) {
            exitCode = console.usage(
                ReportArgumentsText::tr("%1: --index takes a number (1 is the first assignment)").arg(command));
            return std::nullopt;
        }
        if (number >= 1 && number <= count) return number - 1;
        console.error(ReportArgumentsText::tr("%1: there is no assignment %2 (the class has %3)")
                          .arg(path, QString::number(number), QString::number(count)));
        return std::nullopt;
    }
    const QString title = args.value(QStringLiteral("--assignment"));
    for (int i = 0; i < count; ++i) {
        if (cp1252::toUnicode(cls.assignments[static_cast<std::size_t>(i)].title) == title) return i;
    }
    console.error(ReportArgumentsText::tr("%1: no assignment is called \"%2\"").arg(path, title));
    return std::nullopt;
}

}  // namespace markwell::cli
