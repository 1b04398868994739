// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell-cli: the class record without windows, for scripts, tests and batch work.

#include "app/cli/CommandRunner.h"
#include "app/cli/Commands.h"
#include "core/common/HugePages.h"
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

// Each command's options and argument names, as its table entry declares them.
constexpr const char* kOneFile[] = {"FILE"};
constexpr const char* kGradeFile[] = {"FILE.grs"};
constexpr const char* kGradeFileAndName[] = {"FILE.grs", "NAME"};
constexpr const char* kConvertArguments[] = {"IN.grs", "OUT.grs"};
constexpr const char* kNewClassArguments[] = {"OUT.grs"};
constexpr OptionDeclaration kSampleOptions[] = {
    {"students", "N", "Number of students."},
    {"assignments", "M", "Number of assignments."},
    {"seed", "S", "Seed of the made-up names and marks."},
    {"weighted", nullptr, "Turn weighted averages on."},
    {"seats", nullptr, "A seat per student on the seating chart."},
    {"drop", "RULE", "Dropping rule: none, overall or type."},
    {"force", nullptr, "Replace an existing class."},
};
constexpr OptionDeclaration kShowOptions[] = {
    {"dropped", nullptr, "Print the dropped scores: row, column and text."},
};
constexpr const char* kSortArguments[] = {"FILE.grs", "COLUMN"};
constexpr OptionDeclaration kSortOptions[] = {
    {"descending", nullptr, "Highest first."},
};
constexpr const char* kExportArguments[] = {"FILE.grs", "OUT"};
constexpr OptionDeclaration kExportOptions[] = {
    {"ids", nullptr, "Student IDs in place of names (.pdf)."},
    {"seating", nullptr, "The seating chart's printout (.pdf)."},
    {"for", "SYSTEM", "The scores as a learning system imports them (canvas; .csv)."},
};
constexpr OptionDeclaration kNewOptions[] = {
    {"from", "OTHER.grs", "Take the assignments, rules, scale and look of this class (no students)."},
    {"scale", "NAME", "The grade scale, by its name."},
    {"force", nullptr, "Replace an existing class."},
};
constexpr const char* kImportArguments[] = {"FILE.grs", "IN.csv"};
constexpr const char* kImportScoresArguments[] = {"FILE.grs", "SCORES.csv"};
constexpr OptionDeclaration kImportScoresOptions[] = {
    {"match", "HOW", "Match students by auto (ID, e-mail, name), id, email or name."},
    {"map", "MAP.csv", "Columns to assignments: column,assignment (empty ignores)."},
    {"new-assignments", "TYPE", "Score columns of no assignment become new ones."},
    {"missing-as", "HOW", "Missing and N/A: keep the score or zero."},
    {"add-students", nullptr, "Rows matching no student join the class."},
    {"skip-unmatched", nullptr, "Leave out rows matching no student."},
    {"dry-run", nullptr, "Print the changes; write nothing."},
};
constexpr OptionDeclaration kAddAssignmentOptions[] = {
    {"title", "T", "The title."},
    {"type", "TYPE", "Final, Test, Quiz, Homework, Lab or Other."},
    {"total", "N", "The possible points."},
    {"description", "D", "The description."},
};
constexpr OptionDeclaration kAssignmentOptions[] = {
    {"assignment", "TITLE", "The assignment of this exact title (the first of them)."},
    {"index", "K", "The assignment at this place, counting from 1."},
};
constexpr OptionDeclaration kWhatIfOptions[] = {
    {"assignment", "TITLE", "The assignment of this exact title (the first of them)."},
    {"index", "K", "The assignment at this place, counting from 1."},
    {"grade", "LETTER", "The letter wanted (or a better one)."},
};
constexpr const char* kSetTotalArguments[] = {"FILE.grs", "N"};
constexpr OptionDeclaration kAttendanceOptions[] = {
    {"year", "Y", "The year counted."},
    {"student", "NAME", "The student's name."},
};
constexpr const char* kMergeArguments[] = {"A.grs", "B.grs"};
constexpr OptionDeclaration kMergeOptions[] = {
    {"scale", "NAME", "Grade with this stored scale."},
    {"ids", nullptr, "Student IDs in place of names."},
};
constexpr const char* kWeightsArguments[] = {"FILE.grs", "FINAL", "TEST", "QUIZ", "HOMEWORK", "LAB", "OTHER"};
constexpr OptionDeclaration kWeightsOptions[] = {
    {"use", nullptr, "Turn weighted averages on."},
    {"no-use", nullptr, "Turn weighted averages off."},
};
constexpr const char* kDropArguments[] = {"FILE.grs", "RULE"};
constexpr OptionDeclaration kDropOptions[] = {
    {"types", "LIST", "The types whose lowest score is dropped (by-type)."},
};
constexpr const char* kScaleArguments[] = {"ACTION", "[NAME]", "[KIND]", "[BOUNDS]"};
constexpr const char* kPasswordArguments[] = {"ACTION"};
constexpr OptionDeclaration kStudentOptions[] = {
    {"type", nullptr, "The table by assignment type."},
};
constexpr OptionDeclaration kStatsOptions[] = {
    {"assignment", "TITLE", "The assignment of this exact title (the first of them)."},
    {"index", "K", "The assignment at this place, counting from 1."},
    {"grouping", nullptr, "How many earned each letter."},
    {"overall", nullptr, "Of the overall grades (--grouping)."},
    {"missing", "KIND", "Each student's missing work: absent or zero."},
};
constexpr OptionDeclaration kGraphOptions[] = {
    {"student", "NAME", "A student's scores."},
    {"assignment", "TITLE", "The assignment of this exact title (the first of them)."},
    {"index", "K", "The assignment at this place, counting from 1."},
    {"overall", nullptr, "The class's overall grades."},
    {"percent", nullptr, "Percentages in place of points."},
};
constexpr OptionDeclaration kCurveOptions[] = {
    {"assignment", "TITLE", "The assignment of this exact title (the first of them)."},
    {"index", "K", "The assignment at this place, counting from 1."},
    {"add", "N", "Add N points to every score."},
    {"top", nullptr, "Scale so that the highest score becomes the possible points."},
    {"mean", "P", "Scale so that the mean becomes P % of the possible points."},
    {"map", "LOW:HIGH=NEWLOW:NEWHIGH", "Move scores along the line through two old and new scores, in points."},
    {"round", "1|0.5|none", "Round half up to this step (none by default)."},
    {"cap", nullptr, "No score above the possible points."},
    {"dry-run", nullptr, "Print the scores the curve would give; write nothing."},
};
constexpr const char* kOverviewArguments[] = {"FILE.grs|DIR", "[FILE.grs|DIR...]"};
constexpr OptionDeclaration kOverviewOptions[] = {
    {"grade-at-most", "LETTER", "Count the students at this letter or below."},
};
constexpr OptionDeclaration kReportsOptions[] = {
    {"per-student", nullptr, "One PDF per student in the folder OUT."},
    {"names", "FILE", "The students named in a text file, one name a line."},
    {"grade-at-most", "LETTER", "The students whose letter is LETTER or worse."},
    {"contents", "LIST", "What each report holds: overall, type, why, attendance, comment."},
    {"months", "YYYY-MM:YYYY-MM", "The months of the attendance table."},
    {"note", "TEXT", "A note to families; {name}, {grade}, {average} are filled in."},
};
constexpr OptionDeclaration kSendReportsOptions[] = {
    {"from", "ADDRESS", "The sender's address."},
    {"smtp", "HOST[:PORT]", "Send through this mail server."},
    {"save-messages", "DIR", "Save one .eml file per family in DIR; send nothing."},
    {"security", "starttls|tls|none", "How the connection is protected (starttls, port 587 by default)."},
    {"user", "NAME", "Log in as NAME; the password is asked for or read from MARKWELL_SMTP_PASSWORD."},
    {"ca-file", "FILE", "A certificate authority trusted besides the system's."},
    {"to", "LIST", "Whose addresses: student, mother, father (student by default)."},
    {"subject", "TEXT", "The subject; {name}, {grade}, {average} are filled in."},
    {"body-file", "FILE", "The message's text, UTF-8, with the same placeholders."},
    {"names", "FILE", "The students named in a text file, one name a line."},
    {"grade-at-most", "LETTER", "The students whose letter is LETTER or worse."},
    {"contents", "LIST", "What each report holds: overall, type, why, attendance, comment."},
    {"months", "YYYY-MM:YYYY-MM", "The months of the attendance table."},
    {"note", "TEXT", "A note to families in the report."},
};
constexpr OptionDeclaration kVersionsOptions[] = {
    {"restore", "N", "Write version N (with -o)."},
};
constexpr OptionDeclaration kHistoryOptions[] = {
    {"student", "NAME", "Only the lines of this student (letter case ignored)."},
    {"assignment", "TITLE", "Only the lines of this assignment (letter case ignored)."},
    {"since", "YYYY-MM-DD", "Only what changed on this day or later."},
    {"until", "YYYY-MM-DD", "Only what changed on this day or earlier."},
    {"forget", "NAME", "Remove every line of this student from the history."},
};

