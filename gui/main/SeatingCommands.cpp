// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/SeatingCommands.h"

#include "core/common/Cp1252.h"
#include "core/data/Seats.h"
#include "gui/document/ClassHistory.h"
#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"
#include "gui/main/MainActions.h"
#include "gui/pages/SeatingPage.h"
#include "gui/printing/PrintJob.h"
#include "gui/seating/ModifySeatDialog.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "gui/shared/UserDialogs.h"
#include "render/seating/SeatingPrintout.h"

#include <QAction>
#include <QMenu>

namespace markwell {
namespace {

SeatingChart chartOf(const ClassRecord& cls) {
    return SeatingChart{cls.Seats, cls.teacherSeat, false};
}

}  // namespace

SeatingCommands::SeatingCommands(const CommandContext& context)
    : context_(context),
      // The chart shows a change itself (documentChanged): the grades need no rebuild.
      editor_(context_.open.seatingEditor(
          [this](const Change& change) { return context_.apply(change, ChangeScope::seats()); })) {
    const MainActions& actions = context_.actions;
    connect(actions.addSeat, &QAction::triggered, this, &SeatingCommands::addSeat);
    connect(actions.editSeat, &QAction::triggered, this, &SeatingCommands::editSeat);
    connect(actions.deleteSeat, &QAction::triggered, this, &SeatingCommands::deleteSeat);
    connect(actions.printSeating, &QAction::triggered, this, &SeatingCommands::printSeating);
    connectChart();
}

bool SeatingCommands::chartShown() const {
    return context_.pages.shown() == Page::Seating;
}

const ClassRecord& SeatingCommands::classRecord() const {
    return context_.open.document().classRecord;
}

SeatingCommands::~SeatingCommands() {
    // The chart outlives these commands; it must not show an editor that is gone.
    context_.pages.seating->view()->setEditor(nullptr);
}

void SeatingCommands::connectChart() {
    SeatingView* view = context_.pages.seating->view();
    view->setEditor(editor_.get());
    auto* seatMenu = new QMenu(context_.window);
    seatMenu->setObjectName(QStringLiteral("seatContextMenu"));
    seatMenu->addActions({context_.actions.editSeat, context_.actions.deleteSeat});
    connect(view, &SeatingView::seatMenuRequested, this, [this, seatMenu](const QPoint& globalPos) {
        applySeatStates();
        seatMenu->popup(globalPos);
    });
    connect(view, &SeatingView::currentSeatChanged, this, &SeatingCommands::applySeatStates);
    connect(view, &SeatingView::editRequested, context_.actions.editSeat, &QAction::trigger);
    connect(view, &SeatingView::deleteRequested, context_.actions.deleteSeat, &QAction::trigger);
    // A change, an undo or a redo: the chart shows the seats as they are now.
    connect(&context_.open.history(), &ClassHistory::documentChanged, this, [this] {
        context_.pages.seating->view()->showChart();
        applySeatStates();
    });
}

void SeatingCommands::applySeatStates() {
    const bool studentSeat = editor_->currentStudentSeat().has_value();
    context_.actions.editSeat->setEnabled(studentSeat);
    context_.actions.deleteSeat->setEnabled(studentSeat);
}

void SeatingCommands::forgetCurrentSeat() {
    editor_->clearCurrent();
}

void SeatingCommands::addSeat() {
    if (!chartShown()) return;
    // A second seat for a student would hide under the first.
    const std::vector<StudentInfo> unseated = studentsWithoutSeat(classRecord());
    if (unseated.empty()) {
        context_.dialogs.inform(context_.window, tr("Every student has a seat."));
        return;
    }
    ModifySeatDialog dialog(unseated, std::nullopt, context_.dialogs, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    SeatingView* view = context_.pages.seating->view();
    const std::optional<SeatId> added = editor_->add(dialog.seat(), view->visibleChartWidth());
    view->showChart();
    if (SeatItem* seat = added ? view->itemOf(*added) : nullptr) view->ensureVisible(seat);
    view->setFocus();  // ready to move the new seat with the keys
    applySeatStates();
}

void SeatingCommands::editSeat() {
    const std::optional<SeatId> id = editor_->currentStudentSeat();
    if (!chartShown() || !id) return;
    ModifySeatDialog dialog(classRecord().students, *seatAt(classRecord(), *id), context_.dialogs, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    editor_->editCurrent(dialog.seat());
    context_.pages.seating->view()->showChart();
    context_.pages.seating->view()->setFocus();
}

void SeatingCommands::deleteSeat() {
    if (!chartShown()) return;
    editor_->deleteCurrent([this] {
        // The seat is named by its student: a small box is easily mistaken.
        const std::optional<SeatId> id = editor_->currentStudentSeat();
        const SeatingInfo* seat = id ? seatAt(classRecord(), *id) : nullptr;
        const QString question =
            seat ? tr("Are you sure you want to delete %1's seat?").arg(cp1252::toUnicode(seat->name))
                 : tr("Are you sure you want to delete this seat?");
        return context_.dialogs.askYesNo(context_.window, question) == UserDialogs::Answer::Yes;
    });
    context_.pages.seating->view()->showChart();
    applySeatStates();
}

void SeatingCommands::printSeating() {
    SeatingPrintout printout(chartOf(classRecord()), context_.open.document().seatingFile);
    const Result<PrintOutcome> printed = printPrintout(context_.window, context_.dialogs, printout);
    if (!printed)
        context_.dialogs.warn(context_.window, tr("The seating chart could not be printed: ") + printed.message());
}

void SeatingCommands::previewSeating() {
    SeatingPrintout printout(chartOf(classRecord()), context_.open.document().seatingFile);
    if (Result<void> previewed = previewPrintout(context_.window, context_.dialogs, printout); !previewed) {
        context_.dialogs.warn(context_.window, tr("The seating chart could not be printed: ") + previewed.message());
    }
}

}  // namespace markwell
