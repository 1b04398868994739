// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/CommandRunner.h"

#include "app/cli/ClassFiles.h"

#include <QCommandLineParser>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace markwell::cli {
namespace {

constexpr OptionDeclaration kClassOutput{"o,output", "OUT.grs",
                                         "Save the class under this name, with its .ATD and .SEA files."};
constexpr OptionDeclaration kFileOutput{"o,output", "OUT", "Write the output to this file."};
constexpr OptionDeclaration kHelp{"h,help", nullptr, "Show this help."};
constexpr OptionDeclaration kDropSkipped{"drop-skipped", nullptr,
                                         "Save over a grade file whose bytes after the end of the class were skipped, "
                                         "without them."};

// A command that changes the class it reads, saved in place unless -o names
// another: the one kind of save that could drop what the reader skipped.
bool changesItsClass(const Command& command) {
    return command.changesClass && command.output == OutputPlace::Option;
}

QStringList namesOf(const OptionDeclaration& option) {
    return QString::fromLatin1(option.names).split(QLatin1Char(','));
}

// The name the command reads an option's value by: its long name.
QString keyOf(const OptionDeclaration& option) {
    return namesOf(option).constLast();
}

std::vector<OptionDeclaration> optionsOf(const Command& command) {
    std::vector<OptionDeclaration> options(command.options.begin(), command.options.end());
    if (command.output != OutputPlace::None) options.push_back(command.writesClass ? kClassOutput : kFileOutput);
    if (changesItsClass(command)) options.push_back(kDropSkipped);
    options.push_back(kHelp);
    return options;
}

// "-20" is a number given as an argument, never an option: it is hidden
// from the parser behind a mark and given back as it was.
const QChar kNumberMark(0x1);

QStringList hiddenNumbers(const QStringList& args) {
    QStringList hidden;
    for (const QString& arg : args) {
        const bool number =
            arg.size() > 1 && arg[0] == QLatin1Char('-') && (arg[1].isDigit() || arg[1] == QLatin1Char('.'));
        hidden << (number ? kNumberMark + arg : arg);
    }
    return hidden;
}

QString restored(const QString& arg) {
    return arg.startsWith(kNumberMark) ? arg.mid(1) : arg;
}

// The one refusal of a second output, whichever way it was named.
QString secondOutputProblem(const QString& name) {
    return QStringLiteral("%1: only one output file can be given").arg(name);
}

int usageError(const Command& command, const QString& message, const Console& console) {
    console.error(message);
    console.error(QStringLiteral("usage: markwell-cli %1").arg(QString::fromUtf8(command.usage)));
    return kExitUsage;
}

// How many times each option was given, by its key.
QHash<QString, int> timesGiven(const QCommandLineParser& parser, const std::vector<OptionDeclaration>& options) {
    QHash<QString, int> times;
    for (const QString& given : parser.optionNames()) {
        for (const OptionDeclaration& option : options) {
            if (namesOf(option).contains(given)) ++times[keyOf(option)];
        }
    }
    return times;
}

// The first option given more than once, said as a usage problem; nothing
// when each is given once.
std::optional<QString> repeatedOption(const QString& name, const QCommandLineParser& parser,
                                      const std::vector<OptionDeclaration>& options) {
    const QHash<QString, int> times = timesGiven(parser, options);
    for (const OptionDeclaration& option : options) {
        if (times.value(keyOf(option)) < 2) continue;
        if (keyOf(option) == QLatin1String("output")) return secondOutputProblem(name);
        return QStringLiteral("%1: --%2 given twice").arg(name, keyOf(option));
    }
    return std::nullopt;
}

// The least and most arguments the command takes (the output among them
// when it may stand last).
std::pair<qsizetype, qsizetype> argumentRange(const Command& command) {
    qsizetype required = 0;
    bool repeats = false;
    for (const char* name : command.arguments) {
        required += name[0] == '[' ? 0 : 1;
        repeats = repeats || QByteArrayView(name).endsWith("...") || QByteArrayView(name).endsWith("...]");
    }
    return {required,
            repeats ? std::numeric_limits<qsizetype>::max() : static_cast<qsizetype>(command.arguments.size())};
}

QString countProblem(const QString& name, std::pair<qsizetype, qsizetype> range) {
    if (range.second == std::numeric_limits<qsizetype>::max()) {
        return QStringLiteral("%1: expected at least %2 argument(s) besides the options")
            .arg(name, QString::number(range.first));
    }
    if (range.first == range.second) {
        return QStringLiteral("%1: expected %2 argument(s) besides the options")
            .arg(name, QString::number(range.first));
    }
    return QStringLiteral("%1: expected %2 to %3 arguments besides the options")
        .arg(name, QString::number(range.first), QString::number(range.second));
}

// Takes the output out of the arguments where the command names it; the
// usage problem, if any.
std::optional<QString> takeOutput(const Command& command, const QCommandLineParser& parser, CommandArguments& args) {
    std::pair<qsizetype, qsizetype> range = argumentRange(command);
    // Qt warns on stderr when asked about an option it was never told of.
    const bool optionGiven = command.output != OutputPlace::None && parser.isSet(QStringLiteral("output"));
    if (optionGiven) args.output = restored(parser.value(QStringLiteral("output")));
    if (optionGiven && args.output.isEmpty())
        return QStringLiteral("%1: the output file needs a name").arg(args.command);
    if (command.output == OutputPlace::OptionOrLastArgument && optionGiven) {
        if (args.positional.size() == range.second) return secondOutputProblem(args.command);
        range = {range.first - 1, range.second - 1};
    }
    if (args.positional.size() < range.first || args.positional.size() > range.second) {
        return countProblem(args.command, range);
    }
    if (command.output == OutputPlace::OptionOrLastArgument && !optionGiven) {
        args.output = args.positional.takeLast();
        if (args.output.isEmpty()) return QStringLiteral("%1: the output file needs a name").arg(args.command);
    }
    // The .ATD and .SEA files take the place of the last three characters.
    if (command.writesClass && (optionGiven || !args.output.isEmpty()) && !isGradeFileName(args.output)) {
        return QStringLiteral("%1: the output file must end in .grs, as its .ATD and .SEA files are named after it")
            .arg(args.command);
    }
    return std::nullopt;
}

// Whether the line gives what the command declares it needs; says the first
// thing missing as a usage error when not.
bool meetsRequirements(const Command& command, CommandArguments& args, const Console& console) {
    for (const Requirement& requirement : command.requirements) {
        if (requirement.needs == Needs::AssignmentChoice) {
            args.assignment = assignmentChoiceOf(args, console);
            if (!args.assignment) return false;
            continue;
        }
        qsizetype given = 0;
        for (const char* option : requirement.options) {
            const bool isOutput = std::strcmp(option, kOutputOption) == 0;
            given += (isOutput ? !args.output.isEmpty() : args.isSet(QString::fromLatin1(option))) ? 1 : 0;
        }
        const bool met =
            requirement.needs == Needs::All ? given == static_cast<qsizetype>(requirement.options.size()) : given == 1;
        if (!met) {
            console.usage(args.command + QStringLiteral(": ") + QString::fromUtf8(requirement.problem));
            return false;
        }
    }
    return true;
}

}  // namespace

