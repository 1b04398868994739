// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/ListMoves.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QToolButton;

namespace markwell {

// The list of an editing dialog (students, assignments): one line per
// record, arrow buttons beside it to move the selected one (also Ctrl+Up and
// Ctrl+Down in the list), the Delete key, and a count under it.
class RecordListPanel : public QWidget {
    Q_OBJECT
public:
    // `countText` holds %1 for the number of lines.
    explicit RecordListPanel(const QString& countText, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QLabel* countLabel() const { return count_; }
    QToolButton* moveUpButton() const { return up_; }
    QToolButton* moveDownButton() const { return down_; }

    // Shows the lines and selects `row` (none when -1) without telling.
    void setLines(const QStringList& lines, int row = -1);
    // The selected row, -1 when none.
    int selectedRow() const;
    // Selects the row (none when -1) without telling.
    void selectRow(int row);

signals:
    // The user selected a row (-1: none).
    void rowChosen(int row);
    void moveRequested(markwell::MoveDirection direction);
    void deleteRequested();

private:
    void updateButtons();

    QString countText_;
    QListWidget* list_;
    QToolButton* up_;
    QToolButton* down_;
    QLabel* count_;
};

}  // namespace markwell
