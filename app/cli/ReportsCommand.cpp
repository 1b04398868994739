// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// reports FILE.grs -o OUT: every chosen student's report at the term's end,
// as one PDF file or one PDF per student in a folder, as the Class Reports
// window makes them.

#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"
#include "app/cli/ReportChoices.h"

#include "core/common/Cp1252.h"
#include "core/grading/GradesTable.h"
#include "core/reports/StudentReport.h"
#include "render/paging/PdfFile.h"
#include "render/reports/ClassReportsPrintout.h"
#include "render/reports/ReportFolder.h"

#include <QDate>

namespace markwell::cli {
namespace {

constexpr char kPerStudentOption[] = "per-student";

int writeOnePdf(const ClassReports& reports, const std::vector<int>& students, const QString& output,
                const Console& console) {
    ClassReportsPrintout printout(reports, students);
    const Result<PrintOutcome> written = writePdf(printout, output);
    if (!written) {
        console.error(written.message());
        return kExitFailed;
    }
    console.printLine(QStringLiteral("Wrote %1 pages for %2 students to %3")
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

int runReports(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const QString output = args.output;
    const bool perStudent = args.isSet(kPerStudentOption);
    if (args.isSet(kNamesOption) && args.isSet(kGradeAtMostOption)) {
        return console.usage(QStringLiteral("reports: --names and --grade-at-most do not go together"));
    }
    if (!perStudent && !output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        console.error(QStringLiteral("reports: %1: the output file must end in .pdf").arg(output));
        return kExitFailed;
    }
    if (!perStudent && !outputSparesInputs(output, classFilePathsFor(path), console)) return kExitFailed;

    const std::optional<Document> document = args.theClass.wholeClass();
    if (!document) return kExitFailed;
    const ClassRecord& cls = document->classRecord;
    const GradesTable grades = buildGradesTable(cls);
    const std::optional<ChosenReports> chosen =
        chooseReports(args, path, *document, grades.sheet, QStringLiteral("reports"), console);
    if (!chosen) return kExitFailed;
    const std::vector<int>& students = chosen->students;
    const ClassReports reports(cls, grades.sheet, document->attendance, document->markwellFile, chosen->contents);
    if (!perStudent) return writeOnePdf(reports, students, output, console);
    return writeFolder(reports, students, output, console);
}

constexpr OptionDeclaration kReportsOptions[] = {
    {kPerStudentOption, nullptr, "One PDF per student in the folder OUT."},
    {kNamesOption, "FILE", "The students named in a text file, one name a line."},
    {kGradeAtMostOption, "LETTER", "The students whose letter is LETTER or worse."},
    {kContentsOption, "LIST", "What each report holds: overall, type, why, attendance, comment."},
    {kMonthsOption, "YYYY-MM:YYYY-MM", "The months of the attendance table."},
    {kNoteOption, "TEXT", "A note to families; {name}, {grade}, {average} are filled in."},
};
constexpr const char* kOutputNamed[] = {kOutputOption};
constexpr Requirement kReportsRequirements[] = {
    {Needs::All, kOutputNamed, "give -o OUT.pdf (or -o FOLDER with --per-student)"}};
constexpr Command kReports{
    .name = "reports",
    .usage = "reports FILE.grs -o OUT.pdf [--per-student] [--names FILE] [--grade-at-most LETTER] "
             "[--contents overall,type,why,attendance,comment] [--months YYYY-MM:YYYY-MM] [--note TEXT]",
    .summary = "Write every chosen student's report (Overall and Why unless --contents says) as one "
               "PDF, each\n      student from a new page, or one PDF per student in the folder OUT.",
    .run = runReports,
    .options = kReportsOptions,
    .arguments = kGradeFile,
    .output = OutputPlace::Option,
    .readsClass = true,
    .drawsPages = true,
    .requirements = kReportsRequirements,
    .place = 290};
const CommandRegistration kReportsListed{kReports};

}  // namespace

}  // namespace markwell::cli
