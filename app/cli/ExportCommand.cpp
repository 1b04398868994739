// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/export/CanvasExport.h"
#include "core/export/SheetFile.h"
#include "core/grading/GradesTable.h"
#include "core/printout/PrintCopy.h"
#include "render/seating/SeatingPrintout.h"
#include "render/table/SheetPrintout.h"

#include <QFileInfo>

#include <array>

namespace markwell::cli {
namespace {

constexpr char kSeatingOption[] = "seating";
constexpr char kForOption[] = "for";

struct ExportRequest {
    QString classPath;
    QString outPath;
    bool ids = false;      // student IDs in place of names (printouts only)
    bool seating = false;  // the seating chart's printout in place of the grades'
    bool canvas = false;   // the scores in the layout Canvas imports
};

// Writes the grades table as the Save As export does.
int exportSpreadsheet(const ClassRecord& cls, const ExportRequest& request, const Console& console) {
    const GradesTable table = buildGradesTable(cls);
    if (const Result<void> written = writeSheetFile(table.sheet, request.outPath); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

// Writes the grades printout as the desktop program prints it: the same
// print copy (names or IDs, the class file's path and the date in the
// header) drawn by the same pages onto a PDF file.
int exportPdf(const ClassRecord& cls, const ExportRequest& request, const Console& console) {
    const GradesTable table = buildGradesTable(cls);
    const QString classPath = QFileInfo(request.classPath).absoluteFilePath();
    const Sheet printout = gradesPrintCopy(table.sheet, cls.students, classPath, request.ids);
    if (const auto written = writeSheetPdf(printout, request.outPath); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

// Writes the seating chart's printout as the desktop program prints it,
// with the path of the class's seating file in the header.
int exportSeatingPdf(const ClassRecord& cls, const ExportRequest& request, const Console& console) {
    const QString seatingPath = seatingPathFor(QFileInfo(request.classPath).absoluteFilePath());
    const SeatingChart chart{cls.Seats, cls.teacherSeat, false};
    if (const auto written = writeSeatingPdf(chart, seatingPath, request.outPath); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

// Writes the scores as Canvas imports a gradebook.
int exportForCanvas(const ClassRecord& cls, const ExportRequest& request, const Console& console) {
    if (const Result<void> written = writeCanvasGradebook(cls, request.outPath); !written) {
        console.error(written.message());
        return kExitFailed;
    }
    return kExitOk;
}

// The output types by extension, compared without regard to case.
struct OutputType {
    const char* extension;
    bool printout;  // takes --ids and --seating
    int (*write)(const ClassRecord&, const ExportRequest&, const Console&);
};
constexpr std::array kOutputTypes = {
    OutputType{"xls", false, exportSpreadsheet},
    OutputType{"xlsx", false, exportSpreadsheet},
    OutputType{"csv", false, exportSpreadsheet},
    OutputType{"pdf", true, exportPdf},
};

const OutputType* outputTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const OutputType& type : kOutputTypes) {
        if (suffix == QLatin1String(type.extension)) return &type;
    }
    return nullptr;
}

// export FILE.grs OUT.(xls|xlsx|csv|pdf) [--ids | --seating | --for canvas]:
// the grades table of the class written as a file, as Save As writes it, a
// printout as PDF, or the scores as a learning system imports them.
int runExport(const CommandArguments& args, const Console& console) {
    ExportRequest request;
    request.classPath = args.positional[0];
    request.outPath = args.output;
    request.ids = args.isSet(kIdsOption);
    request.seating = args.isSet(kSeatingOption);
    if (args.isSet(kForOption)) {
        if (args.value(kForOption) != QLatin1String("canvas")) {
            return console.usage(QStringLiteral("export: --for takes canvas"));
        }
        if (request.ids || request.seating) {
            return console.usage(QStringLiteral("export: --for does not go with --ids or --seating"));
        }
        request.canvas = true;
    }

    const OutputType* type = outputTypeOf(request.outPath);
    if (!type) {
        console.error(
            QStringLiteral("export: %1: the output file must end in .xls, .xlsx, .csv or .pdf").arg(request.outPath));
        return kExitFailed;
    }
    if (request.canvas && QFileInfo(request.outPath).suffix().toLower() != QLatin1String("csv")) {
        console.error(QStringLiteral("export: %1: a file for Canvas must end in .csv").arg(request.outPath));
        return kExitFailed;
    }
    if (request.ids && !type->printout) {
        return console.usage(QStringLiteral("export: --ids is for .pdf output only"));
    }
    if (request.seating && !type->printout) {
        return console.usage(QStringLiteral("export: --seating is for .pdf output only"));
    }
    if (request.ids && request.seating) {
        return console.usage(QStringLiteral("export: --ids and --seating do not go together"));
    }
    if (!outputSparesInputs(request.outPath, classFilePathsFor(request.classPath), console)) return kExitFailed;
    if (request.seating) {
        // A damaged seating file is said: the chart would be printed without its seats.
        const std::optional<Document> document = args.theClass.wholeClass(true);
        if (!document) return kExitFailed;
        return exportSeatingPdf(document->classRecord, request, console);
    }
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    return request.canvas ? exportForCanvas(*cls, request, console) : type->write(*cls, request, console);
}

constexpr OptionDeclaration kExportOptions[] = {
    {kIdsOption, nullptr, "Student IDs in place of names (.pdf)."},
    {kSeatingOption, nullptr, "The seating chart's printout (.pdf)."},
    {kForOption, "SYSTEM", "The scores as a learning system imports them (canvas; .csv)."},
};
constexpr const char* kExportArguments[] = {"FILE.grs", "OUT"};
constexpr Command kExport{.name = "export",
                          .usage = "export FILE.grs OUT.(xls|xlsx|csv|pdf) [--ids | --seating | --for canvas]",
                          .summary = "Write the grades table as a spreadsheet, or its printout (names or --ids) or the "
                                     "seating chart's\n      (--seating) as PDF, or the scores for Canvas's import "
                                     "(--for canvas, .csv).",
                          .run = runExport,
                          .options = kExportOptions,
                          .arguments = kExportArguments,
                          .output = OutputPlace::OptionOrLastArgument,
                          .readsClass = true,
                          .drawsPages = true,
                          .place = 60};
const CommandRegistration kExportListed{kExport};

}  // namespace

}  // namespace markwell::cli
