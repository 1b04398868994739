// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/SeatingCommands.h"

#include "core/common/Cp1252.h"
#include "core/data/Seats.h"
#include "gui/document/ClassHistory.h"
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

SeatingCommands::SeatingCommands(Document& document, ClassHistory& history, SeatingPage* page, UserDialogs& dialogs,
                                 const MainActions& actions, QWidget* window, std::function<bool()> chartShown)
    : document_(document), history_(history), page_(page), dialogs_(dialogs), actions_(actions), window_(window),
      chartShown_(std::move(chartShown)),
      editor_(document, [this](const Change& change) { return makeChange(change); }) {
    connect(actions_.addSeat, &QAction::triggered, this, &SeatingCommands::addSeat);
    connect(actions_.editSeat, &QAction::triggered, this, &SeatingCommands::editSeat);
    connect(actions_.deleteSeat, &QAction::triggered, this, &SeatingCommands::deleteSeat);
    connect(actions_.printSeating, &QAction::triggered, this, &SeatingCommands::printSeating);
    connectChart();
}

SeatingCommands::~SeatingCommands() {
    // The chart outlives these commands; it must not show an editor that is gone.
    page_->view()->setEditor(nullptr);
}

void SeatingCommands::connectChart() {
    SeatingView* view = page_->view();
    view->setEditor(&editor_);
    auto* seatMenu = new QMenu(window_);
    seatMenu->setObjectName(QStringLiteral("seatContextMenu"));
    seatMenu->addActions({actions_.editSeat, actions_.deleteSeat});
    connect(view, &SeatingView::seatMenuRequested, this, [this, seatMenu](const QPoint& globalPos) {
        applySeatStates();
        seatMenu->popup(globalPos);
    });
    connect(view, &SeatingView::currentSeatChanged, this, &SeatingCommands::applySeatStates);
    connect(view, &SeatingView::editRequested, actions_.editSeat, &QAction::trigger);
    connect(view, &SeatingView::deleteRequested, actions_.deleteSeat, &QAction::trigger);
    // A change, an undo or a redo: the chart shows the seats as they are now.
    connect(&history_, &ClassHistory::documentChanged, this, [this] {
        page_->view()->showChart();
        applySeatStates();
    });
}

Result<void> SeatingCommands::makeChange(const Change& change) {
    // The chart shows the change itself (documentChanged): the grades need no rebuild.
    Result<void> made = history_.apply(change, ClassHistory::Refresh::ByCaller);
    if (!made) dialogs_.warn(window_, made.message());
    return made;
}

void SeatingCommands::applySeatStates() {
    const bool studentSeat = editor_.currentStudentSeat().has_value();
    actions_.editSeat->setEnabled(studentSeat);
    actions_.deleteSeat->setEnabled(studentSeat);
}

void SeatingCommands::forgetCurrentSeat() {
    editor_.clearCurrent();
}

void SeatingCommands::addSeat() {
    if (!chartShown_()) return;
    // A second seat for a student would hide under the first.
    const std::vector<StudentInfo> unseated = studentsWithoutSeat(document_.classRecord);
    if (unseated.empty()) {
        dialogs_.inform(window_, tr("Every student has a seat."));
        return;
    }
    ModifySeatDialog dialog(unseated, std::nullopt, dialogs_, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    SeatingView* view = page_->view();
    const std::optional<SeatId> added = editor_.add(dialog.seat(), view->visibleChartWidth());
    view->showChart();
    if (SeatItem* seat = added ? view->itemOf(*added) : nullptr) view->ensureVisible(seat);
    view->setFocus();  // ready to move the new seat with the keys
    applySeatStates();
}

void SeatingCommands::editSeat() {
    const std::optional<SeatId> id = editor_.currentStudentSeat();
    if (!chartShown_() || !id) return;
    ModifySeatDialog dialog(document_.classRecord.students, *seatAt(document_.classRecord, *id), dialogs_, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    editor_.editCurrent(dialog.seat());
    page_->view()->showChart();
    page_->view()->setFocus();
}

void SeatingCommands::deleteSeat() {
    if (!chartShown_()) return;
    editor_.deleteCurrent([this] {
        // The seat is named by its student: a small box is easily mistaken.
        const std::optional<SeatId> id = editor_.currentStudentSeat();
        const SeatingInfo* seat = id ? seatAt(document_.classRecord, *id) : nullptr;
        const QString question =
            seat ? tr("Are you sure you want to delete %1's seat?").arg(cp1252::toUnicode(seat->name))
                 : tr("Are you sure you want to delete this seat?");
        return dialogs_.askYesNo(window_, question) == UserDialogs::Answer::Yes;
    });
    page_->view()->showChart();
    applySeatStates();
}

void SeatingCommands::printSeating() {
    SeatingPrintout printout(chartOf(document_.classRecord), document_.seatingFile);
    const Result<PrintOutcome> printed = printPrintout(window_, dialogs_, printout);
    if (!printed) dialogs_.warn(window_, tr("The seating chart could not be printed: ") + printed.message());
}

void SeatingCommands::previewSeating() {
    SeatingPrintout printout(chartOf(document_.classRecord), document_.seatingFile);
    if (Result<void> previewed = previewPrintout(window_, dialogs_, printout); !previewed) {
        dialogs_.warn(window_, tr("The seating chart could not be printed: ") + previewed.message());
    }
}

}  // namespace markwell
