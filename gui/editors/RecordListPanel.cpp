// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/RecordListPanel.h"

#include "gui/editors/EditorSupport.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace markwell {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(tip);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

RecordListPanel::RecordListPanel(const QString& countText, QWidget* parent)
    : QWidget(parent), countText_(countText), list_(new QListWidget),
      up_(arrowButton(Qt::UpArrow, QStringLiteral("moveUpButton"), tr("Move up (Ctrl+Up)"))),
      down_(arrowButton(Qt::DownArrow, QStringLiteral("moveDownButton"), tr("Move down (Ctrl+Down)"))),
      count_(new QLabel) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrows show no text: a screen reader says what they do.
    up_->setAccessibleName(tr("Move up"));
    down_->setAccessibleName(tr("Move down"));
    count_->setObjectName(QStringLiteral("countLabel"));

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    arrows->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 0, 0);
    layout->addLayout(arrows, 0, 1);
    layout->addWidget(count_, 1, 0, 1, 2);

    const auto move = [this](MoveDirection direction) {
        if (selectedRow() >= 0) emit moveRequested(direction);
    };
    connect(up_, &QToolButton::clicked, this, [move] { move(MoveDirection::Up); });
    connect(down_, &QToolButton::clicked, this, [move] { move(MoveDirection::Down); });
    for (const auto& [keys, direction] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Up), MoveDirection::Up},
                                          std::pair{QKeySequence(Qt::CTRL | Qt::Key_Down), MoveDirection::Down}}) {
        auto* action = new QAction(list_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        // Captured by value under its own name: clang 14 cannot capture a
        // structured binding.
        connect(action, &QAction::triggered, this, [move, direction = direction] { move(direction); });
        list_->addAction(action);
    }
    onKeys(list_, {Qt::Key_Delete}, [this] {
        if (selectedRow() >= 0) emit deleteRequested();
    });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        updateButtons();
        emit rowChosen(selectedRow());
    });
    setLines({});
}

void RecordListPanel::setLines(const QStringList& lines, int row) {
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        list_->addItems(lines);
    }
    selectRow(row);
    count_->setText(countText_.arg(lines.size()));
}

int RecordListPanel::selectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void RecordListPanel::selectRow(int row) {
    {
        const QSignalBlocker quiet(list_);
        list_->clearSelection();
        if (row >= 0 && row < list_->count()) {
            list_->setCurrentRow(row);
            list_->item(row)->setSelected(true);
            list_->scrollToItem(list_->item(row));
        }
    }
    list_->viewport()->update();
    updateButtons();
}

void RecordListPanel::updateButtons() {
    const int row = selectedRow();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
}

}  // namespace markwell
