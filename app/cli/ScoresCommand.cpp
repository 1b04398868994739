// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// import-scores: the scores of a gradebook saved as CSV by a learning system
// or a spreadsheet, matched to the class's students and assignments as the
// Import Scores window matches them, every score or none.

#include "app/cli/ClassChanging.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/scores/RosterChanges.h"
#include "core/scores/ScorePlan.h"

namespace markwell::cli {
namespace {

constexpr char kAddStudentsOption[] = "add-students";
constexpr char kSkipUnmatchedOption[] = "skip-unmatched";
constexpr char kMatchOption[] = "match";
constexpr char kMissingAsOption[] = "missing-as";
constexpr char kNewAssignmentsOption[] = "new-assignments";

// What the options ask for, checked before any file is read.
struct ScoreOptions {
    QString scoresPath;
    QString mapPath;
    QString newType;  // empty: score columns of no assignment are ignored
    MatchBy matchBy = MatchBy::Auto;
    bool missingAsZero = false;
    bool addStudents = false;
    bool skipUnmatched = false;
    bool dryRun = false;
};

std::optional<ScoreOptions> optionsOf(const CommandArguments& args, const Console& console) {
    ScoreOptions options;
    options.scoresPath = args.positional[1];
    options.mapPath = args.value(kMapOption);
    options.addStudents = args.isSet(kAddStudentsOption);
    options.skipUnmatched = args.isSet(kSkipUnmatchedOption);
    options.dryRun = args.isSet(kDryRunOption);
    if (args.isSet(kMatchOption)) {
        const std::optional<MatchBy> by = matchByFromWord(args.value(kMatchOption));
        if (!by) {
            console.usage(QStringLiteral("%1: --match takes auto, id, email or name").arg(args.command));
            return std::nullopt;
        }
        options.matchBy = *by;
    }
    const QString missing = args.value(kMissingAsOption);
    if (args.isSet(kMissingAsOption) && missing != QLatin1String("keep") && missing != QLatin1String("zero")) {
        console.usage(QStringLiteral("%1: --missing-as takes keep or zero").arg(args.command));
        return std::nullopt;
    }
    options.missingAsZero = missing == QLatin1String("zero");
    if (args.isSet(kNewAssignmentsOption)) {
        const int type = assignmentTypeIndexTyped(args.value(kNewAssignmentsOption));
        if (type < 0) {
            console.usage(QStringLiteral("%1: --new-assignments takes Final, Test, Quiz, Homework, Lab or Other")
                              .arg(args.command));
            return std::nullopt;
        }
        options.newType = assignmentTypeName(type);
    }
    return options;
}

// The choices the options make for this class, or nothing after printing
// the refused rows of the map file.
std::optional<ScoreMapping> mappingFor(const ClassRecord& cls, const ScoreTable& table, const ScoreOptions& options,
                                       const std::optional<CsvTable>& map, const Console& console) {
    ScoreMapping mapping = defaultScoreMapping(cls, table, options.newType);
    mapping.matchBy = options.matchBy;
    mapping.missingAsZero = options.missingAsZero;
    mapping.addStudents = options.addStudents;
    mapping.skipUnmatched = options.skipUnmatched;
    if (map) {
        const std::vector<RowProblem> refused = applyColumnMap(mapping, cls, table, *map, options.newType);
        if (!refused.empty()) {
            for (const QString& line : rowProblemLines(options.mapPath, refused)) console.error(line);
            return std::nullopt;
        }
    }
    return mapping;
}

// Score columns that go nowhere are said, so that a misspelt title is seen.
void noteIgnoredScoreColumns(const ScoreTable& table, const ScoreMapping& mapping, const QString& path,
                             const Console& console) {
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].role != ColumnRole::Score || mapping.columns[c].role != ColumnRole::Ignored) continue;
        console.error(QStringLiteral("%1: column %2 (%3) matches no assignment of the class: ignored")
                          .arg(path, QString::number(c + 1), table.columns[c].heading.simplified()));
    }
}

QString counted(int n, const QString& one, const QString& many) {
    return n == 1 ? one : many.arg(n);
}

// Each score set, "Student<TAB>Assignment<TAB>Old<TAB>New", then the counts.
QString changesText(const ScorePlan& plan) {
    QString text;
    for (const ScoreChange& change : plan.changes) {
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(plan.studentNames[change.student], plan.assignmentTitles[change.assignment],
                         cp1252::toUnicode(change.old), cp1252::toUnicode(change.points));
    }
    const ScoreCounts& n = plan.counts;
    text += QStringLiteral("Changed %1, added %2, %3\n")
                .arg(counted(n.changed, QStringLiteral("1 score"), QStringLiteral("%1 scores")),
                     counted(n.newAssignments, QStringLiteral("1 assignment"), QStringLiteral("%1 assignments")),
                     counted(n.newStudents, QStringLiteral("1 student"), QStringLiteral("%1 students")));
    return text;
}

