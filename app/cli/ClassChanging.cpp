// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassChanging.h"

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"

namespace markwell::cli {

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
        const QStringList lines = made.message().split(QLatin1Char('\n'));
        if (lines.size() == 1) {
            console.error(QStringLiteral("%1: %2").arg(command, lines.front()));
        } else {
            for (const QString& line : lines) console.error(line);
        }
        return kExitFailed;
    }
    if (!saveClassDocument(*document, saved, console)) return kExitFailed;
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
    if (!force && classExistsAt(command, path, console)) return false;
    return saveClassDocument(document, path, console);
}

}  // namespace markwell::cli
