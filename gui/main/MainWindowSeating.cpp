// The main window's seating chart: the seat commands, the seat menu and
// printing the chart.

#include "gui/main/MainWindow.h"

#include "gui/shared/UserDialogs.h"
#include "gui/document/ClassHistory.h"
#include "gui/pages/SeatingPage.h"
#include "gui/printing/PrintJob.h"
#include "gui/seating/ModifySeatDialog.h"
#include "gui/seating/SeatItem.h"
#include "core/seating/SeatingEditor.h"
#include "render/seating/SeatingPrintout.h"
#include "gui/seating/SeatingView.h"
#include "core/seating/Seats.h"

#include <QAction>
#include <QMenu>

namespace markwell {
namespace {

SeatingChart chartOf(const ClassRecord& cls) {
    return SeatingChart{cls.Seats, cls.teacherSeat, false};
}

}  // namespace

void MainWindow::connectSeatingPage() {
    // Moving, sizing and every other change of a seat is a change to the class.
    seating_ = std::make_unique<SeatingEditor>(document_, [this] { history_->noteUntrackedChange(); });
    SeatingView* view = seatingPage_->view();
    view->setEditor(seating_.get());

    auto* seatMenu = new QMenu(this);
    seatMenu->setObjectName(QStringLiteral("seatContextMenu"));
    seatMenu->addActions({actions_.editSeat, actions_.deleteSeat});
    connect(view, &SeatingView::seatMenuRequested, this, [this, seatMenu](const QPoint& globalPos) {
        applySeatStates();
        seatMenu->popup(globalPos);
    });
    connect(view, &SeatingView::currentSeatChanged, this, &MainWindow::applySeatStates);
    connect(view, &SeatingView::editRequested, actions_.editSeat, &QAction::trigger);
    connect(view, &SeatingView::deleteRequested, actions_.deleteSeat, &QAction::trigger);
}

void MainWindow::applySeatStates() {
    const bool studentSeat = seating_->currentStudentSeat().has_value();
    actions_.editSeat->setEnabled(studentSeat);
    actions_.deleteSeat->setEnabled(studentSeat);
}

void MainWindow::addSeat() {
    if (page_ != Page::Seating) return;
    // A second seat for a student would hide under the first.
    const std::vector<StudentInfo> unseated = studentsWithoutSeat(document_.classRecord);
    if (unseated.empty()) {
        dialogs_.inform(this, tr("Every student has a seat."));
        return;
    }
    ModifySeatDialog dialog(unseated, std::nullopt, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    SeatingView* view = seatingPage_->view();
    const std::optional<SeatId> added = seating_->add(dialog.seat(), view->visibleChartWidth());
    view->showChart();
    if (SeatItem* seat = added ? view->itemOf(*added) : nullptr) view->ensureVisible(seat);
    view->setFocus();  // ready to move the new seat with the keys
    applySeatStates();
}

void MainWindow::editSeat() {
    const std::optional<SeatId> id = seating_->currentStudentSeat();
    if (page_ != Page::Seating || !id) return;
    ModifySeatDialog dialog(document_.classRecord.students, *seatAt(document_.classRecord, *id), dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    seating_->editCurrent(dialog.seat());
    seatingPage_->view()->showChart();
    seatingPage_->view()->setFocus();
}

void MainWindow::deleteSeat() {
    if (page_ != Page::Seating) return;
    seating_->deleteCurrent([this] {
        return dialogs_.askYesNo(this, tr("Are you sure you want to delete this seat?")) == UserDialogs::Answer::Yes;
    });
    seatingPage_->view()->showChart();
    applySeatStates();
}

void MainWindow::printSeating() {
    SeatingPrintout printout(chartOf(document_.classRecord), document_.seatingFile);
    const Result<PrintOutcome> printed = printPrintout(this, dialogs_, printout);
    if (!printed) dialogs_.warn(this, tr("The seating chart could not be printed: ") + printed.message());
}

void MainWindow::previewSeating() {
    SeatingPrintout printout(chartOf(document_.classRecord), document_.seatingFile);
    if (Result<void> previewed = previewPrintout(this, dialogs_, printout); !previewed) {
        dialogs_.warn(this, tr("The seating chart could not be printed: ") + previewed.message());
    }
}

}  // namespace markwell
