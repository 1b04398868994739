// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassChanging.h"

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"

#include "core/document/ClassWriter.h"
#include "core/document/DocumentFiles.h"

namespace markwell::cli {
namespace {

void printRefusal(const QString& command, const QString& message, const Console& console) {
    const QStringList lines = message.split(QLatin1Char('\n'));
    if (lines.size() == 1) {
        console.error(QStringLiteral("%1: %2").arg(command, lines.front()));
    } else {
        for (const QString& line : lines) console.error(line);
    }
}

// A save over the grade file would drop the bytes its reader skipped: only
// with the teacher's word.
bool mayDropSkippedBytes(const QString& command, const Document& document, const QString& saved,
                         const Console& console) {
    if (document.skippedBytes == 0 || droppingSkippedBytesAllowed() || !isSameFile(saved, document.markwellFile)) {
        return true;
    }
    console.error(
        QStringLiteral("%1: %2 would lose the %3 skipped when it was read; nothing was written. Add "
                       "--drop-skipped to save it without them (its earlier version keeps the file as "
                       "it is).")
            .arg(command, saved, counted(document.skippedBytes, QStringLiteral("byte"), QStringLiteral("bytes"))));
    return false;
}

}  // namespace

int runClassChange(const QString& command, const QString& path, const QString& output, const ChangeFor& changeFor,
                   const SummaryOf& summaryOf, const Console& console) {
    const QString saved = output.isEmpty() ? path : output;
    const std::optional<ChangeLocks> locks = lockForChange({path, saved}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    const std::variant<Change, Refused> change = changeFor(*document);
    if (const Refused* refused = std::get_if<Refused>(&change)) return refused->exitCode;
    const Result<ChangeMade> made = std::get<Change>(change).applyTo(*document);
    if (!made) {
        printRefusal(command, made.message(), console);
        return kExitFailed;
    }
    if (!mayDropSkippedBytes(command, *document, saved, console)) return kExitFailed;
    if (!saveClassDocument(*document, saved, console, command)) return kExitFailed;
    QString summary = summaryOf(*document, saved);
    if (!summary.endsWith(QLatin1Char('\n'))) summary += QLatin1Char('\n');
    console.print(summary);
    return kExitOk;
}

int runClassChange(const QString& command, const QString& path, const QString& output, const Change& change,
                   const SummaryOf& summaryOf, const Console& console) {
    return runClassChange(
        command, path, output, [&change](const Document&) -> std::variant<Change, Refused> { return change; },
        summaryOf, console);
}

bool createClassFiles(const QString& command, const QString& path, bool force, Document& document,
                      const Console& console) {
    const std::optional<ChangeLocks> locks = lockForChange({path}, console);
    if (!locks) return false;
    // A save killed there before is finished first: what it left is then a
    // class or nothing, never stray siblings.
    const Result<QString> finished = finishInterruptedSaveNote(path);
    if (!finished) {
        console.error(aboutFile(path, finished.message()));
        return false;
    }
    if (!finished->isEmpty()) console.error(QStringLiteral("warning: %1").arg(*finished));
    if (!force && classExistsAt(command, path, console)) return false;
    return saveClassDocument(document, path, console, command);
}

}  // namespace markwell::cli
