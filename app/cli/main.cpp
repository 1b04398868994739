// markwell-cli: the class record without windows, for scripts, tests and batch work.

#include "app/cli/Commands.h"
#include "core/settings/SettingsNames.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace markwell::cli;

namespace {

struct MarkwellCli {
    Q_DECLARE_TR_FUNCTIONS(MarkwellCli)
};

constexpr std::array kCommands = {
    Command{"check", "check FILE",
            QT_TRANSLATE_NOOP("MarkwellCli", "Read a .grs, .ATD or .SEA file and print a short summary."), runCheck},
    Command{"convert", "convert IN.grs OUT.grs",
            QT_TRANSLATE_NOOP("MarkwellCli", "Read a grade file and write it in the current version."), runConvert},
    Command{"sample",
            "sample OUT.grs --students N --assignments M [--seed S] [--weighted] [--drop none|overall|type] [--seats] "
            "[--force]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Write a realistic demonstration class with its .ATD and .SEA files "
                              "(--seats: a seat per student)."),
            runSample},
    Command{"show", "show FILE.grs [--dropped]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Print the grades table (or the dropped scores)."), runShow},
    Command{"sort", "sort FILE.grs COLUMN [--descending] [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Sort the class on a column, save it and print the table."), runSort},
    Command{"export", "export FILE.grs OUT.(xls|xlsx|csv|pdf) [--ids | --seating]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Write the grades table as a spreadsheet, or its printout (names or --ids) or the "
                              "seating chart's\n      (--seating) as PDF."),
            runExport, true},
    Command{"seats", "seats FILE.(grs|SEA)",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Print the seating chart, one seat a line, the teacher's last: caption, left, top, "
                              "width,\n      height, fill, font, size, font color, style (BIUS)."),
            runSeats},
    Command{"new", "new FILE.grs [--scale NAME] [--force]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Write a new, empty class (File > New) with its .ATD and .SEA files."),
            runNew},
    Command{"import-students", "import-students FILE.grs IN.csv [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Add the students of a CSV file (header: name, id, street, city, state, zip, mom_name, "
                              "mom_phone,\n      dad_name, dad_phone, student_email, mom_email, dad_email, comment; "
                              "name is needed). All or none."),
            runImportStudents},
    Command{"add-assignment",
            "add-assignment FILE.grs --title T --type Final|Test|Quiz|Homework|Lab|Other [--total N] "
            "[--description D] [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Add an assignment; every student starts with 0 points."),
            runAddAssignment},
    Command{"set-points", "set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Store points from a CSV file with the columns name and points (a number, \"-\" or "
                              "empty for 0).\n      Two students of one name take their rows in order. All or none."),
            runSetPoints},
    Command{"set-total", "set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Set an assignment's possible points."), runSetTotal},
    Command{"attendance", "attendance FILE.grs --year Y --student NAME",
            QT_TRANSLATE_NOOP("MarkwellCli", "Print a student's tardies and absences of each month of a year."),
            runAttendance},
    Command{"merge", "merge A.grs B.grs [--scale NAME] [--ids] [-o OUT.(xls|xlsx|csv)]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Print the merged report of two grade files (and write it)."), runMerge},
    Command{"weights", "weights FILE.grs FINAL TEST QUIZ HOMEWORK LAB OTHER [--use | --no-use] [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Set the weight of each assignment type (whole numbers 0-100, making 100 when used)."),
            runWeights},
    Command{"drop", "drop FILE.grs none|overall|by-type [--types final,test,quiz,homework,lab,other] [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Set the rule for dropping each student's lowest scores."), runDrop},
    Command{"scale", "scale list | show NAME | set NAME expanded|standard|pass-fail BOUNDS | delete NAME",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "List, show, save or delete the grade scales of this computer "
                              "(BOUNDS: \"90,100,80,89.9,...\")."),
            runScale},
    Command{"use-scale", "use-scale FILE.grs NAME [-o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Give the class a grade scale of this computer; its letter grades follow."),
            runUseScale},
    Command{"password", "password set|clear|check",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Set, remove or check the start-up password, read from standard input one per line "
                              "(the old one first when one is stored)."),
            runPassword},
    Command{"student", "student FILE.grs NAME [--type] [-o OUT.(xls|xlsx|csv)]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Print a student's individual report (or its table by type); -o also writes it."),
            runStudent},
    Command{"stats", "stats FILE.grs (--assignment TITLE | --index N) | --grouping (--assignment TITLE | --index N | "
                     "--overall) | --missing absent|zero",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "Print an assignment's statistics, how many earned each letter, or each student's "
                              "missing work."),
            runStats},
    Command{"graph", "graph FILE.grs (--student NAME | --assignment TITLE | --index N | --overall) [--percent]",
            QT_TRANSLATE_NOOP("MarkwellCli", "Print what the graph charts: its title, axis titles and bars."),
            runGraph},
    Command{"mailto", "mailto FILE.grs NAME",
            QT_TRANSLATE_NOOP("MarkwellCli", "Print the mailto: address File > E-mail... opens for a student."),
            runMailto},
    Command{"versions", "versions FILE.grs [--restore N -o OUT.grs]",
            QT_TRANSLATE_NOOP("MarkwellCli",
                              "List the earlier versions kept of a class, newest first: number, date and time, "
                              "students,\n      assignments; --restore writes version N with its .ATD and .SEA "
                              "files to OUT.grs."),
            runVersions},
};

QString helpText() {
    QString text = MarkwellCli::tr("Usage: markwell-cli COMMAND [ARGUMENTS]\n"
                                   "Computerized Markwell %1: the class record without windows.\n\n"
                                   "Commands:\n")
                       .arg(QStringLiteral(MARKWELL_VERSION));
    for (const Command& c : kCommands) {
        text += QStringLiteral("  %1\n      %2\n").arg(QString::fromUtf8(c.usage), MarkwellCli::tr(c.summary));
    }
    text += MarkwellCli::tr("\nOptions:\n  --help       show this help\n  --version    show the version\n\n"
                            "Exit codes: 0 success, 1 refused input or failed write, 2 usage error.\n");
    return text;
}

const Command* commandNamed(const char* name) {
    for (const Command& c : kCommands) {
        if (std::strcmp(name, c.name) == 0) return &c;
    }
    return nullptr;
}

// Qt's own notes about the desktop it runs on (a missing runtime folder and
// the like) are no business of a script reading stderr; failures still show.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "markwell-cli: %s\n", message.toLocal8Bit().constData());
    }
}

// A command that draws pages gets the painting side of Qt on its screenless
// platform; every other command runs on QtCore alone.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    const Command* command = argc > 1 ? commandNamed(argv[1]) : nullptr;
    if (command && command->drawsPages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtNotes);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Runs the command the arguments name and gives its exit code.
int run(QStringList args, const Console& console) {
    if (args.isEmpty()) {
        console.error(MarkwellCli::tr("no command given"));
        console.print(helpText());
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        console.print(helpText());
        return kExitOk;
    }
    if (name == QLatin1String("--version")) {
        console.printLine(QStringLiteral("markwell-cli %1").arg(QStringLiteral(MARKWELL_VERSION)));
        return kExitOk;
    }
    if (const Command* command = commandNamed(name.toUtf8().constData())) return command->run(args, console);
    return console.usage(MarkwellCli::tr("unknown command \"%1\"").arg(name));
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, where the
    // signal would end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    markwell::applySettingsNames();
    const Console console;
    return console.finish(run(QCoreApplication::arguments().mid(1), console));
}
