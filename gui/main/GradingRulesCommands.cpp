// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/GradingRulesCommands.h"

#include "core/editing/ClassChanges.h"
#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"
#include "gui/main/MainActions.h"
#include "gui/options/OptionsDialog.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

GradingRulesCommands::GradingRulesCommands(const CommandContext& context) : context_(context) {
    const MainActions& actions = context_.actions;
    context_.onTriggered(actions.gradeScale, this, [this] { editGradeScale(); });
    context_.onTriggered(actions.weightedGrades, this, [this] { editWeights(); });
    context_.onTriggered(actions.dropLowest, this, [this] { editDropRule(); });
    context_.onTriggered(actions.options, this, [this] { editOptions(); });
}

void GradingRulesCommands::editGradeScale() {
    GradeScaleDialog dialog(context_.stores.scales, context_.open.document().classRecord.gradeScale, context_.dialogs,
                            context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(gradeScaleChange(dialog.chosenScale()), ChangeScope::rules());
}

void GradingRulesCommands::editWeights() {
    WeightsDialog dialog(context_.open.document().classRecord.weightGrades, context_.dialogs, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(weightsChange(dialog.weights()), ChangeScope::rules());
}

void GradingRulesCommands::editDropRule() {
    DropRuleDialog dialog(context_.open.document().classRecord.lowScoreInfo, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(dropRuleChange(dialog.rule()), ChangeScope::rules());
}

void GradingRulesCommands::editOptions() {
    // The options belong to the program, not to the class: nothing to rebuild.
    OptionsDialog dialog(context_.stores.passwords, context_.stores.settings, context_.dialogs, context_.window,
                         &context_.mailPasswords());
    dialog.exec();
}

}  // namespace markwell
