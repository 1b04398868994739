// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/main/MainWindow.h"
#include "gui/rules/GradeScaleDialog.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ScriptedDialogs.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace markwell::testing {

// Gives the open class the scale "Pass at 72" through the Grade Scale
// dialog, as a teacher would: pass from 72, fail up to 71.9, saved among
// this computer's scales under that name (markwell-cli's
// `scale set "Pass at 72" pass-fail 72,100,0,71.9` makes the same).
inline void choosePassAt72(ScriptedDialogs& dialogs, MainWindow& window) {
    dialogs.answerText(QStringLiteral("Pass at 72"));
    whenModalShows<GradeScaleDialog>([](GradeScaleDialog* d) {
        d->kindButton(ScaleKind::PassFail)->click();
        d->table()->item(0, 0)->setText(QStringLiteral("72"));
        d->table()->item(1, 1)->setText(QStringLiteral("71.9"));
        d->saveAsButton()->click();
        d->accept();
    });
    window.actions().gradeScale->trigger();
}

}  // namespace markwell::testing
