// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/files/AtomicFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace markwell {

// Several files replaced as one set under a journal. Every new content is
// written whole and synced beside its file, each old content is kept under
// another name, and only then is a journal naming all of them written and
// synced; the files are renamed into place after it, and the journal goes
// once the last one is in. A kill at any moment leaves the old set, the new
// set, or a mixture with its journal beside it, which finishJournal turns
// back into one of the two. Whoever replaces or finishes holds the files'
// lock.

// What a journal says about the save it guards, for those who record saves.
struct JournaledSave {
    QString origin;       // what made the save ("Save", "set-total", ...)
    QDateTime started;    // when the files began to be replaced
    QStringList targets;  // the files it replaces, in order
};

// Replaces `files` in the order given under the journal `journalPath`.
// `lastCheck` runs once every new content and every kept file is on disk,
// just before the journal: an error there stops the save, nothing replaced.
// A failure leaves every file as it was and says why. `rename` stands in
// for rename(2) in tests.
Result<void> replaceFilesUnderJournal(const std::vector<FileToWrite>& files, const QString& journalPath,
                                      const QString& origin, const std::function<Result<void>()>& lastCheck = {},
                                      const RenameStep& rename = {});

struct FinishedJournal {
    bool rolledForward = false;  // the new set stays; otherwise the old one is back
    JournaledSave save;
};

// Finishes the save the journal at `journalPath` guards, when there is one:
// keeps the new set when every new file is in place, else puts every kept
// file back and removes the files that save made anew; then the journal
// goes, and only after it the kept files. Running it again after a kill in
// the middle ends the same way. Nothing when there is no journal; an error
// when it cannot be read or a file cannot be put back (the journal stays).
Result<std::optional<FinishedJournal>> finishJournal(const QString& journalPath);

}  // namespace markwell
