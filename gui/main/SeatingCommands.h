// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/seating/SeatingEditor.h"

#include <QObject>

#include <memory>

namespace markwell {

struct CommandContext;

// The seat commands of the main window (Add, Edit and Delete Seat, the seat
// menu of the chart, printing the chart) and the chart's own moves and
// sizes: every change of a seat goes through the class's history, so that
// Edit > Undo takes it back. Edit and Delete work on the current student
// seat, and Delete asks first. The chart is shown afresh after every change,
// undo and redo; a current seat that a change took away becomes none.
class SeatingCommands : public QObject {
    Q_OBJECT
public:
    // The seat commands work while the Seating page is shown alone.
    explicit SeatingCommands(const CommandContext& context);
    ~SeatingCommands() override;

    const SeatingEditor& editor() const { return *editor_; }

    // Enables Edit and Delete Seat as the current seat allows.
    void applySeatStates();
    // Another class is open: none of its seats is current.
    void forgetCurrentSeat();

public slots:
    void addSeat();
    void editSeat();
    void deleteSeat();
    // The seating chart, from any page while the Seating page can be reached.
    void printSeating();
    void previewSeating();

private:
    void connectChart();
    bool chartShown() const;
    const ClassRecord& classRecord() const;

    const CommandContext& context_;
    std::unique_ptr<SeatingEditor> editor_;
};

}  // namespace markwell
