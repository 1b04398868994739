// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// reports FILE.grs -o OUT: every chosen student's report at the term's end,
// as one PDF file or one PDF per student in a folder, as the Class Reports
// window makes them.

#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/grading/GradesTable.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/ReportStudents.h"
#include "core/reports/StudentReport.h"
#include "render/paging/PdfFile.h"
#include "render/reports/ClassReportsPrintout.h"
#include "render/reports/ReportFolder.h"

#include <QCoreApplication>
#include <QDate>

namespace markwell::cli {
namespace {

struct ReportsCommand {
    Q_DECLARE_TR_FUNCTIONS(ReportsCommand)
};

// The contents the options ask for; the default: Overall and Why.
std::optional<ReportContents> contentsOf(const CommandArguments& args, const Document& document,
                                         const Console& console) {
    ReportContents base;
    base.note = args.value(QStringLiteral("note"));
    base.months = defaultMonthSpan(document.attendance, QDate::currentDate());
    if (args.isSet(QStringLiteral("months"))) {
        const Result<MonthSpan> months = parseMonthSpan(args.value(QStringLiteral("months")));
        if (!months) {
            console.error(QStringLiteral("reports: --months: ") + months.message());
            return std::nullopt;
        }
        base.months = *months;
    }
    if (!args.isSet(QStringLiteral("contents"))) return base;
    const Result<ReportContents> contents = contentsFromList(args.value(QStringLiteral("contents")), base);
    if (!contents) {
        console.error(QStringLiteral("reports: --contents: ") + contents.message());
        return std::nullopt;
    }
    return *contents;
}

std::optional<StudentChoice> choiceOf(const CommandArguments& args, const Console& console) {
    StudentChoice choice;
    if (args.isSet(QStringLiteral("names"))) {
        const Result<QStringList> names = readNameList(args.value(QStringLiteral("names")));
        if (!names) {
            console.error(names.message());
            return std::nullopt;
        }
        choice.kind = StudentChoice::Kind::Named;
        choice.names = *names;
    } else if (args.isSet(QStringLiteral("grade-at-most"))) {
        choice.kind = StudentChoice::Kind::GradeAtMost;
        choice.letter = args.value(QStringLiteral("grade-at-most"));
    }
    return choice;
}

int writeOnePdf(const ClassReports& reports, const std::vector<int>& students, const QString& output,
                const Console& console) {
    ClassReportsPrintout printout(reports, students);
    const Result<PrintOutcome> written = writePdf(printout, output);
    if (!written) {
        console.error(written.message());
        return kExitFailed;
    }
    console.printLine(ReportsCommand::tr("Wrote %1 pages for %2 students to %3")
                          .arg(printout.firstPages().back())
                          .arg(students.size())
                          .arg(output));
    return kExitOk;
}

int writeFolder(const ClassReports& reports, const std::vector<int>& students, const QString& folder,
                const Console& console) {
    const Result<ReportFolder> written = writeReportFolder(reports, students, folder);
    if (!written) {
        console.error(written.message());
        return kExitFailed;
    }
    for (std::size_t i = 0; i < students.size(); ++i) {
        const StudentInfo& student = reports.classRecord().students[static_cast<std::size_t>(students[i])];
        console.printLine(cp1252::toUnicode(student.name) + QLatin1Char('\t') + written->paths.at(i));
    }
    return kExitOk;
}

}  // namespace

int runReports(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const QString output = args.output;
    const bool perStudent = args.isSet(QStringLiteral("per-student"));
    if (output.isEmpty())
        return console.usage(ReportsCommand::tr("reports: give -o OUT.pdf (or -o FOLDER with --per-student)"));
    if (args.isSet(QStringLiteral("names")) && args.isSet(QStringLiteral("grade-at-most"))) {
        return console.usage(ReportsCommand::tr("reports: --names and --grade-at-most do not go together"));
    }
    if (!perStudent && !output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        console.error(ReportsCommand::tr("reports: %1: the output file must end in .pdf").arg(output));
        return kExitFailed;
    }
    if (!perStudent && !outputSparesInputs(output, classFilePathsFor(path), console)) return kExitFailed;

    const std::optional<Document> document = openClassDocument(path, console, false);
    if (!document) return kExitFailed;
    const std::optional<ReportContents> contents = contentsOf(args, *document, console);
    if (!contents) return kExitFailed;
    // Zeros from an attendance file that cannot be read would look like a spotless term.
    if (contents->attendance && !document->attendanceDamage.isEmpty()) {
        console.error(document->attendanceDamage);
        return kExitFailed;
    }
    for (const QString& unknown : unknownPlaceholders(contents->note)) {
        console.error(ReportsCommand::tr("warning: the note's %1 is not one of %2: it is printed as typed")
                          .arg(unknown, notePlaceholders().join(QStringLiteral(", "))));
    }
    const std::optional<StudentChoice> choice = choiceOf(args, console);
    if (!choice) return kExitFailed;

    const ClassRecord& cls = document->classRecord;
    const GradesTable grades = buildGradesTable(cls);
    const Result<std::vector<int>> students = chooseStudents(cls, grades.sheet, *choice);
    if (!students) {
        console.error(aboutFile(path, students.message()));
        return kExitFailed;
    }
    if (students->empty()) {
        console.error(ReportsCommand::tr("reports: %1: no student is chosen; nothing was written").arg(path));
        return kExitFailed;
    }
    const ClassReports reports(cls, grades.sheet, document->attendance, document->markwellFile, *contents);
    if (!perStudent) return writeOnePdf(reports, *students, output, console);
    return writeFolder(reports, *students, output, console);
}

}  // namespace markwell::cli