// The plan for the class, or nothing once its problems are said.
std::optional<ScorePlan> checkedPlan(const ClassRecord& cls, const ScoreTable& table, const ScoreMapping& mapping,
                                     const ScoreOptions& options, const Console& console) {
    noteIgnoredScoreColumns(table, mapping, options.scoresPath, console);
    ScorePlan plan = planScoreImport(cls, table, mapping);
    if (!plan.blocked()) return plan;
    for (const QString& line : scoreProblemLines(options.scoresPath, plan)) console.error(line);
    return std::nullopt;
}

// import-scores FILE.grs SCORES.csv [options] [-o OUT.grs]: prints each score
// it sets and the counts; a problem anywhere writes nothing.
int runImportScores(const CommandArguments& args, const Console& console) {
    const std::optional<ScoreOptions> options = optionsOf(args, console);
    if (!options) return kExitUsage;
    const QString path = args.positional[0];
    const QString saved = args.output.isEmpty() ? path : args.output;
    QStringList inputs{options->scoresPath};
    if (!options->mapPath.isEmpty()) inputs << options->mapPath;
    if (!options->dryRun && !classOutputSparesInputs(saved, inputs, console)) return kExitFailed;

    const Result<ScoreTable> table = readScoreFile(options->scoresPath);
    if (!table) {
        console.error(table.message());
        return kExitFailed;
    }
    std::optional<CsvTable> map;
    if (!options->mapPath.isEmpty()) {
        Result<CsvTable> read = readCsvTable(options->mapPath);
        if (!read) {
            console.error(read.message());
            return kExitFailed;
        }
        map = std::move(read).value();
    }

    if (options->dryRun) {
        const std::optional<ClassRecord> cls = args.theClass.gradeFile();
        if (!cls) return kExitFailed;
        const std::optional<ScoreMapping> mapping = mappingFor(*cls, *table, *options, map, console);
        if (!mapping) return kExitFailed;
        const std::optional<ScorePlan> plan = checkedPlan(*cls, *table, *mapping, *options, console);
        if (!plan) return kExitFailed;
        console.print(changesText(*plan));
        return kExitOk;
    }

    QString printed;
    const ChangeFor changeFor = [&](const Document& document) -> std::variant<Change, Refused> {
        const ClassRecord& cls = document.classRecord;
        std::optional<ScoreMapping> mapping = mappingFor(cls, *table, *options, map, console);
        if (!mapping) return Refused{};
        const std::optional<ScorePlan> plan = checkedPlan(cls, *table, *mapping, *options, console);
        if (!plan) return Refused{};
        printed = changesText(*plan);
        // A second import of the same file leaves the class, and its file, alone.
        if (!plan->changesAnything() && args.output.isEmpty()) {
            console.print(printed);
            return Refused{kExitOk};
        }
        return scoreImportChange(*table, std::move(*mapping), options->scoresPath);
    };
    return runClassChange(
        args.command, path, args.output, changeFor, [&printed](const Document&, const QString&) { return printed; },
        console);
}

constexpr OptionDeclaration kImportScoresOptions[] = {
    {kMatchOption, "HOW", "Match students by auto (ID, e-mail, name), id, email or name."},
    {kMapOption, "MAP.csv", "Columns to assignments: column,assignment (empty ignores)."},
    {kNewAssignmentsOption, "TYPE", "Score columns of no assignment become new ones."},
    {kMissingAsOption, "HOW", "Missing and N/A: keep the score or zero."},
    {kAddStudentsOption, nullptr, "Rows matching no student join the class."},
    {kSkipUnmatchedOption, nullptr, "Leave out rows matching no student."},
    {kDryRunOption, nullptr, "Print the changes; write nothing."},
};
constexpr const char* kImportScoresArguments[] = {"FILE.grs", "SCORES.csv"};
constexpr Command kImportScores{
    .name = "import-scores",
    .usage = "import-scores FILE.grs SCORES.csv [--match auto|id|email|name] [--map MAP.csv] [--new-assignments TYPE] "
             "[--missing-as keep|zero] [--add-students] [--skip-unmatched] [--dry-run] [-o OUT.grs]",
    .summary = "Take the scores of a gradebook CSV (Canvas, Moodle, Google Classroom or a "
               "spreadsheet); print\n      each score set and the counts. A blank never overwrites; "
               "all or none.",
    .run = runImportScores,
    .options = kImportScoresOptions,
    .arguments = kImportScoresArguments,
    .output = OutputPlace::Option,
    .writesClass = true,
    .readsClass = true,
    .changesClass = true,
    .place = 100};
const CommandRegistration kImportScoresListed{kImportScores};

}  // namespace

}  // namespace markwell::cli
