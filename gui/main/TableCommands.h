// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QObject>

namespace markwell {

class Change;
struct CommandContext;

// The commands of the grades table: points typed into a cell, the sorts, the
// font and grid lines (each a change of the class through its history), and
// copying and printing what the table shows.
class TableCommands : public QObject {
    Q_OBJECT
public:
    explicit TableCommands(const CommandContext& context);

    // Stores what was typed into the cell (row, col) of the grades table, as
    // one step; false, with the reason shown, when it is refused.
    bool storeTypedPoints(int row, int col, const QString& text);
    // The grades as they print: the table with its printout header.
    Sheet gradesCopy(bool withIds) const;

public slots:
    void sortAscending();
    void sortDescending();
    void chooseFont();
    void toggleGridLines();
    // Copies the selection of the page shown (grades or attendance).
    void copySelection();
    void printGradesWithNames();
    void printGradesWithIds();

private:
    void sortClass(bool descending);
    void printGrades(bool withIds);
    // Applies a change of the table's look; the table is shown anew at the
    // same cell, and a refusal is shown.
    void changeLook(const Change& change);
    const Sheet& table() const;

    const CommandContext& context_;
};

}  // namespace markwell
