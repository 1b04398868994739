// The main window's commands for the class's grading rules (grade scale,
// weights, dropping) and for the program's options.

#include "gui/main/MainWindow.h"

#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/options/OptionsDialog.h"
#include "gui/shared/UserDialogs.h"
#include "gui/rules/WeightsDialog.h"
#include "core/editing/GradingRules.h"
#include "core/scales/ScaleChecks.h"

namespace markwell {

void MainWindow::changeClass(const std::function<Result<void>(ClassRecord&)>& change) {
    ClassRecord changed = document_.classRecord;
    if (const Result<void> done = change(changed); !done) {
        dialogs_.warn(this, done.message());
        return;
    }
    takeEditedClass(changed);
}

void MainWindow::editGradeScale() {
    GradeScaleDialog dialog(scales_, document_.classRecord.gradeScale, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    changeClass([&dialog](ClassRecord& cls) { return useGradeScale(cls, dialog.chosenScale()); });
}

void MainWindow::editWeights() {
    WeightsDialog dialog(document_.classRecord.weightGrades, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    changeClass([&dialog](ClassRecord& cls) { return setWeights(cls, dialog.weights()); });
}

void MainWindow::editDropRule() {
    DropRuleDialog dialog(document_.classRecord.lowScoreInfo, this);
    if (dialog.exec() != QDialog::Accepted) return;
    changeClass([&dialog](ClassRecord& cls) { return setDropRule(cls, dialog.rule()); });
}

void MainWindow::editOptions() {
    // The options belong to the program, not to the class: nothing to rebuild.
    OptionsDialog dialog(passwords_, settings_, dialogs_, this);
    dialog.exec();
}

}  // namespace markwell
