// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// File > New from Class...: next term's class set up as this term's.

#include "gui/main/DocumentCommands.h"

#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"

#include "core/data/ClassFromAnother.h"
#include "core/document/ClassLock.h"
#include "core/document/GradeFileOpening.h"
#include "gui/shared/FileFilters.h"
#include "gui/shared/UserDialogs.h"

#include <QFileInfo>

namespace markwell {

DocumentCommands::Outcome DocumentCommands::newClassFrom() {
    // The model is usually a class beside this one.
    const QString folder = document().isTitled() ? QFileInfo(document().markwellFile).absolutePath() : QString();
    const QString path = context_.dialogs.openFile(context_.window, gradeFileRequest(tr("New from Class"), folder));
    if (path.isEmpty()) return Outcome::Cancelled;
    // Read before the question, so that a refused file costs the teacher nothing.
    const Result<ClassRecord> model = openGradeFile(path, context_.stores.scales);
    if (!model) {
        context_.dialogs.warn(context_.window, model.message());
        return Outcome::Failed;
    }
    if (!maySetAside()) return Outcome::Cancelled;
    Document fresh;
    fresh.classRecord = newClassRecordFrom(*model);
    fresh.modified = true;
    context_.open.holdOpenLock(nullptr);
    replaceDocument(std::move(fresh));
    return Outcome::Done;
}

}  // namespace markwell
