// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/GradingRulesCommands.h"

#include "core/editing/ClassChanges.h"
#include "gui/document/ClassHistory.h"
#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "gui/options/OptionsDialog.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

GradingRulesCommands::GradingRulesCommands(MainWindow& window, ClassHistory& history, UserDialogs& dialogs,
                                           Stores stores, const MainActions& actions)
    : window_(window), history_(history), dialogs_(dialogs), stores_(stores) {
    window_.connectCommand(actions.gradeScale, [this] { editGradeScale(); });
    window_.connectCommand(actions.weightedGrades, [this] { editWeights(); });
    window_.connectCommand(actions.dropLowest, [this] { editDropRule(); });
    window_.connectCommand(actions.options, [this] { editOptions(); });
}

void GradingRulesCommands::applyChange(const Change& change) {
    if (Result<void> applied = history_.apply(change); !applied) dialogs_.warn(&window_, applied.message());
}

void GradingRulesCommands::editGradeScale() {
    GradeScaleDialog dialog(stores_.scales, window_.document().classRecord.gradeScale, dialogs_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(gradeScaleChange(dialog.chosenScale()));
}

void GradingRulesCommands::editWeights() {
    WeightsDialog dialog(window_.document().classRecord.weightGrades, dialogs_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(weightsChange(dialog.weights()));
}

void GradingRulesCommands::editDropRule() {
    DropRuleDialog dialog(window_.document().classRecord.lowScoreInfo, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(dropRuleChange(dialog.rule()));
}

void GradingRulesCommands::editOptions() {
    // The options belong to the program, not to the class: nothing to rebuild.
    OptionsDialog dialog(stores_.passwords, stores_.settings, dialogs_, &window_, &window_.mailPasswords());
    dialog.exec();
}

}  // namespace markwell