constexpr std::array kCommands = {
    Command{"check",
            "check FILE",
            "Read a .grs, .ATD or .SEA file and print a short summary.",
            runCheck,
            {},
            kOneFile,
            OutputPlace::None,
            false},
    Command{"convert",
            "convert IN.grs OUT.grs",
            "Read a grade file and write it in the current version, with its .ATD and .SEA "
            "files.",
            runConvert,
            {},
            kConvertArguments,
            OutputPlace::OptionOrLastArgument,
            true},
    Command{"sample",
            "sample OUT.grs --students N --assignments M [--seed S] [--weighted] [--drop none|overall|type] [--seats] "
            "[--force]",
            "Write a realistic demonstration class with its .ATD and .SEA files "
            "(--seats: a seat per student).",
            runSample, kSampleOptions, kNewClassArguments, OutputPlace::OptionOrLastArgument, true},
    Command{"show", "show FILE.grs [--dropped]", "Print the grades table (or the dropped scores).", runShow,
            kShowOptions, kGradeFile, OutputPlace::None, false},
    Command{"sort", "sort FILE.grs COLUMN [--descending] [-o OUT.grs]",
            "Sort the class on a column, save it and print the table.", runSort, kSortOptions, kSortArguments,
            OutputPlace::Option, true},
    Command{"export", "export FILE.grs OUT.(xls|xlsx|csv|pdf) [--ids | --seating | --for canvas]",
            "Write the grades table as a spreadsheet, or its printout (names or --ids) or the "
            "seating chart's\n      (--seating) as PDF, or the scores for Canvas's import "
            "(--for canvas, .csv).",
            runExport, kExportOptions, kExportArguments, OutputPlace::OptionOrLastArgument, false, true},
    Command{"seats",
            "seats FILE.(grs|SEA)",
            "Print the seating chart, one seat a line, the teacher's last: caption, left, top, "
            "width,\n      height, fill, font, size, font color, style (BIUS).",
            runSeats,
            {},
            kOneFile,
            OutputPlace::None,
            false},
    Command{"new", "new FILE.grs [--from OTHER.grs] [--scale NAME] [--force]",
            "Write a new, empty class (File > New) with its .ATD and .SEA files; --from sets it "
            "up as\n      another class (File > New from Class...).",
            runNew, kNewOptions, kNewClassArguments, OutputPlace::OptionOrLastArgument, true},
    Command{"import-students",
            "import-students FILE.grs IN.csv [-o OUT.grs]",
            "Add the students of a CSV file (header: name, id, street, city, state, zip, mom_name, "
            "mom_phone,\n      dad_name, dad_phone, student_email, mom_email, dad_email, comment; "
            "name is needed). All or none.",
            runImportStudents,
            {},
            kImportArguments,
            OutputPlace::Option,
            true},
    Command{"import-scores",
            "import-scores FILE.grs SCORES.csv [--match auto|id|email|name] [--map MAP.csv] [--new-assignments TYPE] "
            "[--missing-as keep|zero] [--add-students] [--skip-unmatched] [--dry-run] [-o OUT.grs]",
            "Take the scores of a gradebook CSV (Canvas, Moodle, Google Classroom or a "
            "spreadsheet); print\n      each score set and the counts. A blank never overwrites; "
            "all or none.",
            runImportScores, kImportScoresOptions, kImportScoresArguments, OutputPlace::Option, true},
    Command{"add-assignment",
            "add-assignment FILE.grs --title T --type Final|Test|Quiz|Homework|Lab|Other [--total N] "
            "[--description D] [-o OUT.grs]",
            "Add an assignment; every student starts with 0 points.", runAddAssignment, kAddAssignmentOptions,
            kGradeFile, OutputPlace::Option, true},
    Command{"set-points", "set-points FILE.grs (--assignment TITLE | --index K) IN.csv [-o OUT.grs]",
            "Store points from a CSV file with the columns name and points (a number, \"-\" or "
            "empty for 0).\n      Two students of one name take their rows in order. All or none.",
            runSetPoints, kAssignmentOptions, kImportArguments, OutputPlace::Option, true},
    Command{"curve",
            "curve FILE.grs (--assignment TITLE | --index K) (--add N | --top | --mean P | --map "
            "LOW:HIGH=NEWLOW:NEWHIGH) [--round 1|0.5|none] [--cap] [--dry-run] [-o OUT.grs]",
            "Curve an assignment's scores; print every student's old and new score and how many "
            "changed.",
            runCurve, kCurveOptions, kGradeFile, OutputPlace::Option, true},
    Command{"set-total", "set-total FILE.grs (--assignment TITLE | --index K) N [-o OUT.grs]",
            "Set an assignment's possible points.", runSetTotal, kAssignmentOptions, kSetTotalArguments,
            OutputPlace::Option, true},
    Command{"attendance", "attendance FILE.grs --year Y --student NAME",
            "Print a student's tardies and absences of each month of a year.", runAttendance, kAttendanceOptions,
            kGradeFile, OutputPlace::None, false},
    Command{"merge", "merge A.grs B.grs [--scale NAME] [--ids] [-o OUT.(xls|xlsx|csv)]",
            "Print the merged report of two grade files (and write it).", runMerge, kMergeOptions, kMergeArguments,
            OutputPlace::Option, false},
    Command{"weights", "weights FILE.grs FINAL TEST QUIZ HOMEWORK LAB OTHER [--use | --no-use] [-o OUT.grs]",
            "Set the weight of each assignment type (whole numbers 0-100, making 100 when used).", runWeights,
            kWeightsOptions, kWeightsArguments, OutputPlace::Option, true},
    Command{"drop", "drop FILE.grs none|overall|by-type [--types final,test,quiz,homework,lab,other] [-o OUT.grs]",
            "Set the rule for dropping each student's lowest scores.", runDrop, kDropOptions, kDropArguments,
            OutputPlace::Option, true},
    Command{"scale",
            "scale list | show NAME | set NAME expanded|standard|pass-fail BOUNDS | delete NAME",
            "List, show, save or delete the grade scales of this computer "
            "(BOUNDS: \"90,100,80,89.9,...\").",
            runScale,
            {},
            kScaleArguments,
            OutputPlace::None,
            false},
    Command{"use-scale",
            "use-scale FILE.grs NAME [-o OUT.grs]",
            "Give the class a grade scale of this computer; its letter grades follow.",
            runUseScale,
            {},
            kGradeFileAndName,
            OutputPlace::Option,
            true},
    Command{"password",
            "password set|clear|check",
            "Set, remove or check the start-up password, read from standard input one per line "
            "(the old one first when one is stored).",
            runPassword,
            {},
            kPasswordArguments,
            OutputPlace::None,
            false},
    Command{"student", "student FILE.grs NAME [--type] [-o OUT.(xls|xlsx|csv)]",
            "Print a student's individual report (or its table by type); -o also writes it.", runStudent,
            kStudentOptions, kGradeFileAndName, OutputPlace::Option, false},
    Command{"explain",
            "explain FILE.grs NAME",
            "Print how a student's average and letter came out: each assignment's part, the "
            "weighted types,\n      the sums, the rounding and the scale's range.",
            runExplain,
            {},
            kGradeFileAndName,
            OutputPlace::None,
            false},
    Command{"what-if", "what-if FILE.grs NAME (--assignment TITLE | --index K) --grade LETTER",
            "Print the fewest points a student needs on an assignment for a letter or a better "
            "one.",
            runWhatIf, kWhatIfOptions, kGradeFileAndName, OutputPlace::None, false},
    Command{"stats",
            "stats FILE.grs (--assignment TITLE | --index N) | --grouping (--assignment TITLE | --index N | "
            "--overall) | --missing absent|zero",
            "Print an assignment's statistics, how many earned each letter, or each student's "
            "missing work.",
            runStats, kStatsOptions, kGradeFile, OutputPlace::None, false},
    Command{"overview", "overview (FILE.grs... | DIR) [--grade-at-most LETTER]",
            "Print a line per class: students, assignments, class average, missing work and the "
            "students\n      at or below a letter (View > My Classes...).",
            runOverview, kOverviewOptions, kOverviewArguments, OutputPlace::None, false},
    Command{"graph", "graph FILE.grs (--student NAME | --assignment TITLE | --index N | --overall) [--percent]",
            "Print what the graph charts: its title, axis titles and bars.", runGraph, kGraphOptions, kGradeFile,
            OutputPlace::None, false},
    Command{"mailto",
            "mailto FILE.grs NAME",
            "Print the mailto: address File > E-mail... opens for a student.",
            runMailto,
            {},
            kGradeFileAndName,
            OutputPlace::None,
            false},
    Command{"reports",
            "reports FILE.grs -o OUT.pdf [--per-student] [--names FILE] [--grade-at-most LETTER] "
            "[--contents overall,type,why,attendance,comment] [--months YYYY-MM:YYYY-MM] [--note TEXT]",
            "Write every chosen student's report (Overall and Why unless --contents says) as one "
            "PDF, each\n      student from a new page, or one PDF per student in the folder OUT.",
            runReports, kReportsOptions, kGradeFile, OutputPlace::Option, false, true},
    Command{"send-reports",
            "send-reports FILE.grs --from ADDRESS (--smtp HOST[:PORT] | --save-messages DIR) "
            "[--security starttls|tls|none] [--user NAME] [--ca-file FILE] [--to student,mother,father] "
            "[--subject TEXT] [--body-file FILE] [--names FILE] [--grade-at-most LETTER] "
            "[--contents overall,type,why,attendance,comment] [--months YYYY-MM:YYYY-MM] [--note TEXT]",
            "E-mail each chosen student's report to that student's family, one message per "
            "student:\n      a line per address (sent, refused, unknown) or student (skipped); "
            "the send log keeps them.",
            runSendReports, kSendReportsOptions, kGradeFile, OutputPlace::None, false, true},
    Command{"versions", "versions FILE.grs [--restore N -o OUT.grs]",
            "List the earlier versions kept of a class, newest first: number, date and time, "
            "students,\n      assignments; --restore writes version N with its .ATD and .SEA "
            "files to OUT.grs.",
            runVersions, kVersionsOptions, kGradeFile, OutputPlace::Option, true},
    Command{"history",
            "history FILE.grs [--student NAME] [--assignment TITLE] [--since YYYY-MM-DD] [--until YYYY-MM-DD] "
            "[--forget NAME]",
            "Print the class's grade history, newest first: when, from where, student, assignment, "
            "old,\n      new and what changed; --forget removes a student's lines.",
            runHistory, kHistoryOptions, kGradeFile, OutputPlace::None, false},
};

QString helpText() {
    QString text = QStringLiteral("Usage: markwell-cli COMMAND [ARGUMENTS]\n"
                                  "Computerized Markwell %1: the class record without windows.\n\n"
                                  "Commands:\n")
                       .arg(QStringLiteral(MARKWELL_VERSION));
    for (const Command& c : kCommands) {
        text += QStringLiteral("  %1\n      %2\n").arg(QString::fromUtf8(c.usage), QString::fromUtf8(c.summary));
    }
    text += QStringLiteral("\nOptions:\n  --help       show this help (after a command: its own)\n"
                           "  --version    show the version\n\n"
                           "A command that writes a file takes it as -o OUT, --output=OUT or --output OUT.\n"
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
        console.error(QStringLiteral("no command given"));
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
    if (const Command* command = commandNamed(name.toUtf8().constData())) return runCommand(*command, args, console);
    return console.usage(QStringLiteral("unknown command \"%1\"").arg(name));
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, where the
    // signal would end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    markwell::growHeapInHugePages();
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    markwell::applySettingsNames();
    const Console console;
    return console.finish(run(QCoreApplication::arguments().mid(1), console));
}
