// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// convert IN.grs OUT.grs: reads a grade file of any known version and writes
// it in the current one, with IN's attendance and seats, as the class OUT.

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/document/ClassWriter.h"
#include "core/document/DocumentFiles.h"
#include "core/files/GradeFile.h"

namespace markwell::cli {
namespace {

// IN's files as OUT gets them: the grade file in the current version, the
// attendance and seats byte for byte (empty when IN has none, so that OUT
// never keeps another class's).
Result<ClassContent> convertedContent(const QString& in, GradeFileInfo& info) {
    Result<ClassFileBytes> files = readClassFileBytes(in);
    if (!files) return files.error();
    const Result<ClassRecord> cls = parseGradeFile(files->grade, in, &info);
    if (!cls) return cls.error();
    Result<QByteArray> grade = serializeGradeFile(*cls);
    if (!grade) return grade.error();
    return ClassContent{std::move(grade).value(), std::move(files->attendance), std::move(files->seating)};
}

int runConvert(const CommandArguments& args, const Console& console) {
    const QString& in = args.positional[0];
    const QString& out = args.output;

    const std::optional<ChangeLocks> locks = lockForChange({in, out}, console);
    if (!locks) return kExitFailed;
    const Result<QString> finished = finishInterruptedSaveNote(in);
    GradeFileInfo info;
    Result<ClassContent> content = finished ? convertedContent(in, info) : Result<ClassContent>(finished.error());
    if (!content) {
        console.error(aboutFile(in, content.message()));
        return kExitFailed;
    }
    if (!finished->isEmpty()) console.error(QStringLiteral("warning: %1").arg(*finished));
    // OUT has what the class holds; IN keeps the rest.
    if (info.trailingBytes > 0) {
        console.error(QStringLiteral("warning: %1").arg(skippedBytesNote(in, info.trailingBytes)));
    }
    ClassWrite request;
    request.target = out;
    request.content = std::move(content).value();
    request.inputClasses = {in};
    request.source = in;
    request.origin = args.command;
    request.recordAs = {HistorySource::Import, in};
    request.keepVersions = keptVersionsSetting();
    request.lockWait = kChangeLockWait;
    const Result<ClassWritten> written = writeClass(request);
    if (!written) {
        console.error(aboutFile(out, written.message()));
        return kExitFailed;
    }
    reportWritten(*written, out, console);
    console.printLine(QStringLiteral("Converted %1 (version %2) to %3 (version %4)")
                          .arg(in, versionText(info.version), out, versionText(kGradeFileVersion)));
    return kExitOk;
}

constexpr const char* kConvertArguments[] = {"IN.grs", "OUT.grs"};
constexpr Command kConvert{.name = "convert",
                           .usage = "convert IN.grs OUT.grs",
                           .summary = "Read a grade file and write it in the current version, with its .ATD and .SEA "
                                      "files.",
                           .run = runConvert,
                           .arguments = kConvertArguments,
                           .output = OutputPlace::OptionOrLastArgument,
                           .writesClass = true,
                           .place = 20};
const CommandRegistration kConvertListed{kConvert};

}  // namespace

}  // namespace markwell::cli
