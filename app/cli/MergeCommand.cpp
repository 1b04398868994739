// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// merge A.grs B.grs [--scale NAME] [--ids] [-o OUT]: the merged report of two
// grade files, as the Merged Files window shows it.

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"

#include "core/export/SheetFile.h"
#include "core/reports/MergedReport.h"

namespace markwell::cli {
namespace {

int runMerge(const CommandArguments& args, const Console& console) {
    const QStringList files = args.positional;
    const QString output = args.output;
    if (!output.isEmpty() && !outputIsASpreadsheet("merge", output, console)) return kExitFailed;
    if (!output.isEmpty() &&
        !outputSparesInputs(output, classFilePathsFor(files[0]) + classFilePathsFor(files[1]), console)) {
        return kExitFailed;
    }

    const std::unique_ptr<UserScales> scales = openUserScales(console);
    Result<MergedReport> report = openMergedReport(files[0], files[1], scales->store);
    if (!report) {
        console.error(report.message());
        return kExitFailed;
    }
    if (args.isSet(kScaleOption)) {
        const QString name = args.value(kScaleOption);
        const std::optional<CurrentGradeScale> scale = scales->store.scaleNamed(name);
        if (!scale) {
            console.error(QStringLiteral("merge: there is no grade scale named \"%1\"").arg(name));
            return kExitFailed;
        }
        report->scale = *scale;
        regradeMergedSheet(*report);
    }
    const bool ids = args.isSet(kIdsOption);
    const Sheet sheet = ids ? mergedPrintCopy(*report, true) : report->sheet;
    printSheet(sheet, console);
    if (!output.isEmpty()) {
        if (const Result<void> written = writeSheetFile(sheet, output); !written) {
            console.error(written.message());
            return kExitFailed;
        }
    }
    return kExitOk;
}

constexpr OptionDeclaration kMergeOptions[] = {
    {kScaleOption, "NAME", "Grade with this stored scale."},
    {kIdsOption, nullptr, "Student IDs in place of names."},
};
constexpr const char* kMergeArguments[] = {"A.grs", "B.grs"};
constexpr Command kMerge{.name = "merge",
                         .usage = "merge A.grs B.grs [--scale NAME] [--ids] [-o OUT.(xls|xlsx|csv)]",
                         .summary = "Print the merged report of two grade files (and write it).",
                         .run = runMerge,
                         .options = kMergeOptions,
                         .arguments = kMergeArguments,
                         .output = OutputPlace::Option,
                         .place = 160};
const CommandRegistration kMergeListed{kMerge};

}  // namespace

}  // namespace markwell::cli