QString helpText() {
    QString text = QStringLiteral("Usage: markwell-cli COMMAND [ARGUMENTS]\n"
                                  "Computerized Markwell %1: the class record without windows.\n\n"
                                  "Commands:\n")
                       .arg(QStringLiteral(MARKWELL_VERSION));
    for (const Command* c : registeredCommands()) {
        text += QStringLiteral("  %1\n      %2\n").arg(QString::fromUtf8(c->usage), QString::fromUtf8(c->summary));
    }
    text += QStringLiteral("\nOptions:\n  --help       show this help (after a command: its own)\n"
                           "  --version    show the version\n\n"
                           "A command that writes a file takes it as -o OUT, --output=OUT or --output OUT.\n"
                           "Exit codes: 0 success, 1 refused input or failed write, 2 usage error.\n");
    return text;
}

int runCommand(const Command& command, const QStringList& args, const Console& console) {
    const QString name = QString::fromUtf8(command.name);
    const std::vector<OptionDeclaration> options = optionsOf(command);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionDeclaration& option : options) {
        parser.addOption(QCommandLineOption(namesOf(option), QString::fromUtf8(option.description),
                                            option.valueName ? QString::fromUtf8(option.valueName) : QString()));
    }
    if (!parser.parse(QStringList{name} + hiddenNumbers(args))) {
        return usageError(command, QStringLiteral("%1: %2").arg(name, parser.errorText()), console);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(commandHelp(command));
        return kExitOk;
    }
    if (const auto repeated = repeatedOption(name, parser, options)) {
        return usageError(command, *repeated, console);
    }
    CommandArguments parsed{name, {}, {}, {}};
    for (const QString& arg : parser.positionalArguments()) parsed.positional << restored(arg);
    if (const auto problem = takeOutput(command, parser, parsed)) return usageError(command, *problem, console);
    for (const OptionDeclaration& option : command.options) {
        if (parser.isSet(keyOf(option))) parsed.options.insert(keyOf(option), restored(parser.value(keyOf(option))));
    }
    if (!meetsRequirements(command, parsed, console)) return kExitUsage;
    if (command.readsClass) parsed.theClass = ClassToRead(parsed.positional.value(0), console);
    allowDroppingSkippedBytes(changesItsClass(command) && parser.isSet(QStringLiteral("drop-skipped")));
    return command.run(parsed, console);
}

QString commandHelp(const Command& command) {
    // The summary's lines are indented for the list of all commands.
    const QString summary =
        QString::fromUtf8(command.summary).replace(QStringLiteral("\n      "), QStringLiteral("\n"));
    QString text =
        QStringLiteral("Usage: markwell-cli %1\n%2\n\nOptions:\n").arg(QString::fromUtf8(command.usage), summary);
    QStringList left;
    const std::vector<OptionDeclaration> options = optionsOf(command);
    qsizetype width = 0;
    for (const OptionDeclaration& option : options) {
        QStringList names;
        for (const QString& n : namesOf(option)) names << QStringLiteral("--").left(n.size() == 1 ? 1 : 2) + n;
        QString column = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (option.valueName) column += QLatin1Char(' ') + QString::fromUtf8(option.valueName);
        width = std::max(width, column.size());
        left << column;
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        text += left[static_cast<qsizetype>(i)].leftJustified(width + 2) + QString::fromUtf8(options[i].description) +
                QLatin1Char('\n');
    }
    return text;
}

}  // namespace markwell::cli
