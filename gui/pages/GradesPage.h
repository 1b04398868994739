// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/sheetview/SheetView.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace markwell {

// The Grades page: the class's grades table. Typing is allowed only where the
// selection lies among the assignment columns of the heading and student rows,
// and only a student's points cell takes the typed value, which the owner
// stores (or refuses, with a message that says why: letters are no points)
// through the points handler. Typing anywhere else is answered with a hint
// of where that value is changed.
class GradesPage : public QWidget {
    Q_OBJECT
public:
    // Stores typed points; returns false (after saying why) to keep the old value.
    using PointsHandler = std::function<bool(int row, int col, const QString& text)>;
    // Whether the lowest-score rule dropped a cell's score.
    using DroppedTest = std::function<bool(int row, int col)>;

    explicit GradesPage(QWidget* parent = nullptr);

    SheetView* view() const { return view_; }
    // Shows the table (the sheet stays the owner's) after it was rebuilt.
    void showTable(Sheet* sheet);
    // Shows it again keeping the view where it was: scroll position and,
    // when given, the selected cell.
    void showTableKeepingPlace(Sheet* sheet, int row, int col);
    // Shows again one row of the table shown, changed in place, and the
    // widths of the columns it made wider or narrower.
    void showChangedRow(int row, const std::vector<int>& resizedCols);
    void setPointsHandler(PointsHandler handler) { points_ = std::move(handler); }
    // A screen reader hears a dropped score as dropped, shown in red or not.
    void setDroppedTest(DroppedTest test) { dropped_ = std::move(test); }

    // Where the value of a cell that takes no typing is changed instead.
    QString typingHintAt(int row, int col) const;

signals:
    // Typing into a cell that takes none: the hint says where its value is
    // changed, for the status line (once per attempt, never a message box).
    void typingRefused(const QString& hint);

private:
    void followSelection(const CellRange& range);

    SheetView* view_;
    PointsHandler points_;
    DroppedTest dropped_;
};

}  // namespace markwell
